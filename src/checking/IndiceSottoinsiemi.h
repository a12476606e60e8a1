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
  // Few columns: each adds its own subsets of one to four numbers, and the
  // columns themselves are kept as sorted ranks.
  void CostruisciPerColonna(const std::vector<std::array<uint8_t, 5>>& colonne);
  // Many columns: one count per 5-set, then each smaller size from the one
  // above it.
  void CostruisciDaCinquine(const std::vector<int32_t>& ranghi);
  int64_t ColonneUguali(int32_t rango) const;

  // conteggi_[k][rank]: columns holding the k-set of that colex rank
  // (k = 5 only for many columns).
  std::array<std::vector<int32_t>, 6> conteggi_;
  std::vector<int32_t> ranghiCinquine_;  // the columns' ranks, sorted, for few columns
  int64_t regolari_ = 0;
  std::vector<std::array<uint8_t, 5>> irregolari_;
};

}  // namespace tlx
