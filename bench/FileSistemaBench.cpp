// Opening and saving a full system of 1,850,000 columns (9,250,202 bytes),
// beside the yardsticks: reading and writing as many bytes raw, from and to
// the same folder. The save replaces the file only once its content is on
// disk, so its yardstick flushes to disk too; the plain write is shown as well.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "CartellaBench.h"
#include "core/FileSistema.h"

namespace tlx::bench {
namespace {

constexpr size_t BYTE_FILE_PIENO = 202 + static_cast<size_t>(CAPIENZA) * 5;

const std::string& PercorsoProva() {
  static const std::string percorso = (CartellaBench() / "sistema.tlqvx").string();
  return percorso;
}

// A full system, saved once so that the reading benchmarks find the file.
Sistema& SistemaPieno() {
  static const auto s = [] {
    auto nuovo = std::make_unique<Sistema>();
    for (int32_t c = 1; c <= CAPIENZA; ++c) {
      uint8_t* p = nuovo->Colonne.Colonna(c);
      for (int k = 0; k < 5; ++k) p[k] = static_cast<uint8_t>(1 + (c / (k + 1) + 11 * k) % 55);
    }
    nuovo->NumeroColonne = CAPIENZA;
    nuovo->TitoloSistema = "Integrale - ***";
    SalvaFile(*nuovo, PercorsoProva());
    return nuovo;
  }();
  return *s;
}

void BM_SalvaFile_Pieno(benchmark::State& state) {
  Sistema& s = SistemaPieno();
  for (auto _ : state) {
    if (SalvaFile(s, PercorsoProva()).esito != EsitoSalvaFile::Salvato) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BYTE_FILE_PIENO));
}
BENCHMARK(BM_SalvaFile_Pieno)->Unit(benchmark::kMillisecond);

void ScriviGrezzo(benchmark::State& state, bool suDisco) {
  const Sistema& s = SistemaPieno();
  const std::string percorso = PercorsoProva() + ".grezzo";
  for (auto _ : state) {
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    size_t scritti = 0;
    while (scritti < BYTE_FILE_PIENO) {
      const size_t blocco = std::min(BYTE_FILE_PIENO - scritti, static_cast<size_t>(CAPIENZA) * 5);
      const ssize_t n = ::write(fd, s.Colonne.Dati(), blocco);
      if (n <= 0) break;
      scritti += static_cast<size_t>(n);
    }
    if (suDisco) ::fsync(fd);
    ::close(fd);
    if (scritti != BYTE_FILE_PIENO) state.SkipWithError("raw write failed");
  }
  std::remove(percorso.c_str());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BYTE_FILE_PIENO));
}

void BM_ScritturaGrezza_SuDisco(benchmark::State& state) { ScriviGrezzo(state, true); }
BENCHMARK(BM_ScritturaGrezza_SuDisco)->Unit(benchmark::kMillisecond);

void BM_ScritturaGrezza_Semplice(benchmark::State& state) { ScriviGrezzo(state, false); }
BENCHMARK(BM_ScritturaGrezza_Semplice)->Unit(benchmark::kMillisecond);

void BM_ApriFile_Pieno(benchmark::State& state) {
  SistemaPieno();
  static const auto s = std::make_unique<Sistema>();
  int64_t eventi = 0;
  for (auto _ : state) {
    if (ApriFile(*s, PercorsoProva(), [&] { ++eventi; }).esito != EsitoApriFile::Letto)
      state.SkipWithError("open failed");
  }
  state.counters["eventi"] = static_cast<double>(eventi) / static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BYTE_FILE_PIENO));
}
BENCHMARK(BM_ApriFile_Pieno)->Unit(benchmark::kMillisecond);

void BM_LetturaGrezza(benchmark::State& state) {
  SistemaPieno();
  std::vector<uint8_t> dati(BYTE_FILE_PIENO);
  for (auto _ : state) {
    std::FILE* f = std::fopen(PercorsoProva().c_str(), "rb");
    const size_t letti = f ? std::fread(dati.data(), 1, dati.size(), f) : 0;
    if (f) std::fclose(f);
    if (letti != BYTE_FILE_PIENO) state.SkipWithError("raw read failed");
    benchmark::DoNotOptimize(dati.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BYTE_FILE_PIENO));
}
BENCHMARK(BM_LetturaGrezza)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlx::bench
