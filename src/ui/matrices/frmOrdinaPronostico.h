#pragma once
// The window in which the player arranges the chosen numbers before a matrix
// is adapted: the matrix's indexes 1..V name them in this order. It starts
// from the ascending order; on any close the order is written to Pronostico.

#include "ui/matrices/FinestraTessere.h"

namespace tlx::ui {

class frmOrdinaPronostico : public FinestraTessere {
  Q_OBJECT
 public:
  explicit frmOrdinaPronostico(Sistema& sistema, QWidget* parent = nullptr);

 public slots:
  void done(int esito) override;

 private:
  void MostraPronostico();
};

}  // namespace tlx::ui
