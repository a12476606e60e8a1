#pragma once
// Money as whole euro cents in 64 bits: exact sums and products for every
// amount the program meets (a full system's cost, the winnings over
// thousands of draws), formatted only where it is shown.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Formato.h"

namespace tlx {

using Centesimi = int64_t;

inline constexpr Centesimi CENTESIMI_PER_EURO = 100;

// The amount with the money mask "€ ###,###,##0.00" (or another mask with
// two decimals), exact for every value.
std::string FormattaEuro(Centesimi importo, const FormatoNumeri& formato = {},
                         std::string_view maschera = MASCHERA_EURO);

// a x b, or nothing when the product does not fit in 64 bits.
std::optional<Centesimi> Moltiplica(Centesimi a, int64_t b);

// The cost of a system: the cost of one column times the columns. Never
// overflows for the column table's capacity and any storable column cost.
Centesimi CostoSistema(Centesimi costoColonna, int32_t colonne);

// Hundredths stored as plain decimal text ("150"; earlier versions may have
// written "125,5" or "125.5") to whole cents, rounded half to even; the same
// under every regional format. Nothing when the text is not a number or the
// value does not fit.
std::optional<Centesimi> CentesimiDaTesto(std::string_view testo);

}  // namespace tlx
