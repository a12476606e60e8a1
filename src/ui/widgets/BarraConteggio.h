#pragma once
// A vertical scroll bar for a count whose upper end is the highest value:
// the thumb, the arrows, a click in the groove, the keys and the wheel all
// raise the count towards the top. Qt's inverted appearance moves only the
// thumb; its arrow buttons and groove clicks would still step the other way.

#include <QScrollBar>

namespace tlx::ui {

class BarraConteggio : public QScrollBar {
 public:
  explicit BarraConteggio(QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Rovescia(int azione);

  bool mouse_ = false;
};

}  // namespace tlx::ui
