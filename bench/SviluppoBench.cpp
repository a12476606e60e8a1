// The development without reductions: the plain enumeration to the capacity
// and the AND filters.

#include <random>

#include "Sistemi.h"

namespace tlx::bench {
namespace {

// 55 numbers and no condition: the development stops at the capacity.
void BM_Sviluppo_Integrale55(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  CancellaSistema(s, false);
  MisuraSviluppo(state, s, 55);
  if (s.NumeroColonne != CAPIENZA) state.SkipWithError("the capacity was not reached");
}
BENCHMARK(BM_Sviluppo_Integrale55)->Unit(benchmark::kMillisecond);

// The yardstick: nested loops over 55 numbers writing `quante` combinations
// into the table (from 1,850,000 on, the table is written again from its
// first row).
void BM_EnumerazioneNuda55(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  const auto quante = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    int32_t k = 0;
    uint8_t* riga = s.Colonne.Dati();
    uint8_t* const fine = riga + static_cast<size_t>(CAPIENZA) * 5;
    for (uint8_t a = 1; a <= 51 && k < quante; ++a)
      for (uint8_t b = a + 1; b <= 52 && k < quante; ++b)
        for (uint8_t c = b + 1; c <= 53 && k < quante; ++c)
          for (uint8_t d = c + 1; d <= 54 && k < quante; ++d)
            for (uint8_t e = d + 1; e <= 55 && k < quante; ++e, ++k) {
              if (riga == fine) riga = s.Colonne.Dati();
              riga[0] = a, riga[1] = b, riga[2] = c, riga[3] = d, riga[4] = e;
              riga += 5;
            }
    benchmark::DoNotOptimize(s.Colonne.Dati());
    benchmark::ClobberMemory();
  }
  state.counters["colonne"] = quante;
}
BENCHMARK(BM_EnumerazioneNuda55)->Arg(CAPIENZA)->Arg(3'478'761)->Unit(benchmark::kMillisecond);

// 30 numbers and 2000 AND filters that let most columns through, so that
// nearly every candidate meets all 2000 of them: each filter rejects only
// the columns drawn entirely from its group of six numbers.
void BM_Sviluppo_FiltriAnd2000_30(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  CancellaSistema(s, false);
  std::mt19937 g(55);
  std::uniform_int_distribution<int> numero(1, 30);
  for (int f = 1; f <= MAX_FILTRI; ++f) {
    RecordFiltro& r = s.FiltriAnd[static_cast<size_t>(f)];
    for (int k = 0; k < 6; ++k) r.Numeri[static_cast<size_t>(numero(g))] = 1;
    r.QuantiMask = 0x1F;  // 0..4 hits
    r.PosizioniMask = 62;
    r.Attivo = VERO;
  }
  s.NumeroFiltriAnd = MAX_FILTRI;
  MisuraSviluppo(state, s, 30);
  state.counters["filtri"] = MAX_FILTRI;
}
BENCHMARK(BM_Sviluppo_FiltriAnd2000_30)->Unit(benchmark::kMillisecond);

// The allocations of one development do not depend on its size.
void BM_Sviluppo_Integrale(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  CancellaSistema(s, false);
  MisuraSviluppo(state, s, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_Sviluppo_Integrale)->Arg(10)->Arg(30)->Arg(45)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlx::bench
