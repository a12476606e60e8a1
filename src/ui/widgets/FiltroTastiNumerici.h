#pragma once
// The key filter of numeric boxes: digits, backspace, tab, form feed and the
// full stop pass (the comma too where allowed); Enter moves the focus on;
// every other typed character is dropped with a beep. Navigation and editing
// keys that type nothing keep their usual meaning.

#include <QHash>
#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace tlx::ui {

class FiltroTastiNumerici : public QObject {
  Q_OBJECT
 public:
  explicit FiltroTastiNumerici(bool virgola, QObject* parent = nullptr);

  // Filters the box. Enter moves the focus to `dopoInvio`, or to the next
  // control in the focus chain when none is given.
  void Installa(QLineEdit* casella, QWidget* dopoInvio = nullptr);

  bool Ammesso(QChar c) const;

 signals:
  void carattereRifiutato();

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  bool virgola_;
  QHash<QObject*, QPointer<QWidget>> dopoInvio_;
};

}  // namespace tlx::ui
