#include "platform/Finestre.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <functional>

namespace tlx::platform {

namespace {

void ChiudiSe(const std::function<bool(const QWidget*)>& daChiudere) {
  // A closing window may close or delete others: guard each one.
  QList<QPointer<QWidget>> finestre;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (daChiudere(w)) finestre << w;
  for (const auto& w : finestre)
    if (w) w->close();
}

}  // namespace

void CentraForm(QWidget* finestra) {
  const QScreen* schermo = QGuiApplication::primaryScreen();
  if (!finestra || !schermo) return;
  QRect cornice = finestra->frameGeometry();
  cornice.moveCenter(schermo->availableGeometry().center());
  finestra->move(cornice.topLeft());
}

void PortaInPrimoPiano(QWidget* finestra) {
  if (!finestra) return;
  // Restored from the task bar as it was before: a maximised window stays so.
  if (finestra->isMinimized()) finestra->setWindowState(finestra->windowState() & ~Qt::WindowMinimized);
  finestra->raise();
  finestra->activateWindow();
}

void ScaricaForms(const QWidget* tenere) {
  ChiudiSe([tenere](const QWidget* w) { return w != tenere; });
}

void ScaricaForms(const QString& nome) {
  ChiudiSe([&nome](const QWidget* w) { return nome.isEmpty() || w->objectName() != nome; });
}

}  // namespace tlx::platform
