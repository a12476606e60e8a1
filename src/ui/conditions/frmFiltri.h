#pragma once
// The AND-filter editor " Colonne Filtro": the 2000 filter columns one panel
// at a time. Its rules live in EditorFiltri; this window draws the panel and
// forwards the presses.

#include "conditions/EditorFiltri.h"
#include "ui/conditions/FinestraEditorFiltri.h"

class QLabel;

namespace tlx::ui {

class frmFiltri : public FinestraEditorFiltri<EditorFiltri> {
  Q_OBJECT
 public:
  frmFiltri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

  // The import from a text file, then panel 1 again when it ran. Its button
  // stays hidden in this build.
  void cmdLoadFiltri_Click();

 private:
  void MostraPannello() override;
  void cmdCancellaTutto_Click();

  Sistema& sistema_;
  GrigliaEtichette* labGriglia_ = nullptr;
  GrigliaEtichette* lbPresenze_ = nullptr;
  GrigliaEtichette* lbPosizione_ = nullptr;
  QLabel* lblNumSelezionati_ = nullptr;
};

}  // namespace tlx::ui
