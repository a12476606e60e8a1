#pragma once
// The even-numbers condition: which counts 0..5 of even numbers a column
// may hold. Each toggle takes effect at once.

#include "ui/conditions/DialogoCondizione.h"

namespace tlx::ui {

class GrigliaEtichette;

class frmPari : public DialogoCondizione {
  Q_OBJECT
 public:
  explicit frmPari(Sistema& sistema, QWidget* parent = nullptr);
  GrigliaEtichette* Conteggi() const { return labPariDispari_; }

 private:
  void labPariDispari_Click(int k);

  GrigliaEtichette* labPariDispari_;
};

}  // namespace tlx::ui
