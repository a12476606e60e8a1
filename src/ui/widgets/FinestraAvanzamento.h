#pragma once
// A long operation's progress window: a window of its own with a title and
// no close button, whose stop button asks before it sets the operation's
// stop flag. The user can't close it; when the program leaves it closes,
// and the operation stops at its next step.

#include <QWidget>

#include "core/Sistema.h"

namespace tlx::ui {

class FinestraAvanzamento : public QWidget {
  Q_OBJECT
 public:
  // `interrompi`: the flag the operation reads at its steps.
  FinestraAvanzamento(Sistema& sistema, Flag& interrompi, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* e) override;

  Sistema& sistema_;

 private:
  Flag& interrompi_;
};

}  // namespace tlx::ui
