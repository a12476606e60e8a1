#pragma once
// How many columns of a system hold each set of one to five numbers. From
// those counts, inclusion-exclusion gives the exact number of columns with
// each count of hits against any draw, without scanning the columns again:
// the range check builds the index once and then costs a few dozen reads
// per draw.

#include <array>
#include <cstdint>
#include <vector>

#include "checking/Spoglio.h"

namespace tlx {

class IndiceSottoinsiemi {
 public:
  // Indexes columns 1..n; false when `cedi` asked to stop.
  bool Costruisci(const uint8_t* colonne, int32_t n, const Cedi& cedi = {});

  // The columns by hits (0..5) against the draw, as a scan of every column
  // would count them.
  std::array<int64_t, 6> PuntiPerEstrazione(const std::array<uint8_t, 5>& estrazione) const;

  // Columns that the counts cannot represent (a repeated number, a 0 or a
  // number above 55): they are scanned at each draw.
  size_t ColonneIrregolari() const { return irregolari_.size(); }

 private:
  // conteggi_[k][rank]: columns holding the k-set of that colex rank.
  std::array<std::vector<int32_t>, 6> conteggi_;
  int64_t regolari_ = 0;
  std::vector<std::array<uint8_t, 5>> irregolari_;
};

}  // namespace tlx
