#pragma once
// The pictures printed on the listing (the logo and the prohibition sign
// beside the base conditions, in colour or in black and white) and the
// picture of a reduced-system slip shown in its window. Drawn in code, with
// their printed size in their dots per metre.

#include <QImage>

#include "printing/Impaginato.h"

namespace tlx::ui {

QImage FiguraTabulato(Figura figura, bool colori);

// A slip of `numeri` marked numbers showing `prezzo`, as printed.
QImage FiguraSchedaRidotto(int numeri, const QString& prezzo);

}  // namespace tlx::ui
