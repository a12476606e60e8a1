#pragma once
// The 55-number grid of the main window. It paints the chosen state kept in
// the system in memory and turns presses and drags into toggle requests:
// the press toggles the cell under the pointer, and every cell the pointer
// enters while the button is held toggles once more.

#include <QWidget>

#include "ui/widgets/PitturaTrascinamento.h"

namespace tlx {
struct Sistema;
}

namespace tlx::ui {

class GrigliaNumeri : public QWidget {
  Q_OBJECT
 public:
  GrigliaNumeri(const Sistema& sistema, QWidget* parent = nullptr);

  // The cell (0..54) under a point of the widget, -1 for none.
  int CellaIn(const QPoint& punto) const;
  QRect RettangoloCella(int indice) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void cellaAttivata(int indice);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  const Sistema& sistema_;
  PitturaTrascinamento pittura_;
};

}  // namespace tlx::ui
