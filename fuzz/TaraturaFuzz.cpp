// libFuzzer target of the calibration readers: the input is read as the old
// binary 1-column file and, written to a file, as a calibration INI file of
// each layout. Aborts when a reader yields a distance no window can show.

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

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

const std::string& PercorsoProva() {
  static const std::string percorso = [] {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path cartella = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    return (cartella / ("tlx-fuzz-" + std::to_string(getpid()) + ".cfg")).string();
  }();
  return percorso;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  Verifica(TaraturaDaFileVecchio(std::span<const uint8_t>(dati, dimensione)), "old file reader");
  {
    std::ofstream f(PercorsoProva(), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(dimensione));
  }
  for (LayoutScheda layout : {LayoutScheda::UnaColonna, LayoutScheda::CinqueColonne, LayoutScheda::Ridotti})
    Verifica(LeggiTaratura(PercorsoProva(), layout), "INI reader");
  std::filesystem::remove(PercorsoProva());
  return 0;
}
