// Checking a full system (1,850,000 columns of 55 numbers) against one
// draw and against 1,000 archived draws: the range check through the index
// of shared subsets beside the plain scan of every column per draw, and the
// single check beside a bare pass over the column bytes.

#include <random>

#include "Sistemi.h"
#include "checking/Spoglio.h"
#include "checking/SpoglioEstrazioni.h"

namespace tlx::bench {
namespace {

Sistema& SistemaIntegrale() {
  Sistema& s = SistemaCondiviso();
  if (s.NumeroColonne != CAPIENZA) {
    CancellaSistema(s, false);
    Sviluppo(s, 55, PrimiNumeri(55));
    s.Pronostico = PrimiNumeri(55);
    s.NumeriPronostico = 55;
  }
  return s;
}

const std::vector<Estrazione>& MilleEstrazioni() {
  static const std::vector<Estrazione> archivio = [] {
    std::mt19937 g(1000);
    std::vector<Estrazione> a;
    std::vector<uint8_t> numeri(55);
    for (int i = 0; i < 55; ++i) numeri[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
    for (int i = 0; i < 1000; ++i) {
      std::shuffle(numeri.begin(), numeri.end(), g);
      Estrazione e{std::to_string(i), {}};
      std::copy_n(numeri.begin(), 5, e.Numeri.begin());
      a.push_back(e);
    }
    return a;
  }();
  return archivio;
}

// The rows of the plain scan, kept for the comparison with the fast path.
std::vector<RigaSpoglio>& RigheLetterali() {
  static std::vector<RigaSpoglio> righe;
  return righe;
}

// A 55-flag table per draw and five reads per column.
void BM_SpoglioEstrazioni_Letterale(benchmark::State& state) {
  const Sistema& s = SistemaIntegrale();
  for (auto _ : state) {
    RigheLetterali().clear();
    for (const Estrazione& e : MilleEstrazioni()) {
      bool flag[56] = {};
      for (uint8_t x : e.Numeri) flag[x] = true;
      std::array<int64_t, 6> punti{};
      const uint8_t* p = s.Colonne.Dati();
      for (int32_t c = 0; c < s.NumeroColonne; ++c, p += 5) ++punti[flag[p[0]] + flag[p[1]] + flag[p[2]] + flag[p[3]] + flag[p[4]]];
      RigheLetterali().push_back(RigaDaPunti(e, punti, s.Pronostico, s.NumeriPronostico));
    }
    benchmark::DoNotOptimize(RigheLetterali().data());
  }
  state.counters["estrazioni"] = static_cast<double>(MilleEstrazioni().size());
}
BENCHMARK(BM_SpoglioEstrazioni_Letterale)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SpoglioEstrazioni_Indice(benchmark::State& state) {
  const Sistema& s = SistemaIntegrale();
  EsitoSpoglioEstrazioni esito;
  for (auto _ : state) {
    esito = SpoglioEstrazioni(s.Colonne.Dati(), s.NumeroColonne, MilleEstrazioni(), s.Pronostico, s.NumeriPronostico,
                              s.CostoColonna, [] { return true; });
    benchmark::DoNotOptimize(esito.Righe.data());
  }
  const auto& attese = RigheLetterali();
  bool uguali = attese.size() == esito.Righe.size();
  for (size_t i = 0; uguali && i < attese.size(); ++i)
    uguali = CelleRiga(attese[i], {}) == CelleRiga(esito.Righe[i], {});
  if (!uguali) state.SkipWithError("rows differ from the plain scan (run the plain scan first)");
  state.counters["righe_uguali"] = uguali;
}
BENCHMARK(BM_SpoglioEstrazioni_Indice)->Unit(benchmark::kMillisecond);

// One draw, the lists of winning columns included.
void BM_SpoglioColonne(benchmark::State& state) {
  const Sistema& s = SistemaIntegrale();
  const std::array<uint8_t, 5> estrazione = {7, 12, 33, 41, 55};
  for (auto _ : state) {
    EsitoSpoglio e = SpoglioColonne(s.Colonne.Dati(), s.NumeroColonne, estrazione, [] { return true; });
    benchmark::DoNotOptimize(e.Totale);
  }
}
BENCHMARK(BM_SpoglioColonne)->Unit(benchmark::kMillisecond);

// The yardstick: every byte of the columns read once.
void BM_PassataNudaColonne(benchmark::State& state) {
  const Sistema& s = SistemaIntegrale();
  for (auto _ : state) {
    uint64_t somma = 0;
    const uint8_t* p = s.Colonne.Dati();
    for (int32_t c = 0; c < s.NumeroColonne; ++c, p += 5) somma += p[0] + p[1] + p[2] + p[3] + p[4];
    benchmark::DoNotOptimize(somma);
  }
}
BENCHMARK(BM_PassataNudaColonne)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlx::bench
