#pragma once
// "Distanza Numeri": the five number-distance filters one panel at a time.
// Its rules live in EditorFiltriDistanza; this window draws the panel and
// forwards the presses.

#include "conditions/EditorFiltriDistanza.h"
#include "ui/conditions/FinestraEditorFiltri.h"

namespace tlx::ui {

class frmFiltriDistanzaNumeri : public FinestraEditorFiltri<EditorFiltriDistanza> {
  Q_OBJECT
 public:
  frmFiltriDistanzaNumeri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

 private:
  void MostraPannello() override;

  GrigliaEtichette* lbPFromPTo_ = nullptr;
  GrigliaEtichette* lbDistanzaMin_ = nullptr;
  GrigliaEtichette* lbDistanzaMax_ = nullptr;
};

}  // namespace tlx::ui
