#pragma once
// The picture of a slip layout shown by the slip and calibration windows: a
// card with its number panels drawn by the layout's default calibration.

#include <QWidget>

#include "printing/Taratura.h"

namespace tlx::ui {

class AnteprimaScheda : public QWidget {
  Q_OBJECT
 public:
  explicit AnteprimaScheda(LayoutScheda layout, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {180, 250}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  LayoutScheda layout_;
};

}  // namespace tlx::ui
