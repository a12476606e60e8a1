#include "ui/conditions/frmFisse.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

frmFisse::frmFisse(Sistema& sistema, QWidget* parent)
    : DialogoCondizione(sistema, sistema.Condizioni.FisseAttiva, "frmFisse", " Fisse", "optCondFisse", "Condizione",
                        parent),
      scelta_(sistema.Condizioni, sistema.NumeriScelti) {
  Cornice()->setObjectName("frameFisse");
  labGriglia_ = new GrigliaEtichette(0, NUMERI - 1, 10, 1, Cornice());
  labGriglia_->setObjectName("labGriglia");
  for (int i = 0; i < NUMERI; ++i)
    if (sistema_.NumeriScelti[static_cast<size_t>(i)] != 1) labGriglia_->Ingrigisci(i);

  l1_ = CasellaValore("l1", QString(), Cornice());
  auto* conteggio = new QHBoxLayout;
  conteggio->addStretch();
  conteggio->addWidget(new QLabel("Numeri fissi", Cornice()));
  conteggio->addWidget(l1_);

  Corpo()->addWidget(labGriglia_);
  Corpo()->addLayout(conteggio);
  connect(labGriglia_, &GrigliaEtichette::etichettaAttivata, this, &frmFisse::labGriglia_Click);
  Mostra();
  // The count of the fixed numbers still chosen holds from now on.
  sistema_.Condizioni.QuantiFissi = static_cast<uint8_t>(scelta_.Quanti());
  Completa();
}

void frmFisse::Mostra() {
  for (int i = 0; i < NUMERI; ++i)
    if (sistema_.NumeriScelti[static_cast<size_t>(i)] == 1) labGriglia_->Seleziona(i, scelta_.Fisso(i + 1));
  l1_->setText(QString::number(scelta_.Quanti()));
}

void frmFisse::labGriglia_Click(int i) {
  scelta_.Clicca(i + 1);
  Mostra();
}

bool frmFisse::Chiusura() {
  scelta_.Scrivi(sistema_.Condizioni);
  return true;
}

}  // namespace tlx::ui
