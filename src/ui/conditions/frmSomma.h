#pragma once
// The sum condition: the lowest and highest sum of a column, between the
// sums of the five smallest and of the five largest chosen numbers. The
// bounds are checked and stored when the window closes.

#include "conditions/Condizioni.h"
#include "ui/conditions/DialogoCondizione.h"

class QLabel;
class QLineEdit;

namespace tlx::ui {

class frmSomma : public DialogoCondizione {
  Q_OBJECT
 public:
  explicit frmSomma(Sistema& sistema, QWidget* parent = nullptr);

 protected:
  bool Chiusura() override;

 private:
  LimitiSomma limiti_;
  QLineEdit* txtDA_;
  QLineEdit* txtA_;
};

}  // namespace tlx::ui
