#pragma once
// The splash window shown while the program starts: title, version and
// platform over a painted picture. A key press or a click closes it before
// start-up does.

#include <QWidget>

namespace tlx::ui {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit frmSplash(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
};

}  // namespace tlx::ui
