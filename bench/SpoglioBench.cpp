// Checking a system against a range of archived draws, over a grid of
// sizes (the first 10,000 to 1,850,000 columns of the full system of 55
// numbers, against 100 and 1,000 draws), each beside its baseline: the
// strong literal scan. Both of the program's ways are shown too, forced,
// beside the one it chooses. Then one draw alone beside a bare pass over
// the column bytes.

#include <random>

#include "Confronto.h"
#include "Sistemi.h"
#include "checking/Spoglio.h"
#include "checking/SpoglioEstrazioni.h"

namespace tlx::bench {
namespace {

// The full system of 55 numbers, of its own: the shared one changes with
// the other benchmarks.
const Sistema& SistemaIntegrale() {
  static const auto s = [] {
    auto nuovo = std::make_unique<Sistema>();
    Sviluppo(*nuovo, 55, PrimiNumeri(55));
    nuovo->Pronostico = PrimiNumeri(55);
    nuovo->NumeriPronostico = 55;
    return nuovo;
  }();
  return *s;
}

std::vector<Estrazione> Estrazioni(size_t quante) {
  std::mt19937 g(1000);
  std::vector<Estrazione> a;
  std::vector<uint8_t> numeri(55);
  for (int i = 0; i < 55; ++i) numeri[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
  for (size_t i = 0; i < quante; ++i) {
    std::shuffle(numeri.begin(), numeri.end(), g);
    Estrazione e{std::to_string(i), {}};
    std::copy_n(numeri.begin(), 5, e.Numeri.begin());
    a.push_back(e);
  }
  return a;
}

// The strong literal scan of one block of columns against one draw: each
// column a 64-bit mask, its hits the mask's bits at the draw's five numbers,
// summed over the block in vector registers (AVX2 where the processor has
// it), then counted by hits.
constexpr size_t BLOCCO = 4096;
[[gnu::target_clones("avx2", "default")]] void ScansioneBlocco(const uint64_t* maschere, size_t quante,
                                                                const std::array<uint8_t, 5>& e,
                                                                std::array<int64_t, 6>& punti) {
  uint64_t colpi[BLOCCO];
  for (size_t i = 0; i < quante; ++i) {
    const uint64_t m = maschere[i];
    colpi[i] = (m >> e[0] & 1) + (m >> e[1] & 1) + (m >> e[2] & 1) + (m >> e[3] & 1) + (m >> e[4] & 1);
  }
  int64_t somma = 0, due = 0, tre = 0, quattro = 0, cinque = 0;
  for (size_t i = 0; i < quante; ++i) {
    somma += static_cast<int64_t>(colpi[i]);
    due += colpi[i] == 2, tre += colpi[i] == 3, quattro += colpi[i] == 4, cinque += colpi[i] == 5;
  }
  const int64_t uno = somma - 2 * due - 3 * tre - 4 * quattro - 5 * cinque;
  punti[0] += static_cast<int64_t>(quante) - uno - due - tre - quattro - cinque;
  punti[1] += uno, punti[2] += due, punti[3] += tre, punti[4] += quattro, punti[5] += cinque;
}

// The whole scan: masks made once, then each block of columns against every
// draw while it stays in the cache. A draw's number twice counts once.
std::vector<RigaSpoglio> ScansioneForte(const Sistema& s, int32_t n, const std::vector<Estrazione>& estrazioni) {
  std::vector<uint64_t> maschere(static_cast<size_t>(n));
  for (size_t c = 0; c < maschere.size(); ++c)
    for (size_t p = 0; p < 5; ++p) maschere[c] |= uint64_t{1} << (s.Colonne.Dati()[c * 5 + p] & 63);
  std::vector<std::array<uint8_t, 5>> numeri;
  for (const Estrazione& e : estrazioni) {
    std::array<uint8_t, 5> d = e.Numeri;
    std::sort(d.begin(), d.end());
    for (size_t i = 1; i < 5; ++i) d[i] = d[i] == d[i - 1] ? 0 : d[i];  // bit 0 is never set
    numeri.push_back(d);
  }
  std::vector<std::array<int64_t, 6>> punti(estrazioni.size());
  for (size_t da = 0; da < maschere.size(); da += BLOCCO)
    for (size_t i = 0; i < numeri.size(); ++i)
      ScansioneBlocco(maschere.data() + da, std::min(BLOCCO, maschere.size() - da), numeri[i], punti[i]);
  std::vector<RigaSpoglio> righe;
  for (size_t i = 0; i < estrazioni.size(); ++i)
    righe.push_back(RigaDaPunti(estrazioni[i], punti[i], s.Pronostico, s.NumeriPronostico));
  return righe;
}

std::string Chiave(const benchmark::State& state) {
  return std::to_string(state.range(0)) + "/" + std::to_string(state.range(1));
}

// The baseline's rows at each size, for the comparison with the program's.
std::map<std::string, std::vector<RigaSpoglio>>& RigheBase() {
  static std::map<std::string, std::vector<RigaSpoglio>> righe;
  return righe;
}

void BM_SpoglioEstrazioni_Base(benchmark::State& state) {
  const Sistema& s = SistemaIntegrale();
  const auto estrazioni = Estrazioni(static_cast<size_t>(state.range(1)));
  std::vector<RigaSpoglio>& righe = RigheBase()[Chiave(state)];
  MisuraBase(state, Chiave(state), [&] {
    righe = ScansioneForte(s, static_cast<int32_t>(state.range(0)), estrazioni);
    benchmark::DoNotOptimize(righe.data());
  });
}

void Spoglio(benchmark::State& state, MetodoPunti metodo) {
  const Sistema& s = SistemaIntegrale();
  const auto estrazioni = Estrazioni(static_cast<size_t>(state.range(1)));
  EsitoSpoglioEstrazioni esito;
  MisuraConBase(state, Chiave(state), [&] {
    esito = SpoglioEstrazioni(s.Colonne.Dati(), static_cast<int32_t>(state.range(0)), estrazioni, s.Pronostico,
                              s.NumeriPronostico, s.CostoColonna, [] { return true; }, metodo);
    benchmark::DoNotOptimize(esito.Righe.data());
  });
  const auto base = RigheBase().find(Chiave(state));
  if (base == RigheBase().end()) return;
  bool uguali = base->second.size() == esito.Righe.size();
  for (size_t i = 0; uguali && i < esito.Righe.size(); ++i)
    uguali = CelleRiga(base->second[i], {}) == CelleRiga(esito.Righe[i], {});
  if (!uguali) state.SkipWithError("rows differ from the baseline's");
}

void BM_SpoglioEstrazioni(benchmark::State& state) { Spoglio(state, MetodoPunti::Scelto); }
void BM_SpoglioEstrazioni_Scansione(benchmark::State& state) { Spoglio(state, MetodoPunti::Scansione); }
void BM_SpoglioEstrazioni_Indice(benchmark::State& state) { Spoglio(state, MetodoPunti::Indice); }

// Each size: the baseline, then the program's choice and its two ways.
const bool registrati = [] {
  using Funzione = void (*)(benchmark::State&);
  const std::pair<const char*, Funzione> lavori[] = {{"BM_SpoglioEstrazioni_Base", BM_SpoglioEstrazioni_Base},
                                                     {"BM_SpoglioEstrazioni", BM_SpoglioEstrazioni},
                                                     {"BM_SpoglioEstrazioni_Scansione", BM_SpoglioEstrazioni_Scansione},
                                                     {"BM_SpoglioEstrazioni_Indice", BM_SpoglioEstrazioni_Indice}};
  for (const int64_t colonne : {10'000, 100'000, 1'000'000, CAPIENZA})
    for (const int64_t estrazioni : {100, 1000})
      for (const auto& [nome, funzione] : lavori)
        benchmark::RegisterBenchmark(nome, funzione)
            ->Args({colonne, estrazioni})
            ->ArgNames({"colonne", "estrazioni"})
            ->Unit(benchmark::kMillisecond);
  return true;
}();

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
