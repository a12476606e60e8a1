#pragma once
// The X desktop as a user has it, for the tests that run on one: what the X
// server holds about the windows, read with xprop, and the user's mouse,
// moved and clicked through the server with xdotool, so that the window
// manager takes each click as it takes the user's.

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <QWindow>

namespace tlx::ui::prova::desktop {

// The windows that a property lists, in its order; none when it is not set.
// `proprieta`: xprop's arguments, "-id" and a window or "-root", then the
// property's name.
QList<WId> Finestre(const QStringList& proprieta);

// A left click at a point of the screen.
void Clic(QPoint punto);

// Counts the mouse button presses that the X server hands to one window of
// the program, before Qt looks at them: Qt drops those of a window that a
// modal one blocks.
class Pressioni : public QAbstractNativeEventFilter {
 public:
  explicit Pressioni(WId finestra);
  ~Pressioni() override;
  bool nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr* risultato) override;
  int Contate() const { return contate_; }

 private:
  WId finestra_;
  int contate_ = 0;
};

}  // namespace tlx::ui::prova::desktop
