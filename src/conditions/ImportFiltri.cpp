#include "conditions/ImportFiltri.h"

#include <algorithm>
#include <charconv>

#include "core/Errori.h"
#include "core/Procedure.h"
#include "core/Sviluppo.h"
#include "support/FileLettura.h"
#include "support/LettoreRighe.h"

namespace tlx {

namespace {

// Lines between two calls of elaboraEventi: a full file reads in a moment.
constexpr int64_t PASSO_RIGHE = 64;
constexpr std::string_view BOM_UTF8 = "\xEF\xBB\xBF";

ErroreRuntime FuoriIntervallo() { return ErroreRuntime(errore::SubscriptOutOfRange, "Subscript out of range"); }

uint8_t Numero(std::string_view pezzo) {
  if (pezzo.empty() || !std::all_of(pezzo.begin(), pezzo.end(), [](char c) { return c >= '0' && c <= '9'; }))
    throw ErroreRuntime(errore::TypeMismatch, "Type mismatch");
  int valore = 0;
  const auto [fine, ec] = std::from_chars(pezzo.data(), pezzo.data() + pezzo.size(), valore);
  if (ec != std::errc{} || valore < 1 || valore > NUMERI) throw FuoriIntervallo();
  return static_cast<uint8_t>(valore);
}

}  // namespace

RecordFiltro RigaInFiltro(std::string_view riga, int32_t quanti, int32_t posizioni) {
  RecordFiltro r{.QuantiMask = quanti, .PosizioniMask = posizioni, .Attivo = VERO};
  size_t pezzi = 0;
  for (size_t inizio = 0;;) {
    const size_t fine = std::min(riga.find_first_of(" \t-,;.", inizio), riga.size());
    if (++pezzi > MAX_NUMERI_RIGA) throw FuoriIntervallo();
    r.Numeri[Numero(riga.substr(inizio, fine - inizio))] = 1;
    if (fine == riga.size()) break;
    inizio = fine + 1;
  }
  return r;
}

int32_t loadFileToFilters(std::vector<RecordFiltro>& tabella, const std::string& percorso, int32_t quanti,
                          int32_t posizioni, Messaggi& messaggi, const FormatoNumeri& formato,
                          const std::function<void()>& elaboraEventi) {
  const size_t capienza = std::min<size_t>(MAX_FILTRI, tabella.empty() ? 0 : tabella.size() - 1);
  std::fill(tabella.begin(), tabella.end(), RecordFiltro{});
  int32_t conteggio = 0;
  try {
    FileLettura file(percorso);
    LettoreRighe righe(file, BYTE_MASSIMI_RIGA_FILTRO);
    std::string riga;
    for (int64_t letta = 0; static_cast<size_t>(conteggio) < capienza; ++letta) {
      const LettoreRighe::Esito esito = righe.Leggi(riga);
      if (esito == LettoreRighe::Esito::Fine) break;
      if (esito == LettoreRighe::Esito::TroppoLunga) throw FuoriIntervallo();
      if (letta % PASSO_RIGHE == 0 && elaboraEventi) elaboraEventi();
      if (letta == 0 && riga.starts_with(BOM_UTF8)) riga.erase(0, BOM_UTF8.size());
      if (NormalizzaSpazi(riga).empty()) continue;
      tabella[static_cast<size_t>(++conteggio)] = RigaInFiltro(riga, quanti, posizioni);
    }
  } catch (const ErroreRuntime& e) {
    std::fill(tabella.begin(), tabella.end(), RecordFiltro{});
    messaggi.push_back(MessaggioErrore(e, PROCEDURA_IMPORT_FILTRI, MODULO_IMPORT_FILTRI));
    return 0;
  }
  if (static_cast<size_t>(conteggio) == MAX_FILTRI) messaggi.push_back(AvvisoCapienza(MAX_FILTRI, formato));
  return conteggio;
}

}  // namespace tlx
