// libFuzzer target of the column text import: the input is written to a
// file and imported into a system. Besides the sanitizers' checks, it aborts
// when the system is left in a state it must never be left in.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "Verifica.h"
#include "core/ColonneTxt.h"

using tlx::fuzz::Verifica;

namespace {

const std::string& PercorsoProva() {
  static const std::string percorso = [] {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path cartella = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    return (cartella / ("tlx-fuzz-colonne-" + std::to_string(getpid()) + ".txt")).string();
  }();
  return percorso;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  {
    std::ofstream f(PercorsoProva(), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(byte));
  }
  static const auto s = std::make_unique<tlx::Sistema>();
  const tlx::RisultatoImportaColonneTxt r = tlx::ImportaColonneTxt(*s, PercorsoProva());
  std::remove(PercorsoProva().c_str());  // libFuzzer ends without running exit handlers

  const bool importato = r.esito == tlx::EsitoImportaColonneTxt::Importato;
  Verifica(importato == r.messaggi.empty(), "a message exactly when refused");
  Verifica(importato || s->NumeroColonne == 0, "a refusal leaves no column");
  Verifica(s->NumeroColonne >= 0 && s->NumeroColonne <= tlx::CAPIENZA, "columns within the table");
  Verifica((s->NumeroColonne > 0) == (s->GuiBloccata != 0), "locked exactly when columns were read");
  std::array<bool, tlx::NUMERI + 1> scelti{};
  for (int i = 0; i < s->NumeriPronostico; ++i) scelti[s->Pronostico[static_cast<size_t>(i)]] = true;
  for (int32_t c = 1; c <= s->NumeroColonne; ++c) {
    const uint8_t* colonna = s->Colonne.Colonna(c);
    Verifica(std::all_of(colonna, colonna + 5, [&](uint8_t n) { return n >= 1 && n <= tlx::NUMERI && scelti[n]; }),
             "every number 1..55 and chosen");
  }
  return 0;
}
