#pragma once
// How many columns of a system hold each set of one to four numbers, and
// how many equal each draw to come. From those counts, inclusion-exclusion
// gives the exact number of columns with each count of hits against a draw
// without scanning the columns again: built once, then a few dozen reads
// per draw.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "checking/Spoglio.h"

namespace tlx {

using Cinquina = std::array<uint8_t, 5>;

class IndiceSottoinsiemi {
 public:
  // `colonne`: five different numbers 1..55 each, ascending. `estratti`:
  // the draws to be asked, each as its different numbers 1..55 ascending
  // after a 0 in every place left over. False when `cedi` asked to stop.
  bool Costruisci(const std::vector<Cinquina>& colonne, const std::vector<Cinquina>& estratti, const Cedi& cedi = {});

  // The columns by hits (0..5) against one of the draws given.
  std::array<int64_t, 6> Punti(const Cinquina& estratti) const;

 private:
  // The place of a draw's 5-set in cinquine_, nothing for any other 5-set.
  std::optional<size_t> PostoCinquina(uint32_t rango) const;

  // conteggi_[k][rank]: the columns holding the k-set of that colex rank,
  // k = 1..4 (the 4-sets counted from the columns, each smaller size from
  // the size above it).
  std::array<std::vector<uint32_t>, 5> conteggi_;
  // The draws' own 5-sets (ranks, ascending) and the columns equal to each:
  // a table of every 5-set would be 3,478,761 counts, nearly all unread.
  std::vector<uint32_t> cinquine_;
  std::vector<uint32_t> uguali_;
  int64_t colonne_ = 0;
};

}  // namespace tlx
