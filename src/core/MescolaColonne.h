#pragma once
// Puts the columns of the system in a random order, in place. The window
// asks "Vuoi mescolare le colonne" first and passes a seed taken from the
// clock.

#include <cstdint>
#include <functional>

#include "core/Sistema.h"

namespace tlx {

// For i = 1..N: j := int(u * N + 1) with u uniform in [0, 1); the entries i
// and j of a table of column numbers are swapped, then the two columns those
// entries now name.
void MescolaColonne(Sistema& s, const std::function<double()>& uniforme);

// The same with a uniform generator started from `seme`.
void MescolaColonne(Sistema& s, uint32_t seme);

}  // namespace tlx
