#include "matrices/MatriceTxt.h"

#include <bitset>
#include <charconv>
#include <istream>

#include "core/Errori.h"
#include "core/FileSistema.h"
#include "core/Procedure.h"
#include "support/FileLettura.h"
#include "support/LettoreRighe.h"

namespace tlx::matrix {

namespace {

constexpr int32_t OVERFLOW_ = 6;

[[noreturn]] void Rifiuta(const std::string& descrizione) { throw ErroreRuntime(ERRORE_MATRICE, descrizione); }

uint8_t Converti(std::string_view voce) {
  unsigned valore = 0;
  const auto [fine, esito] = std::from_chars(voce.data(), voce.data() + voce.size(), valore);
  if (esito == std::errc::result_out_of_range) throw ErroreRuntime(OVERFLOW_, "Overflow");
  if (esito != std::errc{} || fine != voce.data() + voce.size()) throw ErroreRuntime(errore::TypeMismatch, "Type mismatch");
  if (valore > 255) throw ErroreRuntime(OVERFLOW_, "Overflow");
  if (valore < 1 || valore > MAX_VALORE_MATRICE_TXT)
    Rifiuta("Matrice con numeri fuori dall'intervallo 1.." + std::to_string(MAX_VALORE_MATRICE_TXT));
  return static_cast<uint8_t>(valore);
}

// The entries of one normalised line; a blank separates them.
void LeggiRiga(std::string_view riga, std::vector<uint8_t>& voci) {
  voci.clear();
  for (size_t inizio = 0; inizio <= riga.size();) {
    const size_t blank = std::min(riga.find(' ', inizio), riga.size());
    voci.push_back(Converti(riga.substr(inizio, blank - inizio)));
    inizio = blank + 1;
  }
}

MatriceCaricata Leggi(std::istream& testo, const std::function<void()>& elaboraEventi) {
  MatriceCaricata m;
  IntestazioneMatrice& h = m.Intestazione;
  std::bitset<256> usati;
  std::vector<uint8_t> voci;
  size_t K = 0;
  int32_t colonne = 0;
  std::string riga;
  LettoreRighe righe(testo, BYTE_MASSIMI_RIGA_MATRICE_TXT);
  for (int64_t letta = 0; colonne < MAX_RIGHE_MATRICE_TXT; ++letta) {
    const LettoreRighe::Esito esito = righe.Leggi(riga);
    if (esito == LettoreRighe::Esito::Fine) break;
    if (esito == LettoreRighe::Esito::TroppoLunga) Rifiuta("Matrice con righe troppo lunghe");
    if (letta % PASSO_ELABORA_EVENTI == 0 && elaboraEventi) elaboraEventi();
    if (NormalizzaSpazi(riga).empty()) continue;
    LeggiRiga(riga, voci);
    if (colonne == 0) K = voci.size();
    if (voci.size() != K) Rifiuta("Matrice con colonne a lunghezza multipla");
    std::bitset<256> colonna;
    for (const uint8_t v : voci) {
      if (colonna.test(v)) Rifiuta("Matrice con numeri ripetuti nella stessa colonna");
      colonna.set(v);
      h.V = std::max(h.V, v);
    }
    usati |= colonna;
    // Columns grow with the text, so a huge first line asks for no more
    // memory than the text itself holds.
    m.Matrice.insert(m.Matrice.end(), voci.begin(), voci.end());
    ++colonne;
  }
  if (colonne == 0) Rifiuta("Matrice senza colonne");
  for (unsigned v = 1; v <= h.V; ++v)
    if (!usati.test(v)) Rifiuta("Matrice con sviluppo non sequenziale");
  h.K = static_cast<uint8_t>(std::min<size_t>(K, 255));
  h.C = colonne;
  return m;
}

RisultatoMatriceTxt Rifiutata(const ErroreRuntime& e) {
  RisultatoMatriceTxt r;
  r.messaggi.push_back({Icona::Esclamazione, Pulsanti::Ok, "ERROR",
                        "Error " + std::to_string(e.Numero()) + " (" + e.Descrizione() + ") "});
  return r;
}

}  // namespace

RisultatoMatriceTxt LeggiMatriceTxt(std::istream& testo, const std::function<void()>& elaboraEventi) {
  try {
    return {Leggi(testo, elaboraEventi), {}};
  } catch (const ErroreRuntime& e) {
    return Rifiutata(e);
  }
}

RisultatoMatriceTxt CaricaMatriceTxt(const std::string& percorso, const std::function<void()>& elaboraEventi) {
  try {
    FileLettura testo(percorso);
    if (testo.Dimensione() > BYTE_MASSIMI_MATRICE_TXT) Rifiuta("Matrice troppo grande");
    return LeggiMatriceTxt(testo, elaboraEventi);
  } catch (const ErroreRuntime& e) {
    return Rifiutata(e);
  }
}

}  // namespace tlx::matrix
