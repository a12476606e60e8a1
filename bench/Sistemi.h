#pragma once
// What every benchmark of the engine needs: one system in memory for the
// whole run (its column table is allocated once, as in the program) and
// predictions of the numbers 1..n.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>

#include "ContaAllocazioni.h"
#include "core/Sviluppo.h"

namespace tlx::bench {

inline Sistema& SistemaCondiviso() {
  static const auto s = std::make_unique<Sistema>();
  return *s;
}

inline std::array<uint8_t, NUMERI> PrimiNumeri(int n) {
  std::array<uint8_t, NUMERI> p{};
  for (int i = 0; i < n; ++i) p[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
  return p;
}

// Runs the development once per iteration and reports the columns kept and
// the heap allocations of one development.
inline void MisuraSviluppo(benchmark::State& state, Sistema& s, int n) {
  const auto pronostico = PrimiNumeri(n);
  uint64_t allocazioni = 0;
  for (auto _ : state) {
    const uint64_t prima = AllocazioniFatte();
    Sviluppo(s, static_cast<uint8_t>(n), pronostico);
    allocazioni = AllocazioniFatte() - prima;
    benchmark::DoNotOptimize(s.NumeroColonne);
  }
  state.counters["colonne"] = s.NumeroColonne;
  state.counters["allocazioni"] = static_cast<double>(allocazioni);
}

}  // namespace tlx::bench
