#pragma once
// The consecutive-numbers condition: the allowed lengths 1..5 of a column's
// longest run of consecutive numbers, written on every closing, beside the
// longest run among the chosen numbers.

#include "ui/conditions/DialogoCondizione.h"

namespace tlx::ui {

class GrigliaEtichette;

class frmConsecutivi : public DialogoCondizione {
  Q_OBJECT
 public:
  explicit frmConsecutivi(Sistema& sistema, QWidget* parent = nullptr);
  GrigliaEtichette* Lunghezze() const { return lbPresenze_; }

 protected:
  bool Chiusura() override;

 private:
  GrigliaEtichette* lbPresenze_;
};

}  // namespace tlx::ui
