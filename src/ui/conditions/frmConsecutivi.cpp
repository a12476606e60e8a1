#include "ui/conditions/frmConsecutivi.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "conditions/Condizioni.h"
#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

frmConsecutivi::frmConsecutivi(Sistema& sistema, QWidget* parent)
    : DialogoCondizione(sistema, sistema.Consecutivi.Attivo, "frmConsecutivi", "Numeri Consecutivi", "optCond",
                        "Condizione", parent) {
  Cornice()->setObjectName("frameCondizione");
  auto* presenze = Riquadro("framePresenze", "Consecutivi", Cornice());
  lbPresenze_ = new GrigliaEtichette(1, 5, 5, 0, presenze);
  lbPresenze_->setObjectName("lbPresenze");
  for (int r = 1; r <= 5; ++r)
    if (sistema_.Consecutivi.LunghezzeMask & PotenzeDiDue[static_cast<size_t>(r)]) lbPresenze_->Seleziona(r, true);
  connect(lbPresenze_, &GrigliaEtichette::etichettaAttivata, lbPresenze_, &GrigliaEtichette::Inverti);

  // The longest run among the chosen numbers, from the grid in ascending
  // order: the prediction itself keeps its own order.
  auto* lblMax = new QLabel("Max", presenze);
  lblMax->setObjectName("lblMax");
  lblMax->setAlignment(Qt::AlignCenter);
  auto* l1 = CasellaValore("l1", QString("%1").arg(RunPiuLunga(sistema_.NumeriScelti), 2, 10, QChar('0')), presenze);
  auto* massimo = new QVBoxLayout;
  massimo->setSpacing(2);
  massimo->addWidget(lblMax);
  massimo->addWidget(l1);

  auto* riga = new QHBoxLayout(presenze);
  riga->setSpacing(14);
  riga->addWidget(lbPresenze_, 0, Qt::AlignBottom);
  riga->addLayout(massimo);
  Corpo()->addWidget(presenze);
  Completa();
}

bool frmConsecutivi::Chiusura() {
  std::array<bool, 6> lunghezze{};
  for (int r = 1; r <= 5; ++r) lunghezze[static_cast<size_t>(r)] = lbPresenze_->Selezionata(r);
  sistema_.Consecutivi.LunghezzeMask = MascheraConsecutivi(sistema_.Consecutivi.LunghezzeMask, lunghezze);
  return true;
}

}  // namespace tlx::ui
