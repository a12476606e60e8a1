#pragma once
// The ON/OFF switch of the condition and filter windows: two push-button
// options, index 0 "ON" and index 1 "OFF". The pressed one is yellow with
// black text, the other has the system's button face and grey text.
//
// A press shows the pressed option at once and is then reported: what it
// switches is up to the window.

#include <QWidget>

class QButtonGroup;
class QPushButton;

namespace tlx::ui {

class CoppiaOnOff : public QWidget {
  Q_OBJECT
 public:
  explicit CoppiaOnOff(QWidget* parent = nullptr);

  // Presses option `indice` (0 ON, 1 OFF) with its colours; signals nothing.
  void MostraStato(int indice);
  // 0 while "ON" is pressed, 1 while "OFF" is.
  int Indice() const;
  bool On() const { return Indice() == 0; }
  QPushButton* Opzione(int indice) const;

 signals:
  // The user pressed option `indice`, also when it was already the pressed
  // one (then `precedente` equals it).
  void opzioneCliccata(int indice, int precedente);

 private:
  QButtonGroup* gruppo_;
  int indice_ = 1;
};

}  // namespace tlx::ui
