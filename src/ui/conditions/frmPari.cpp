#include "ui/conditions/frmPari.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/widgets/Colori.h"
#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui {

frmPari::frmPari(Sistema& sistema, QWidget* parent)
    : DialogoCondizione(sistema, sistema.Condizioni.PariAttiva, "frmPari", "Pari e Dispari", "optCondizione",
                        "Condizione    ", parent) {
  Cornice()->setObjectName("framePariDispari");
  auto* pari = Riquadro("lblPari", "PARI", Cornice());
  labPariDispari_ = new GrigliaEtichette(0, 5, 6, 0, pari);
  labPariDispari_->setObjectName("labPariDispari");
  auto* riga = new QHBoxLayout(pari);
  riga->addWidget(labPariDispari_);
  Corpo()->addWidget(pari);

  // Until toggled, a count has the window's own colours.
  for (int k = 0; k <= 5; ++k) labPariDispari_->Colora(k, colori::SFONDO_FINESTRA, colori::TESTO_FINESTRA);
  for (int k = 0; k <= 5; ++k)
    if (Vero(sistema_.Condizioni.PariAmmessi[static_cast<size_t>(k)])) labPariDispari_->Seleziona(k, true);
  connect(labPariDispari_, &GrigliaEtichette::etichettaAttivata, this, &frmPari::labPariDispari_Click);
  Completa();
}

void frmPari::labPariDispari_Click(int k) {
  const bool seleziona = !labPariDispari_->Selezionata(k);
  labPariDispari_->Seleziona(k, seleziona);
  sistema_.Condizioni.PariAmmessi[static_cast<size_t>(k)] = ComeFlag(seleziona);
}

}  // namespace tlx::ui
