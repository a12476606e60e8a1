#pragma once
// Waiting on the one user-interface thread without freezing the windows, and
// keeping the user's commands out of a long operation while it yields.

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace tlx::platform {

// Waits that many milliseconds, processing pending events every few
// milliseconds so that the windows stay responsive.
void Attendi(int millisecondi);

// Processes the pending events once: long operations call it at their steps.
void ElaboraEventi();

// Tests: runs at the end of every ElaboraEventi, to act as a user would
// while an operation works; an empty function stops it.
void AlCedere(std::function<void()> azione);

// While it lives, the user's input (keys, shortcuts, mouse, wheel, touch,
// drops) to the windows open when it was made is dropped: they wait as for a
// blocking call, so no command starts inside the operation that made it.
// Close requests get through, and so does input to `avanzamento`, the
// operation's progress window, whose stop button keeps answering, and to the
// windows opened meanwhile (the boxes a close request or the stop button
// shows). Input still queued when it ends is dropped too: it was given while
// the operation ran.
class InputTrattenuto : public QObject {
 public:
  explicit InputTrattenuto(const QWidget* avanzamento = nullptr);
  ~InputTrattenuto() override;
  InputTrattenuto(const InputTrattenuto&) = delete;
  InputTrattenuto& operator=(const InputTrattenuto&) = delete;

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  std::vector<QPointer<QObject>> aperte_;
};

}  // namespace tlx::platform
