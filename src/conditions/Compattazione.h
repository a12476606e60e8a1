#pragma once
// Filter tables keep their active records at the front: the development and
// the system file read records 1..count only. Both filter editors compact
// their table when they close.

#include <algorithm>
#include <span>

#include "core/Sistema.h"

namespace tlx {

// A stable partition of records 1..end: the records that are on first, in
// their order, then the ones that are off, in theirs. Every slot is
// rewritten and none is lost or duplicated; a switch from a damaged file
// that is neither -1 nor 0 counts as on (as every reader of a flag takes it)
// and is stored back as -1. Element 0 is not a record and stays as it is.
// Returns how many records are on.
template <typename Record, size_t N>
int32_t CompattaAttivi(std::span<Record, N> tabella) {
  if (tabella.size() < 2) return 0;
  const auto primo = tabella.begin() + 1;
  const auto fineAttivi =
      std::stable_partition(primo, tabella.end(), [](const Record& r) { return Vero(r.Attivo); });
  std::for_each(primo, fineAttivi, [](Record& r) { r.Attivo = VERO; });
  return static_cast<int32_t>(fineAttivi - primo);
}

}  // namespace tlx
