#pragma once
// Placing, raising and closing the program's windows.

#include <QString>

class QWidget;

namespace tlx::platform {

// Centres the window with its frame on its screen's available area, made to
// fit it: at once when the window is shown, else when it is first shown,
// once it has its size, and again once the desktop has framed it when the
// frame turns out other than expected.
void CentraForm(QWidget* finestra);

// The width a window needs for its title bar to show its caption whole: the
// caption in a bold title font, with room for the window's icon and buttons.
int LarghezzaTitolo(const QString& titolo);
// Keeps a window laid out in a column or a grid at least that wide for its
// caption, however few its controls: a strut across its layout.
void AdattaAlTitolo(QWidget* finestra);

// Makes `finestra`, a window of its own that is not a child of
// `proprietario` (a disabled window disables its child windows), belong to
// the owner's window (not null) all the same: the desktop is told whose it
// is and keeps it above its owner, when the user clicks the owner too.
// Called before the window is first shown; it becomes a dialog window, the
// only kind whose owner the X window system is told.
void TieniSopra(QWidget* finestra, QWidget* proprietario);

// Shows a minimised window again, raises it and gives it the focus: what a
// second copy of the program asks of the first one.
void PortaInPrimoPiano(QWidget* finestra);

// Closes every top-level window except `tenere` (nullptr closes them all).
// Each window receives its close event, so a window may refuse.
void ScaricaForms(const QWidget* tenere);
// The same by object name: an empty name closes them all.
void ScaricaForms(const QString& nome);

}  // namespace tlx::platform
