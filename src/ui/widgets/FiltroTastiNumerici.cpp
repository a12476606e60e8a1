#include "ui/widgets/FiltroTastiNumerici.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace tlx::ui {

namespace {
// What Tab would reach: the next enabled, visible control that takes focus.
QWidget* ProssimoNellaCatena(QWidget* da) {
  for (QWidget* w = da->nextInFocusChain(); w != da; w = w->nextInFocusChain())
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible()) return w;
  return da;
}
}  // namespace

FiltroTastiNumerici::FiltroTastiNumerici(bool virgola, QObject* parent) : QObject(parent), virgola_(virgola) {}

void FiltroTastiNumerici::Installa(QLineEdit* casella, QWidget* dopoInvio) {
  dopoInvio_.insert(casella, dopoInvio);
  casella->installEventFilter(this);
  connect(casella, &QObject::destroyed, this, [this](QObject* o) { dopoInvio_.remove(o); });
}

bool FiltroTastiNumerici::Ammesso(QChar c) const {
  return (c >= u'0' && c <= u'9') || c == u'\b' || c == u'\t' || c == u'\f' || c == u'.' || (virgola_ && c == u',');
}

bool FiltroTastiNumerici::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress || !dopoInvio_.contains(oggetto)) return false;
  auto* casella = static_cast<QLineEdit*>(oggetto);
  const auto* tasto = static_cast<QKeyEvent*>(evento);
  if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) {
    QWidget* prossimo = dopoInvio_.value(oggetto);
    if (!prossimo) prossimo = ProssimoNellaCatena(casella);
    prossimo->setFocus(Qt::TabFocusReason);
    return true;
  }
  const bool scorciatoia = tasto->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (tasto->text().isEmpty() || tasto->key() == Qt::Key_Delete || scorciatoia) return false;
  for (const QChar c : tasto->text()) {
    if (!Ammesso(c)) {
      QApplication::beep();
      emit carattereRifiutato();
      return true;
    }
  }
  return false;
}

}  // namespace tlx::ui
