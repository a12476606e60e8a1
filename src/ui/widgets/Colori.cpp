#include "ui/widgets/Colori.h"

#include <QGuiApplication>
#include <QPalette>

namespace tlx::ui {

QColor ColoreBgr(uint32_t valore) {
  if (valore & 0x80000000u) {
    const QPalette tavolozza = QGuiApplication::palette();
    switch (valore & 0xFFu) {
      case 0x05: return tavolozza.color(QPalette::Active, QPalette::Base);
      case 0x08: return tavolozza.color(QPalette::Active, QPalette::Text);
      case 0x0F: return tavolozza.color(QPalette::Active, QPalette::Button);
      case 0x11: return tavolozza.color(QPalette::Disabled, QPalette::ButtonText);
      default: return tavolozza.color(QPalette::Active, QPalette::Window);
    }
  }
  return QColor(int(valore & 0xFF), int((valore >> 8) & 0xFF), int((valore >> 16) & 0xFF));
}

}  // namespace tlx::ui
