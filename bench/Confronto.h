#pragma once
// A work measured beside its baseline, the plain way of doing the same:
// the baseline runs first and leaves its time under a key; the work then
// reports "x_base", the baseline's time over its own (above 1: the work is
// that many times faster than its baseline).

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>

namespace tlx::bench {

// Runs the benchmark's loop and gives the seconds of one iteration.
template <class Lavoro>
double Misura(benchmark::State& state, Lavoro&& lavoro) {
  const auto inizio = std::chrono::steady_clock::now();
  for (auto _ : state) lavoro();
  const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
  return durata.count() / static_cast<double>(state.iterations());
}

inline std::map<std::string, double>& TempiBase() {
  static std::map<std::string, double> tempi;
  return tempi;
}

template <class Lavoro>
void MisuraBase(benchmark::State& state, const std::string& chiave, Lavoro&& lavoro) {
  TempiBase()[chiave] = Misura(state, lavoro);
}

template <class Lavoro>
void MisuraConBase(benchmark::State& state, const std::string& chiave, Lavoro&& lavoro) {
  const double secondi = Misura(state, lavoro);
  if (const auto base = TempiBase().find(chiave); base != TempiBase().end()) state.counters["x_base"] = base->second / secondi;
}

}  // namespace tlx::bench
