#pragma once
// The splash window shown while the program starts: title, version and
// platform over a painted picture. A key press or a click closes it before
// start-up does. It stays on top of everything, so it steps aside as soon as
// any other window or message box of the start-up appears.

#include <QWidget>

namespace tlx::ui {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  explicit frmSplash(QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
};

}  // namespace tlx::ui
