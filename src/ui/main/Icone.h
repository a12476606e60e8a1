#pragma once
// The pictures of the picture buttons, drawn in code so that they stay
// sharp at any scale.

#include <QIcon>
#include <QString>

namespace tlx::ui {

// The picture of the button named `pulsante` (cmdCalcolo, cmdVisualizza, ...).
QIcon IconaPulsante(const QString& pulsante);
// The program's icon.
QIcon IconaProgramma();

}  // namespace tlx::ui
