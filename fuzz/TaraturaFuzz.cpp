// libFuzzer target of the calibration readers: the input is read as the old
// binary 1-column file and, written to a file, as a calibration INI file of
// each layout. Aborts when a reader yields a distance no window can show.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "FileProva.h"
#include "printing/Taratura.h"

namespace {

using namespace tlx;

void Verifica(const TaraturaScheda& t, const char* lettore) {
  for (float mm : Distanze(t)) {
    if (std::isfinite(mm) && mm >= DISTANZA_MINIMA && mm <= DISTANZA_MASSIMA) continue;
    std::fprintf(stderr, "%s gave a distance of %g mm\n", lettore, static_cast<double>(mm));
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  Verifica(TaraturaDaFileVecchio(std::span<const uint8_t>(dati, dimensione)), "old file reader");
  const fuzz::FileProva file(dati, dimensione, ".cfg");
  for (LayoutScheda layout : {LayoutScheda::UnaColonna, LayoutScheda::CinqueColonne, LayoutScheda::Ridotti})
    Verifica(LeggiTaratura(file.Percorso(), layout), "INI reader");
  return 0;
}
