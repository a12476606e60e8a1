#pragma once
// The number format of the user's regional settings, as the core's
// formatting and parsing take it.

#include "core/Formato.h"

namespace tlx::ui {

// Group separator and decimal point of the default QLocale.
FormatoNumeri FormatoLocale();

}  // namespace tlx::ui
