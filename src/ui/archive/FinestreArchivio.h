#pragma once
// What the archive and statistics windows share.

class QCloseEvent;
class QLabel;
class QWidget;

namespace tlx {
struct Sistema;
}

namespace tlx::ui {

// The red "work in progress" notice, hidden until the window is busy.
QLabel* AvvisoElaborazione(QWidget* finestra);

// These windows only hide when closed: the close goes through only while
// the program is leaving.
void ChiudiSoloInUscita(QCloseEvent* e, const Sistema& sistema);

}  // namespace tlx::ui
