#include "platform/Attesa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tlx::platform {

namespace {

std::function<void()> alCedere;

bool DaUtente(const QEvent& e) {
  switch (e.type()) {
    case QEvent::Shortcut:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return dynamic_cast<const QInputEvent*>(&e) != nullptr;
  }
}

}  // namespace

void Attendi(int millisecondi) {
  constexpr qint64 PASSO_MS = 4;
  // A monotonic clock: the wait lasts its full duration across midnight or a
  // change of the system clock.
  QElapsedTimer orologio;
  orologio.start();
  for (qint64 restano = millisecondi; restano > 0; restano = millisecondi - orologio.elapsed()) {
    ElaboraEventi();
    QThread::msleep(static_cast<unsigned long>(std::min(PASSO_MS, restano)));
  }
}

void ElaboraEventi() {
  QCoreApplication::processEvents();
  if (alCedere) alCedere();
}

void AlCedere(std::function<void()> azione) { alCedere = std::move(azione); }

InputTrattenuto::InputTrattenuto(const QWidget* avanzamento) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != avanzamento) aperte_.emplace_back(w);
  for (QWindow* w : QGuiApplication::allWindows())
    if (!avanzamento || w != avanzamento->windowHandle()) aperte_.emplace_back(w);
  QCoreApplication::instance()->installEventFilter(this);
}

InputTrattenuto::~InputTrattenuto() {
  // What the user typed or clicked since the last yield is still queued: it
  // goes with the rest, and the windows are free again only afterwards.
  QCoreApplication::processEvents();
  QCoreApplication::instance()->removeEventFilter(this);
}

bool InputTrattenuto::eventFilter(QObject* oggetto, QEvent* evento) {
  if (!DaUtente(*evento)) return false;
  // Shortcuts go to actions, which belong to no window of their own: held back too.
  if (!oggetto->isWidgetType() && !oggetto->isWindowType()) return true;
  const QObject* finestra = oggetto->isWidgetType() ? static_cast<QWidget*>(oggetto)->window() : oggetto;
  return std::any_of(aperte_.begin(), aperte_.end(),
                     [finestra](const QPointer<QObject>& aperta) { return aperta == finestra; });
}

}  // namespace tlx::platform
