// libFuzzer target of the column text import: the input is written to a
// file and imported into a system. Besides the sanitizers' checks, it aborts
// when the system is left in a state it must never be left in.

#include <algorithm>
#include <cstdint>
#include <memory>

#include "FileProva.h"
#include "Verifica.h"
#include "core/ColonneTxt.h"

using tlx::fuzz::FileProva;
using tlx::fuzz::Verifica;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  static const auto s = std::make_unique<tlx::Sistema>();
  const tlx::RisultatoImportaColonneTxt r = tlx::ImportaColonneTxt(*s, FileProva(dati, byte, ".txt").Percorso());

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
