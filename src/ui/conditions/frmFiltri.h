#pragma once
// The AND-filter editor " Colonne Filtro": the 2000 filter columns one panel
// at a time. Its rules live in EditorFiltri; this window draws the panel and
// forwards the presses. Closing saves the panel and compacts the table.

#include <QDialog>

#include "conditions/EditorFiltri.h"
#include "core/Formato.h"
#include "core/Sistema.h"
#include "ui/conditions/ComponentiFiltri.h"

class QLabel;
class QPushButton;

namespace tlx::ui {

class CoppiaOnOff;
class GrigliaEtichette;

class frmFiltri : public QDialog {
  Q_OBJECT
 public:
  frmFiltri(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

  const EditorFiltri& editor() const { return editor_; }
  // The import from a text file, then panel 1 again when it ran. Its button
  // stays hidden in this build.
  void cmdLoadFiltri_Click();

  ~frmFiltri() override;

  void done(int esito) override;

 private:
  void MostraFiltro();
  void cmdCancellaTutto_Click();

  Sistema& sistema_;
  FormatoNumeri formato_;
  EditorFiltri editor_;

  GrigliaEtichette* labGriglia_ = nullptr;
  GrigliaEtichette* lbPresenze_ = nullptr;
  GrigliaEtichette* lbPosizione_ = nullptr;
  CoppiaOnOff* optCond_ = nullptr;
  ContatoriFiltri contatori_{};
  QLabel* lblNumSelezionati_ = nullptr;
};

}  // namespace tlx::ui
