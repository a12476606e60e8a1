#include "platform/Attesa.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace tlx::platform {

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

void ElaboraEventi() { QCoreApplication::processEvents(); }

}  // namespace tlx::platform
