#pragma once
// What every fuzz target checks once the reader has run: a rule that does
// not hold stops the run, naming the rule (libFuzzer keeps the input).

#include <cstdio>
#include <cstdlib>

namespace tlx::fuzz {

inline void Verifica(bool condizione, const char* regola) {
  if (condizione) return;
  std::fprintf(stderr, "broken rule: %s\n", regola);
  std::abort();
}

}  // namespace tlx::fuzz
