#include "platform/Finestre.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPointer>
#include <QScreen>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
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

// Centres the window on the free area of its screen. A window larger than
// that area is first brought within it, as far as its minimum size allows;
// one that still does not fit keeps its title bar on the screen.
void Centra(QWidget* finestra) {
  const QScreen* schermo = finestra->screen();
  if (!schermo) return;
  const QRect area = schermo->availableGeometry();
  const QSize bordi = finestra->frameGeometry().size() - finestra->size();
  const QSize misura = finestra->size().boundedTo(area.size() - bordi).expandedTo(finestra->minimumSize());
  if (misura != finestra->size()) finestra->resize(misura);
  QRect cornice = finestra->frameGeometry();
  cornice.moveCenter(area.center());
  finestra->move(std::max(cornice.left(), area.left()), std::max(cornice.top(), area.top()));
}

// Centres a window when it is first shown: by then its layout has given it
// its size, which it may not have yet when it is built.
class CentraAllaComparsa : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (evento->type() == QEvent::Show) {
      oggetto->removeEventFilter(this);
      Centra(static_cast<QWidget*>(oggetto));
      deleteLater();
    }
    return false;
  }
};

}  // namespace

void CentraForm(QWidget* finestra) {
  if (!finestra) return;
  if (finestra->isVisible()) Centra(finestra);
  else finestra->installEventFilter(new CentraAllaComparsa(finestra));
}

int LarghezzaTitolo(const QString& titolo) {
  QFont carattere = QApplication::font();
  carattere.setBold(true);
  const QFontMetrics misure(carattere);
  return misure.horizontalAdvance(titolo) + 8 * misure.height();
}

void AdattaAlTitolo(QWidget* finestra) {
  QLayout* layout = finestra->layout();
  if (!layout) return;
  const QMargins margini = layout->contentsMargins();
  const int larghezza = LarghezzaTitolo(finestra->windowTitle()) - margini.left() - margini.right();
  if (auto* colonna = qobject_cast<QVBoxLayout*>(layout))
    colonna->addStrut(larghezza);
  else if (auto* griglia = qobject_cast<QGridLayout*>(layout))
    griglia->addItem(new QSpacerItem(larghezza, 0), griglia->rowCount(), 0, 1, griglia->columnCount());
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
