#include "DesktopX.h"

#include <QCoreApplication>
#include <QProcess>

// The X headers last: their macros (None, Bool, KeyPress...) would clash
// with Qt's names.
#include <xcb/xcb.h>
#include <X11/extensions/XI2proto.h>

namespace tlx::ui::prova::desktop {

namespace {

QString Esegui(const QString& programma, const QStringList& argomenti) {
  QProcess processo;
  processo.start(programma, argomenti);
  processo.waitForFinished(5000);
  return QString::fromLatin1(processo.readAllStandardOutput());
}

}  // namespace

// xprop writes "NAME(WINDOW): window id # 0x1a00007, 0x1c00003".
QList<WId> Finestre(const QStringList& proprieta) {
  const QString uscita = Esegui("xprop", proprieta);
  QList<WId> finestre;
  if (const qsizetype inizio = uscita.indexOf('#'); inizio >= 0)
    for (const QString& id : uscita.mid(inizio + 1).split(',', Qt::SkipEmptyParts))
      finestre << id.trimmed().toULongLong(nullptr, 0);
  return finestre;
}

void Clic(QPoint punto) {
  Esegui("xdotool", {"mousemove", QString::number(punto.x()), QString::number(punto.y()), "click", "1"});
}

Pressioni::Pressioni(WId finestra) : finestra_(finestra) { QCoreApplication::instance()->installNativeEventFilter(this); }

Pressioni::~Pressioni() { QCoreApplication::instance()->removeNativeEventFilter(this); }

// Qt takes the mouse through the X input extension where the server has it,
// else through the core protocol's events.
bool Pressioni::nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr*) {
  if (tipo != "xcb_generic_event_t") return false;
  const auto* evento = static_cast<const xcb_generic_event_t*>(messaggio);
  const uint8_t specie = evento->response_type & 0x7f;
  if (specie == XCB_BUTTON_PRESS && static_cast<const xcb_button_press_event_t*>(messaggio)->event == finestra_)
    ++contate_;
  if (specie == GenericEvent) {
    const auto* dispositivo = static_cast<const xXIDeviceEvent*>(messaggio);
    if (dispositivo->evtype == XI_ButtonPress && dispositivo->event == finestra_) ++contate_;
  }
  return false;
}

}  // namespace tlx::ui::prova::desktop
