#pragma once
// What the condition dialogs share: a window without OK or Cancel that the
// close box (or Esc) closes, an outer frame holding every control that is
// disabled while a developed system is shown, and the ON/OFF pair in its
// "Condizione" frame, which sets the dialog's switch at once.

#include <QDialog>

#include "core/Sistema.h"

class QFrame;
class QGroupBox;
class QLabel;
class QVBoxLayout;

namespace tlx::ui {

class CoppiaOnOff;

class DialogoCondizione : public QDialog {
  Q_OBJECT
 public:
  // Closing runs Chiusura first; it may keep the window open.
  void reject() override;

  QFrame* Cornice() const { return cornice_; }

 protected:
  DialogoCondizione(Sistema& sistema, Flag& interruttore, const char* nome, const QString& titolo,
                    const char* nomeInterruttore, const QString& titoloCondizione, QWidget* parent);

  // Where the dialog puts its own controls, above the switch.
  QVBoxLayout* Corpo() const { return corpo_; }
  // To call at the end of the derived constructor: shows the switch, locks
  // the frame while a system is shown, sizes and centres the window.
  void Completa();
  // The closing step of the dialog: false keeps the window open.
  virtual bool Chiusura() { return true; }

  Sistema& sistema_;

 private:
  Flag& flag_;
  QFrame* cornice_;
  QVBoxLayout* corpo_;
  QGroupBox* condizione_;
  CoppiaOnOff* interruttore_;
};

// A framed caption box of the dialogs, e.g. "Distanza".
QGroupBox* Riquadro(const char* nome, const QString& titolo, QWidget* parent);
// A sunken box showing a two-digit value, e.g. the longest run.
QLabel* CasellaValore(const char* nome, const QString& testo, QWidget* parent);

}  // namespace tlx::ui
