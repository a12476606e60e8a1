#pragma once
// The conditions as the main window offers them, one table read by the
// menu, its check marks and the showing of an opened system: each entry's
// menu item, the dialog it opens and the switch its check mark shows.

#include <array>

#include "core/Formato.h"
#include "core/Sistema.h"

class QWidget;

namespace tlx::ui {

struct VoceCondizione {
  const char* nome;   // the menu item's object name
  const char* testo;  // its caption
  bool separata;      // a separator line stands before it
  // Shows the condition's dialog modally over `genitore`.
  void (*apri)(Sistema& sistema, const FormatoNumeri& formato, QWidget* genitore);
  // The switch the check mark shows.
  bool (*attiva)(const Sistema& sistema);
};

// In the menu's order.
extern const std::array<VoceCondizione, 8> CONDIZIONI;

}  // namespace tlx::ui
