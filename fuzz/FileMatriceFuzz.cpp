// libFuzzer target of the matrix-file reader and of the adaptation it feeds.
// The first input byte chooses whether the rest is taken as it stands or
// given the right trailing CRC, so that the fuzzer also reaches past the CRC
// check. Besides the sanitizers' checks, it aborts when an accepted matrix
// breaks what the reader promises or adapts into a column that isn't five
// different chosen numbers in ascending order, and when the file, read a
// block at a time, gives anything but what its bytes in memory give.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FileProva.h"
#include "Verifica.h"
#include "core/Errori.h"
#include "matrices/Adattamento.h"
#include "matrices/FileMatrice.h"
#include "support/Crc32.h"

using tlx::fuzz::FileProva;
using tlx::fuzz::Verifica;

namespace {

using namespace tlx;

Sistema& SistemaCondiviso() {
  static Sistema* s = new Sistema();
  return *s;
}

void VerificaAdattata(const matrix::MatriceCaricata& m) {
  const matrix::IntestazioneMatrice& h = m.Intestazione;
  if (h.V > NUMERI) return;
  Sistema& s = SistemaCondiviso();
  CancellaSistema(s, false);
  // The chosen numbers in a scrambled order: 1, 24, 47, 15, ...
  for (int i = 0; i < h.V; ++i) {
    const int n = 1 + (i * 23) % NUMERI;
    GrigliaNumeriClick(s, n - 1);
    s.Pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(n);
  }
  try {
    matrix::AdattaMatrice(s, m);
  } catch (const ErroreRuntime&) {
    Verifica(h.C > CAPIENZA, "only the capacity refuses a decoded matrix");
    return;
  }
  Verifica(s.NumeroColonne == h.C, "one column per matrix column");
  for (int32_t c = 1; c <= s.NumeroColonne; ++c) {
    const uint8_t* col = s.Colonne.Colonna(c);
    for (int p = 0; p < 5; ++p) {
      Verifica(col[p] >= 1 && col[p] <= NUMERI && s.NumeriScelti[col[p] - 1u] == 1, "chosen numbers only");
      Verifica(p == 0 || col[p - 1] < col[p], "ascending, no repeat");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  if (byte == 0) return 0;
  std::vector<uint8_t> file(dati + 1, dati + byte);
  if (dati[0] & 1) {
    const uint32_t crc = cCRC32().GetByteArrayCrc32(file);
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(crc >> (8 * i)));
  }
  const bool crcValido = matrix::CrcValido(file);
  const FileProva suDisco(file.data(), file.size(), ".mqvx");
  Verifica(matrix::VerificaCrcMatrice(suDisco.Percorso()) == crcValido, "the file's CRC check as in memory");
  std::string rifiuto, rifiutoFile;
  matrix::MatriceCaricata m, daFile;
  try {
    m = matrix::DecodificaMatrice(file);
  } catch (const ErroreRuntime& e) {
    Verifica(e.Numero() == matrix::ERRORE_MATRICE, "refusals carry the matrix error number");
    rifiuto = e.Descrizione();
  }
  try {
    daFile = matrix::LeggiMatrice(suDisco.Percorso());
  } catch (const ErroreRuntime& e) {
    rifiutoFile = e.Descrizione();
  }
  Verifica(rifiutoFile == rifiuto && daFile.Intestazione == m.Intestazione && daFile.Matrice == m.Matrice,
           "the file read as its bytes in memory");
  if (!rifiuto.empty()) return 0;
  const matrix::IntestazioneMatrice& h = m.Intestazione;
  Verifica(crcValido && h.VersioneValida(), "accepted only with CRC and magic");
  Verifica(h.K == 5 && h.C >= 1 && h.F <= matrix::MAX_FISSE && h.T <= h.K, "header within bounds");
  Verifica(m.Matrice.size() == (h.C <= CAPIENZA ? static_cast<size_t>(h.C) * 5 : 0), "C x K entries, none past the capacity");
  Verifica(file.size() >= matrix::BYTE_INTESTAZIONE + m.Matrice.size() + matrix::BYTE_CRC, "entries come from the file");
  for (size_t c = 0; c < m.Matrice.size(); c += 5) {
    for (size_t p = 0; p < 5; ++p) {
      Verifica(m.Matrice[c + p] >= 1 && m.Matrice[c + p] <= h.V, "entries 1..V");
      Verifica(std::count(m.Matrice.begin() + c, m.Matrice.begin() + c + 5, m.Matrice[c + p]) == 1, "no repeat in a column");
    }
  }
  VerificaAdattata(m);
  return 0;
}
