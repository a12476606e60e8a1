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
#include <QWindow>
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

// The frame the window system draws around a window is known only once the
// window is on the screen; the windows of one desktop share it. The frame
// of the last window seen stands for that of a window not shown yet.
QMargins& CorniceVista() {
  static QMargins cornice;
  return cornice;
}

QMargins Cornice(const QWidget* finestra) {
  if (finestra->windowFlags() & Qt::FramelessWindowHint) return {};
  if (const QWindow* w = finestra->windowHandle(); w && !w->frameMargins().isNull()) return w->frameMargins();
  return CorniceVista();
}

// Centres the window with its frame on the free area of its screen. A
// window larger than that area is first brought within it, as far as its
// minimum size allows; one that still does not fit keeps its title bar on
// the screen.
void Centra(QWidget* finestra, const QMargins& cornice) {
  const QScreen* schermo = finestra->screen();
  if (!schermo) return;
  const QRect area = schermo->availableGeometry();
  const QSize bordi(cornice.left() + cornice.right(), cornice.top() + cornice.bottom());
  const QSize misura = finestra->size().boundedTo(area.size() - bordi).expandedTo(finestra->minimumSize());
  QRect esterno(QPoint(), misura + bordi);
  esterno.moveCenter(area.center());
  esterno.moveTo(std::max(esterno.left(), area.left()), std::max(esterno.top(), area.top()));
  // Placed by its inside: before the desktop has framed it, a window's
  // position would be taken as that of its inside all the same.
  finestra->setGeometry(esterno.marginsRemoved(cornice));
}

// Centres a window when it is first shown, once its layout has given it its
// size, with the frame the desktop is likely to give it; then, once it is
// on the screen and its real frame is known, again if that frame differs.
class CentraAllaComparsa : public QObject {
 public:
  explicit CentraAllaComparsa(QWidget* finestra) : QObject(finestra), finestra_(finestra) {}

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (oggetto == finestra_ && evento->type() == QEvent::Show) {
      finestra_->removeEventFilter(this);
      cornice_ = Cornice(finestra_);
      Centra(finestra_, cornice_);
      if (QWindow* w = finestra_->windowHandle()) w->installEventFilter(this);
      else deleteLater();
    } else if (evento->type() == QEvent::Expose && static_cast<QWindow*>(oggetto)->isExposed()) {
      oggetto->removeEventFilter(this);
      const QMargins vera = static_cast<QWindow*>(oggetto)->frameMargins();
      if (!vera.isNull()) CorniceVista() = vera;
      if (vera != cornice_) Centra(finestra_, vera);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* finestra_;
  QMargins cornice_;
};

}  // namespace

void CentraForm(QWidget* finestra) {
  if (!finestra) return;
  if (finestra->isVisible()) Centra(finestra, Cornice(finestra));
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

void TieniSopra(QWidget* finestra, QWidget* proprietario) {
  if (finestra->windowType() != Qt::Dialog)
    finestra->setWindowFlags((finestra->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
  finestra->winId();
  proprietario->window()->winId();
  finestra->windowHandle()->setTransientParent(proprietario->window()->windowHandle());
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
