// libFuzzer target of the checks: any column bytes and any draw, repeated
// or stray numbers included, give the same counts through the bit rows and
// through the subset index as through the check of every column's five
// positions; any text is a date or is refused.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "checking/PuntiEstrazioni.h"
#include "checking/Spoglio.h"
#include "checking/SpoglioEstrazioni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  using namespace tlx;
  if (byte < 5) return 0;
  const std::array<uint8_t, 5> estrazione = {dati[0], dati[1], dati[2], dati[3], dati[4]};
  const auto n = static_cast<int32_t>((byte - 5) / 5);
  const EsitoSpoglio scansione = SpoglioColonne(dati + 5, n, estrazione);
  for (const MetodoPunti metodo : {MetodoPunti::Scansione, MetodoPunti::Indice}) {
    if (PuntiPerEstrazioni(dati + 5, n, {estrazione}, {}, metodo) != std::vector{scansione.VincitePunti}) {
      std::fprintf(stderr, "a way of counting disagrees with the check of every column\n");
      std::abort();
    }
  }
  const std::string testo(reinterpret_cast<const char*>(dati), byte);
  if (const auto giorno = GiornoDaData(testo); giorno && (*giorno < -719'162 || *giorno > 2'932'896)) {
    std::fprintf(stderr, "a date outside years 1..9999\n");
    std::abort();
  }
  return 0;
}
