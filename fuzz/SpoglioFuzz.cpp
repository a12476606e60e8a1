// libFuzzer target of the checks: any column bytes and any draw, repeated
// or stray numbers included, give the same counts through the subset index
// as through the scan of every column; any text is a date or is refused.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "checking/IndiceSottoinsiemi.h"
#include "checking/Spoglio.h"
#include "checking/SpoglioEstrazioni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  using namespace tlx;
  if (byte < 5) return 0;
  const std::array<uint8_t, 5> estrazione = {dati[0], dati[1], dati[2], dati[3], dati[4]};
  const auto n = static_cast<int32_t>((byte - 5) / 5);
  IndiceSottoinsiemi indice;
  indice.Costruisci(dati + 5, n);
  const EsitoSpoglio scansione = SpoglioColonne(dati + 5, n, estrazione);
  if (indice.PuntiPerEstrazione(estrazione) != scansione.VincitePunti) {
    std::fprintf(stderr, "the index and the scan disagree\n");
    std::abort();
  }
  const std::string testo(reinterpret_cast<const char*>(dati), byte);
  if (const auto giorno = GiornoDaData(testo); giorno && (*giorno < -719'162 || *giorno > 2'932'896)) {
    std::fprintf(stderr, "a date outside years 1..9999\n");
    std::abort();
  }
  return 0;
}
