#pragma once
// Every message box of the program goes through here. Tests switch the
// wrapper to scripted mode: nothing is shown, each box is recorded and
// answered from a queue.

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "core/Messaggio.h"

class QWidget;

namespace tlx::platform {

class MessageBox {
 public:
  // Shows the box (an empty title shows the program's title) and returns
  // the button pressed.
  static Risposta Mostra(const Messaggio& m, QWidget* parent = nullptr);
  static Risposta Mostra(Icona icona, Pulsanti pulsanti, const QString& titolo, const QString& testo,
                         QWidget* parent = nullptr);

  // Scripted mode for tests.
  static void Registra();          // switch to scripted mode and clear
  static void Ferma();             // back to real boxes
  static void Accoda(Risposta r);  // the answer of the next box
  // Runs while each box is up, to look at the windows behind it.
  static void AlMostra(std::function<void(const Messaggio&)> guarda);
  static const std::vector<Messaggio>& Mostrati();
  static void Azzera();            // forget shown boxes, queued answers and the look
  static bool Registrando();

 private:
  static bool registra_;
  static std::deque<Risposta> risposte_;
  static std::vector<Messaggio> mostrati_;
  static std::function<void(const Messaggio&)> alMostra_;
};

// The program's title, shown by boxes without a title of their own.
inline const QString TITOLO_APPLICAZIONE = QStringLiteral("TremaluxorQVX");

}  // namespace tlx::platform
