#pragma once
// The numbers 1..55 ranked by how often the archive drew them, and the
// prediction picks that read that ranking.

#include <array>
#include <cstdint>
#include <vector>

#include "core/Sistema.h"

namespace tlx {

// Row 0 the count, row 1 the number; column j (1..55) is rank j: counts
// descend, and among equal counts the higher number comes first.
using TabellaFrequenza = std::array<std::array<int32_t, NUMERI + 1>, 2>;

TabellaFrequenza CalcolaFrequenzaNumeri(const std::vector<Estrazione>& archivio);

// The grid cells (0..54) to choose, in choosing order: the first N ranks,
// or the last N from rank 55 backwards. Entries whose number lies outside
// 1..55 are passed over.
std::vector<int> CellePiuFrequenti(const TabellaFrequenza& tabella, int quanti);
std::vector<int> CelleMenoFrequenti(const TabellaFrequenza& tabella, int quanti);

// 25 different cells drawn at random, for the crossword method.
std::vector<int> CelleCruciverbaCasuali(uint32_t seme);

}  // namespace tlx
