// libFuzzer target of the filter import reader: the input is written to a
// file and read into a filter table. Besides the sanitizers' checks, it
// aborts when the table is left in a state it must never be left in.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FileProva.h"
#include "Verifica.h"
#include "conditions/ImportFiltri.h"

using tlx::fuzz::FileProva;
using tlx::fuzz::Verifica;

namespace {

using namespace tlx;

constexpr int32_t QUANTI = 0b1010;
constexpr int32_t POSIZIONI = 0b101100;

bool Gruppo(const RecordFiltro& r) {
  return r.Numeri[0] == 0 && std::all_of(r.Numeri.begin(), r.Numeri.end(), [](uint8_t v) { return v <= 1; }) &&
         std::count(r.Numeri.begin(), r.Numeri.end(), 1) >= 1 && r.QuantiMask == QUANTI &&
         r.PosizioniMask == POSIZIONI && r.Attivo == VERO;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  static std::vector<RecordFiltro> tabella(MAX_FILTRI + 1);
  std::fill(tabella.begin(), tabella.end(), RecordFiltro{.QuantiMask = 1, .Attivo = VERO});
  Messaggi messaggi;
  const int32_t conteggio =
      loadFileToFilters(tabella, FileProva(dati, byte, ".txt").Percorso(), QUANTI, POSIZIONI, messaggi, {});

  Verifica(conteggio >= 0 && conteggio <= MAX_FILTRI, "count within the table");
  Verifica(messaggi.size() <= 1, "at most one message");
  const bool errore = !messaggi.empty() && messaggi[0].testo.starts_with("Error ");
  Verifica(!errore || conteggio == 0, "a failure returns 0");
  Verifica((conteggio == MAX_FILTRI) == (!messaggi.empty() && !errore), "capacity warning exactly at 2000");
  const auto primoVuoto = tabella.begin() + 1 + conteggio;
  Verifica(std::all_of(tabella.begin() + 1, primoVuoto, Gruppo), "every group read is an active record of 1..55");
  Verifica(tabella[0] == RecordFiltro{}, "element 0 empty");
  Verifica(std::all_of(primoVuoto, tabella.end(), [](const RecordFiltro& r) { return r == RecordFiltro{}; }),
           "records past the count empty");
  return 0;
}
