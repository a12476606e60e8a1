#pragma once
// Two 5-number columns share t or more numbers exactly when they share a
// t-subset. The index keeps one bit per t-subset of 1..55 (colex rank of
// the sorted subset) for the columns kept so far, so testing a candidate
// against every kept column costs C(5, t) lookups instead of a scan.

#include <cstdint>
#include <vector>

#include "core/CondizioniTest.h"

namespace tlx {

class IndiceRiduzione {
 public:
  // t in 1..5; clears the index.
  void Prepara(int t);
  // The candidate (sorted ascending, numbers 1..55) shares t or more
  // numbers with a column added before.
  bool Condivide(const Candidato& ordinato) const;
  void Aggiungi(const Candidato& ordinato);

 private:
  template <typename F>
  void PerOgniSottoinsieme(const Candidato& c, F&& f) const;

  int t_ = 0;
  std::vector<uint64_t> bit_;
};

}  // namespace tlx
