#pragma once
// The window in which the player arranges the chosen numbers before a matrix
// is adapted: the matrix's indexes 1..V name them in this order. It starts
// from the ascending order; on any close the order is written to Pronostico.

#include <QDialog>

#include "core/Sistema.h"

class QFrame;
class QLabel;
class QToolButton;

namespace tlx::ui {

class Tessere;

class frmOrdinaPronostico : public QDialog {
  Q_OBJECT
 public:
  explicit frmOrdinaPronostico(Sistema& sistema, QWidget* parent = nullptr);

  Tessere* tessere() const { return tessere_; }
  void MescolaNumeri();

 public slots:
  void done(int esito) override;

 private:
  void MostraPronostico();

  Sistema& sistema_;
  QFrame* frameOrdinePronostico_ = nullptr;
  Tessere* tessere_ = nullptr;
  QLabel* l1_ = nullptr;
};

}  // namespace tlx::ui
