#pragma once
// The crossword window: the 25 chosen numbers in a 5 x 5 grid that the
// player arranges; building turns every row, grid column and diagonal into
// one column of a 12-column system. While the system is shown it displays
// the saved arrangement, read-only.

#include <QDialog>

#include "core/Sistema.h"

class QFrame;
class QLabel;

namespace tlx::ui {

class Tessere;

class frmCruciverba : public QDialog {
  Q_OBJECT
 public:
  explicit frmCruciverba(Sistema& sistema, QWidget* parent = nullptr);

  Tessere* tessere() const { return tessere_; }
  void MescolaNumeri();
  // Builds the system from the arrangement shown and closes the window.
  void cmdCruciverba_Click();

 private:
  void MostraPronostico();

  Sistema& sistema_;
  QFrame* frameOrdinePronostico_ = nullptr;
  Tessere* tessere_ = nullptr;
  QLabel* l1_ = nullptr;
  QLabel* lblDescr1_ = nullptr;
  QLabel* lblDescr2_ = nullptr;
};

}  // namespace tlx::ui
