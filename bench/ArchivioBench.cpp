// An archive of 100,000 draws: reading its file, making every line of the
// list (the window's list makes only the lines on screen, so this is the
// most it could ever cost), computing the six statistics and writing the
// statistics file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "archive/Archivio.h"
#include "archive/Statistiche.h"

namespace tlx::bench {
namespace {

constexpr size_t ESTRAZIONI = 100'000;

std::string Percorso(const char* estensione) {
  return (std::filesystem::temp_directory_path() / ("tlx-bench-archivio-" + std::to_string(getpid()) + estensione))
      .string();
}

const std::vector<Estrazione>& Archivio() {
  static const std::vector<Estrazione> archivio = [] {
    std::mt19937 generatore(20180207);
    std::vector<Estrazione> a;
    a.reserve(ESTRAZIONI);
    for (size_t k = 0; k < ESTRAZIONI; ++k) {
      Estrazione e{"07/02/2018", {}};
      for (size_t i = 0; i < 5;) {
        const auto n = static_cast<uint8_t>(1 + generatore() % 55);
        if (std::find(e.Numeri.begin(), e.Numeri.begin() + static_cast<std::ptrdiff_t>(i), n) ==
            e.Numeri.begin() + static_cast<std::ptrdiff_t>(i))
          e.Numeri[i++] = n;
      }
      a.push_back(e);
    }
    SaveArchivioEstrazioni(a, Percorso(".dat"));
    std::atexit([] {
      std::remove(Percorso(".dat").c_str());
      std::remove(Percorso(".csv").c_str());
    });
    return a;
  }();
  return archivio;
}

void BM_LeggiArchivio(benchmark::State& state) {
  Archivio();
  for (auto _ : state) {
    const RisultatoLetturaArchivio r = LoadArchivioEstrazioni(Percorso(".dat"));
    if (r.estrazioni.size() != ESTRAZIONI) state.SkipWithError("read failed");
  }
}
BENCHMARK(BM_LeggiArchivio)->Unit(benchmark::kMillisecond);

void BM_SalvaArchivio(benchmark::State& state) {
  for (auto _ : state)
    if (!SaveArchivioEstrazioni(Archivio(), Percorso(".dat")).empty()) state.SkipWithError("save failed");
}
BENCHMARK(BM_SalvaArchivio)->Unit(benchmark::kMillisecond);

void BM_RigheElenco(benchmark::State& state) {
  const std::vector<Estrazione>& a = Archivio();
  for (auto _ : state) {
    size_t caratteri = 0;
    for (size_t riga = 0; riga < a.size(); ++riga)
      caratteri += RigaElenco(a[static_cast<size_t>(IndiceDaRiga(a.size(), static_cast<int64_t>(riga)))]).size();
    benchmark::DoNotOptimize(caratteri);
  }
}
BENCHMARK(BM_RigheElenco)->Unit(benchmark::kMillisecond);

void BM_SeiStatistiche(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CalcolaStatistiche(Archivio()));
}
BENCHMARK(BM_SeiStatistiche)->Unit(benchmark::kMillisecond);

void BM_FileStatistiche(benchmark::State& state) {
  for (auto _ : state)
    if (!ScriviFileStatistiche(Archivio(), Percorso(".csv")).empty()) state.SkipWithError("write failed");
}
BENCHMARK(BM_FileStatistiche)->Unit(benchmark::kMillisecond);

void BM_RispostaServer(benchmark::State& state) {
  std::string risposta;
  for (const Estrazione& e : Archivio()) {
    risposta += e.Data;
    for (uint8_t n : e.Numeri) {
      risposta += '|';
      risposta += std::to_string(n);
    }
    risposta += "\r\n";
  }
  for (auto _ : state) benchmark::DoNotOptimize(DecodificaRisposta(risposta));
}
BENCHMARK(BM_RispostaServer)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlx::bench
