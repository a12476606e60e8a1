#pragma once
// A close request as the window manager sends it: through the window system,
// delivered to the window and handled before this returns. True when the
// window accepted it; a window that only hides itself, or asks and is told
// no, refuses it.

#include <qpa/qwindowsysteminterface.h>

#include <QWidget>
#include <QWindow>

namespace tlx::ui::prova {

inline bool ChiudiDalGestore(QWidget* finestra) {
  finestra->winId();
  return QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
      finestra->windowHandle());
}

}  // namespace tlx::ui::prova
