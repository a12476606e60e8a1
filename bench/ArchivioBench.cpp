// An archive of 100,000 draws: reading its file and making every line of the
// list (the window's list makes only the lines on screen, so this is the
// most it could ever cost), each beside its baseline, the same done directly;
// then saving it, computing the six statistics, writing the statistics file
// and parsing the server's reply.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

#include "CartellaBench.h"
#include "Confronto.h"
#include "archive/Archivio.h"
#include "archive/Statistiche.h"

namespace tlx::bench {
namespace {

constexpr size_t ESTRAZIONI = 100'000;

std::string Percorso(const char* nome) { return (CartellaBench() / nome).string(); }

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
    SaveArchivioEstrazioni(a, Percorso("archivio.dat"));
    return a;
  }();
  return archivio;
}

// The baseline: the file read whole in one call, each record of five
// different numbers 1..55 kept with its ten bytes as the date.
void BM_LeggiArchivio_Base(benchmark::State& state) {
  Archivio();
  std::vector<Estrazione> letto;
  MisuraBase(state, "leggi", [&] {
    std::FILE* f = std::fopen(Percorso("archivio.dat").c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    std::vector<uint8_t> byte(static_cast<size_t>(std::ftell(f)));
    std::fseek(f, 0, SEEK_SET);
    byte.resize(std::fread(byte.data(), 1, byte.size(), f));
    std::fclose(f);
    letto.clear();
    letto.reserve(byte.size() / BYTE_RECORD_ESTRAZIONE);
    for (size_t p = 0; p + BYTE_RECORD_ESTRAZIONE <= byte.size(); p += BYTE_RECORD_ESTRAZIONE) {
      Estrazione e{std::string(reinterpret_cast<const char*>(&byte[p]), LUNGHEZZA_DATA), {}};
      std::copy_n(&byte[p + LUNGHEZZA_DATA], 5, e.Numeri.begin());
      if (EstrazioneValida(e)) letto.push_back(std::move(e));
    }
  });
  if (letto != Archivio()) state.SkipWithError("read wrong");
}
BENCHMARK(BM_LeggiArchivio_Base)->Unit(benchmark::kMillisecond);

void BM_LeggiArchivio(benchmark::State& state) {
  Archivio();
  RisultatoLetturaArchivio r;
  MisuraConBase(state, "leggi", [&] { r = LoadArchivioEstrazioni(Percorso("archivio.dat")); });
  if (r.estrazioni != Archivio()) state.SkipWithError("read wrong");
}
BENCHMARK(BM_LeggiArchivio)->Unit(benchmark::kMillisecond);

// The baseline: each line written directly, newest first.
void BM_RigheElenco_Base(benchmark::State& state) {
  const std::vector<Estrazione>& a = Archivio();
  MisuraBase(state, "righe", [&] {
    size_t caratteri = 0;
    for (auto e = a.rbegin(); e != a.rend(); ++e) {
      std::string riga;
      riga.reserve(28);
      riga += ' ';
      riga += e->Data;
      riga += " |";
      for (uint8_t n : e->Numeri) riga += {' ', static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
      caratteri += riga.size();
    }
    benchmark::DoNotOptimize(caratteri);
  });
}
BENCHMARK(BM_RigheElenco_Base)->Unit(benchmark::kMillisecond);

void BM_RigheElenco(benchmark::State& state) {
  const std::vector<Estrazione>& a = Archivio();
  MisuraConBase(state, "righe", [&] {
    size_t caratteri = 0;
    for (size_t riga = 0; riga < a.size(); ++riga)
      caratteri += RigaElenco(a[static_cast<size_t>(IndiceDaRiga(a.size(), static_cast<int64_t>(riga)))]).size();
    benchmark::DoNotOptimize(caratteri);
  });
}
BENCHMARK(BM_RigheElenco)->Unit(benchmark::kMillisecond);

void BM_SalvaArchivio(benchmark::State& state) {
  for (auto _ : state)
    if (!SaveArchivioEstrazioni(Archivio(), Percorso("archivio.dat")).empty()) state.SkipWithError("save failed");
}
BENCHMARK(BM_SalvaArchivio)->Unit(benchmark::kMillisecond);

void BM_SeiStatistiche(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CalcolaStatistiche(Archivio()));
}
BENCHMARK(BM_SeiStatistiche)->Unit(benchmark::kMillisecond);

void BM_FileStatistiche(benchmark::State& state) {
  for (auto _ : state)
    if (!ScriviFileStatistiche(Archivio(), Percorso("statistiche.csv")).empty()) state.SkipWithError("write failed");
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
