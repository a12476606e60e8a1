#pragma once
// The fixed-numbers condition: up to four of the chosen numbers that every
// column must contain. Numbers not chosen on the main grid are greyed and
// ignore clicks. The choice is written on every closing.

#include "conditions/Condizioni.h"
#include "ui/conditions/DialogoCondizione.h"

class QLabel;

namespace tlx::ui {

class GrigliaEtichette;

class frmFisse : public DialogoCondizione {
  Q_OBJECT
 public:
  explicit frmFisse(Sistema& sistema, QWidget* parent = nullptr);
  GrigliaEtichette* Numeri() const { return labGriglia_; }

 protected:
  bool Chiusura() override;

 private:
  void labGriglia_Click(int i);
  void Mostra();

  SceltaFisse scelta_;
  GrigliaEtichette* labGriglia_;
  QLabel* l1_;
};

}  // namespace tlx::ui
