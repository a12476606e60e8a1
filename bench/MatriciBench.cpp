// Adapting a matrix of 1,850,000 columns (the whole column table) onto 55
// arranged numbers, beside its baseline (the same columns mapped and sorted
// plainly) and a bare copy of as many bytes. Then building the matrix list
// from a folder of 1,000 matrix files, CRC included, and the CRC check of
// the matrix of every column of the 55 numbers (17.4 MB), which the list
// reads a block at a time, beside the file read whole and checked at once.

#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "CartellaBench.h"
#include "Confronto.h"
#include "FileMatriceProva.h"
#include "Sistemi.h"
#include "matrices/Adattamento.h"
#include "matrices/ElencoMatrici.h"
#include "matrices/FileMatrice.h"
#include "support/Crc32.h"

namespace tlx::bench {
namespace {

constexpr int V = NUMERI;

const matrix::MatriceCaricata& MatricePiena() {
  static const auto m = [] {
    auto nuova = std::make_unique<matrix::MatriceCaricata>();
    matrix::IntestazioneMatrice& h = nuova->Intestazione;
    h.V = V, h.K = 5, h.T = 3, h.M = 5, h.C = CAPIENZA;
    nuova->Matrice.resize(static_cast<size_t>(CAPIENZA) * 5);
    for (size_t c = 0; c < static_cast<size_t>(CAPIENZA); ++c)
      for (size_t p = 0; p < 5; ++p) nuova->Matrice[c * 5 + p] = static_cast<uint8_t>(1 + (c * 7 + p * 11) % V);
    return nuova;
  }();
  return *m;
}

// 55 chosen numbers arranged in reverse.
Sistema& SistemaOrdinato() {
  Sistema& s = SistemaCondiviso();
  CancellaSistema(s, false);
  for (int i = 0; i < V; ++i) {
    GrigliaNumeriClick(s, i);
    s.Pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(V - i);
  }
  return s;
}

// The baseline: the same columns mapped, then sorted by a network of nine
// compare-exchanges written here, without the checks, the reset of the
// system and the yields.
void BM_AdattaMatrice_Base(benchmark::State& state) {
  const matrix::MatriceCaricata& m = MatricePiena();
  Sistema& s = SistemaOrdinato();
  const auto ordine = s.Pronostico;
  MisuraBase(state, "adatta", [&] {
    uint8_t* colonne = s.Colonne.Dati();
    for (size_t i = 0; i < m.Matrice.size(); i += 5) {
      uint8_t v[5];
      for (size_t p = 0; p < 5; ++p) v[p] = ordine[m.Matrice[i + p] - 1u];
      for (const auto& [a, b] : {std::pair{0, 1}, {3, 4}, {2, 4}, {2, 3}, {1, 4}, {0, 3}, {0, 2}, {1, 3}, {1, 2}}) {
        const bool invertiti = v[a] > v[b];
        const uint8_t minore = invertiti ? v[b] : v[a], maggiore = invertiti ? v[a] : v[b];
        v[a] = minore, v[b] = maggiore;
      }
      std::copy_n(v, 5, colonne + i);
    }
    benchmark::DoNotOptimize(s.Colonne.Dati());
  });
  state.SetItemsProcessed(state.iterations() * CAPIENZA);
}
BENCHMARK(BM_AdattaMatrice_Base)->Unit(benchmark::kMillisecond);

void BM_AdattaMatrice_Piena(benchmark::State& state) {
  const matrix::MatriceCaricata& m = MatricePiena();
  Sistema& s = SistemaOrdinato();
  int64_t eventi = 0;
  MisuraConBase(state, "adatta", [&] {
    matrix::AdattaMatrice(s, m, [&] { ++eventi; });
    benchmark::DoNotOptimize(s.Colonne.Dati());
  });
  state.counters["eventi"] = static_cast<double>(eventi) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(state.iterations() * CAPIENZA);
}
BENCHMARK(BM_AdattaMatrice_Piena)->Unit(benchmark::kMillisecond);

void BM_CopiaColonne(benchmark::State& state) {
  const matrix::MatriceCaricata& m = MatricePiena();
  Sistema& s = SistemaCondiviso();
  for (auto _ : state) {
    std::memcpy(s.Colonne.Dati(), m.Matrice.data(), m.Matrice.size());
    benchmark::DoNotOptimize(s.Colonne.Dati());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(m.Matrice.size()));
}
BENCHMARK(BM_CopiaColonne)->Unit(benchmark::kMillisecond);

// 1,000 matrix files of 10..29 numbers and 200..1,190 columns each, in the
// run's folder.
const std::string& CartellaMille() {
  static const std::string cartella = [] {
    const auto percorso = CartellaBench() / "matrici";
    std::filesystem::create_directories(percorso);
    for (int f = 0; f < 1000; ++f) {
      const int v = 10 + f % 20, colonne = 200 + 10 * (f % 100);
      std::vector<uint8_t> b(matrix::BYTE_INTESTAZIONE, ' ');
      b[0] = static_cast<uint8_t>(v), b[1] = 5, b[2] = 3, b[3] = 5, b[4] = 0;
      std::memcpy(&b[5], &colonne, 4);
      std::memcpy(&b[127], matrix::MAGIC_MATRICE.data(), matrix::MAGIC_MATRICE.size());
      for (int p = 0; p < 5; ++p)
        for (int c = 0; c < colonne; ++c) b.push_back(static_cast<uint8_t>(1 + (c + p) % v));
      const uint32_t crc = cCRC32().GetByteArrayCrc32(b);
      for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(crc >> (8 * i)));
      std::ofstream(percorso / std::string("m").append(std::to_string(f)).append(".mqvx"), std::ios::binary)
          .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }
    return percorso.string();
  }();
  return cartella;
}

void BM_CaricaElencoMatrici_Mille(benchmark::State& state) {
  const std::string& cartella = CartellaMille();
  size_t voci = 0;
  for (auto _ : state) {
    const auto elenco = matrix::CaricaElencoMatrici(cartella, 0);
    voci = elenco.size();
    benchmark::DoNotOptimize(elenco.data());
  }
  state.counters["voci"] = static_cast<double>(voci);
}
BENCHMARK(BM_CaricaElencoMatrici_Mille)->Unit(benchmark::kMillisecond);

const std::string& MatriceIntera() {
  static const std::string file = [] {
    const std::string percorso = (CartellaBench() / "tutte.mqvx").string();
    prova::Scrivi(percorso, prova::FileProva{.V = V, .T = 5, .colonne = prova::TutteLeColonne(), .C = {}}.Byte_());
    return percorso;
  }();
  return file;
}

// The baseline: the whole file in memory with one read, its CRC at once.
void BM_VerificaCrcMatriceIntera_Base(benchmark::State& state) {
  const std::string& file = MatriceIntera();
  MisuraBase(state, "crc", [&] {
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> b(std::filesystem::file_size(file));
    in.read(reinterpret_cast<char*>(b.data()), std::ssize(b));
    const auto coperti = std::span(b).first(b.size() - 4);
    uint32_t atteso;
    std::memcpy(&atteso, b.data() + coperti.size(), 4);
    benchmark::DoNotOptimize(cCRC32().GetByteArrayCrc32(coperti) == atteso);
  });
}
BENCHMARK(BM_VerificaCrcMatriceIntera_Base)->Unit(benchmark::kMillisecond);

void BM_VerificaCrcMatriceIntera(benchmark::State& state) {
  const std::string& file = MatriceIntera();
  bool valido = false;
  MisuraConBase(state, "crc", [&] { valido = matrix::VerificaCrcMatrice(file); });
  state.counters["valido"] = valido;
}
BENCHMARK(BM_VerificaCrcMatriceIntera)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlx::bench
