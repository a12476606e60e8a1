#pragma once
// The crossword window: the 25 chosen numbers in a 5 x 5 grid that the
// player arranges; building turns every row, grid column and diagonal into
// one column of a 12-column system. While the system is shown it displays
// the saved arrangement, read-only.

#include "ui/matrices/FinestraTessere.h"

class QLabel;

namespace tlx::ui {

class frmCruciverba : public FinestraTessere {
  Q_OBJECT
 public:
  explicit frmCruciverba(Sistema& sistema, QWidget* parent = nullptr);

  // Builds the system from the arrangement shown and closes the window.
  void cmdCruciverba_Click();

 private:
  void MostraPronostico();

  QLabel* lblDescr1_ = nullptr;
  QLabel* lblDescr2_ = nullptr;
};

}  // namespace tlx::ui
