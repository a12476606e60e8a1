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
// other way. The slider position already holds the step, clamped at the
// ends, so the opposite step is taken from the value.
void BarraConteggio::Rovescia(int azione) {
  if (!mouse_) return;
  switch (azione) {
    case SliderSingleStepAdd:
      setSliderPosition(value() - singleStep());
      break;
    case SliderSingleStepSub:
      setSliderPosition(value() + singleStep());
      break;
    case SliderPageStepAdd:
      setSliderPosition(value() - pageStep());
      break;
    case SliderPageStepSub:
      setSliderPosition(value() + pageStep());
      break;
    default:
      break;
  }
}

}  // namespace tlx::ui
