#pragma once
// The pictures of the picture buttons, drawn in code so that they stay
// sharp at any scale.

#include <QIcon>
#include <QString>
#include <functional>

class QColor;
class QPainter;

namespace tlx::ui {

// The picture of the button named `pulsante` (cmdCalcolo, cmdVisualizza, ...).
QIcon IconaPulsante(const QString& pulsante);
// The program's icon.
QIcon IconaProgramma();
// A picture in the buttons' style: a rounded square of `fondo` with a white
// glyph drawn on a 64-pixel side, pen already set.
QIcon IconaPulsante(const QColor& fondo, const std::function<void(QPainter&)>& glifo);

}  // namespace tlx::ui
