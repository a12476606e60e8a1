#include "ui/widgets/BarraConteggio.h"

namespace tlx::ui {

BarraConteggio::BarraConteggio(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setInvertedAppearance(true);
  // Up and Page Up, and the wheel turned up, raise the value.
  setInvertedControls(false);
  connect(this, &QAbstractSlider::actionTriggered, this, &BarraConteggio::Rovescia);
}

void BarraConteggio::mousePressEvent(QMouseEvent* e) {
  mouse_ = true;
  QScrollBar::mousePressEvent(e);
}

void BarraConteggio::mouseReleaseEvent(QMouseEvent* e) {
  QScrollBar::mouseReleaseEvent(e);
  mouse_ = false;
}

// The arrow and groove steps of the mouse (held down, they repeat) go the
// other way: the step already applied to the slider position is mirrored.
void BarraConteggio::Rovescia(int azione) {
  if (!mouse_) return;
  switch (azione) {
    case SliderSingleStepAdd:
    case SliderSingleStepSub:
    case SliderPageStepAdd:
    case SliderPageStepSub:
      setSliderPosition(2 * value() - sliderPosition());
      break;
    default:
      break;
  }
}

}  // namespace tlx::ui
