#pragma once
// Placing, raising and closing the program's windows.

#include <QString>

class QWidget;

namespace tlx::platform {

// Centres the window on the primary screen's available area.
void CentraForm(QWidget* finestra);

// Shows a minimised window again, raises it and gives it the focus: what a
// second copy of the program asks of the first one.
void PortaInPrimoPiano(QWidget* finestra);

// Closes every top-level window except `tenere` (nullptr closes them all).
// Each window receives its close event, so a window may refuse.
void ScaricaForms(const QWidget* tenere);
// The same by object name: an empty name closes them all.
void ScaricaForms(const QString& nome);

}  // namespace tlx::platform
