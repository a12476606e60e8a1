#pragma once
// The columns of a system by hits against many draws at once, for the range
// check. Two ways, chosen by the size of the work: a scan of the columns
// held as one row of bits per number, 64 columns a word, cheap to build; or
// the index of shared subsets, dearer to build but a few dozen reads per
// draw. Either counts exactly what a look at each column's five positions
// counts, odd columns included.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "checking/Spoglio.h"

namespace tlx {

enum class MetodoPunti { Scelto, Scansione, Indice };

// The cheaper way for so many columns (five different numbers each) against
// so many draws.
MetodoPunti MetodoConveniente(size_t colonne, size_t estrazioni);

// For each draw, columns 1..n of `colonne` (five bytes each) by hits 0..5:
// a position hits when its number is one of the draw's numbers 1..55, and a
// number given twice in the draw is flagged once. Nothing when `cedi` asked
// to stop. `metodo` forces a way; by default the cheaper one is chosen.
std::optional<std::vector<std::array<int64_t, 6>>> PuntiPerEstrazioni(
    const uint8_t* colonne, int32_t n, const std::vector<std::array<uint8_t, 5>>& estrazioni, const Cedi& cedi = {},
    MetodoPunti metodo = MetodoPunti::Scelto);

}  // namespace tlx
