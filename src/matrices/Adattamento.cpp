#include "matrices/Adattamento.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/Errori.h"
#include "core/Formato.h"
#include "core/Procedure.h"

namespace tlx::matrix {

namespace {
constexpr uint8_t LUNGHEZZA_COLONNA = 5;
constexpr int LIVELLO_MASSIMO_RIDUZIONE = 4;
}  // namespace

double ValoreRisposta(std::string_view r) {
  size_t i = r.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  double segno = 1;
  if (r[i] == '+' || r[i] == '-') segno = r[i++] == '-' ? -1 : 1;
  double valore = 0;
  for (; i < r.size() && std::isdigit(static_cast<unsigned char>(r[i])); ++i) valore = valore * 10 + (r[i] - '0');
  if (i < r.size() && r[i] == '.') {
    double peso = 0.1;
    for (++i; i < r.size() && std::isdigit(static_cast<unsigned char>(r[i])); ++i, peso /= 10) valore += (r[i] - '0') * peso;
  }
  return std::nearbyint(segno * valore);  // the default rounding mode: half to even
}

bool SpostaFissa(Sistema& s, std::string_view risposta, int posizione, uint8_t* valore) {
  const double numero = ValoreRisposta(risposta);
  if (numero < 1 || numero > NUMERI || posizione < 0 || posizione >= s.NumeriPronostico) return false;
  const auto n = static_cast<uint8_t>(numero);
  const auto inizio = s.Pronostico.begin();
  const auto trovato = std::find(inizio, inizio + s.NumeriPronostico, n);
  // Not chosen, or already given as an earlier fixed number.
  if (trovato == inizio + s.NumeriPronostico || trovato < inizio + posizione) return false;
  std::iter_swap(trovato, inizio + posizione);
  if (valore) *valore = n;
  return true;
}

std::string ElencoFisse(const std::vector<uint8_t>& fisse) {
  std::string elenco;
  for (const uint8_t n : fisse) elenco += Formatta(n, "00") + "   ";
  return elenco;
}

std::optional<Messaggio> VerificaCapienza(const MatriceCaricata& m) {
  if (m.Intestazione.C <= CAPIENZA) return std::nullopt;
  return Messaggio{Icona::Nessuna, Pulsanti::Ok, "",
                   "Error " + std::to_string(ERRORE_MATRICE) +
                       " (Colonne superiori alla capienza della memoria\r"
                       "scegliere un'altra matrice o contattare l'autore per un aggiornamento)"};
}

void AdattaMatrice(Sistema& s, const MatriceCaricata& m, const std::function<void()>& elaboraEventi) {
  const IntestazioneMatrice& h = m.Intestazione;
  if (h.V != s.NumeriPronostico || h.V > NUMERI) throw ErroreRuntime(ERRORE_MATRICE, "Matrice non adatta ai numeri in gioco");
  // A matrix too large for the system comes without its entries.
  if (h.C > CAPIENZA) throw ErroreRuntime(ERRORE_MATRICE, "Colonne superiori alla capienza della memoria");
  if (h.K != LUNGHEZZA_COLONNA || h.C < 0 || m.Matrice.size() != static_cast<size_t>(h.C) * LUNGHEZZA_COLONNA)
    throw ErroreRuntime(ERRORE_MATRICE, "Versione non valida");
  if (!std::all_of(m.Matrice.begin(), m.Matrice.end(), [V = h.V](uint8_t i) { return uint8_t(i - 1) < V; }))
    throw ErroreRuntime(ERRORE_MATRICE, "Matrice con indici fuori dall'intervallo 1.." + std::to_string(h.V));

  // A copy, because clearing the system keeps the chosen numbers but the
  // mapping must not depend on what the reset leaves behind.
  const std::array<uint8_t, NUMERI> ordine = s.Pronostico;
  CancellaSistema(s, true);
  s.Pronostico = ordine;
  const uint8_t* indici = m.Matrice.data();
  uint8_t* colonne = s.Colonne.Dati();
  for (int32_t inizio = 0; inizio < h.C; inizio += PASSO_ADATTAMENTO) {
    if (elaboraEventi) elaboraEventi();
    const int32_t fine = std::min(h.C, inizio + PASSO_ADATTAMENTO);
    for (size_t i = static_cast<size_t>(inizio) * 5; i < static_cast<size_t>(fine) * 5; i += 5) {
      for (size_t p = 0; p < 5; ++p) colonne[i + p] = ordine[indici[i + p] - 1u];
      OrdinaColonna(colonne + i);
    }
  }
  s.NumeroColonne = h.C;
}

void ImpostaCondizioniMatrice(Sistema& s, const IntestazioneMatrice& h, const std::vector<uint8_t>& fisse) {
  s.TitoloSistema = TITOLO_ADATTA_MATRICE;
  RecordCondizioni& c = s.Condizioni;
  if (h.F > 0 && h.F <= MAX_FISSE && fisse.size() == h.F) {
    c.QuantiFissi = h.F;
    for (const uint8_t n : fisse) c.NumeriFissi[n] = 1;
    c.FisseAttiva = VERO;
  }
  const int livello = int{h.K} - int{h.T};
  if (livello >= 1 && livello <= LIVELLO_MASSIMO_RIDUZIONE) {
    c.RidottoAttivo = VERO;
    c.Garanzia = static_cast<uint8_t>(livello);
    s.TitoloSistema = "Ridotto N-" + std::to_string(livello);
  }
}

}  // namespace tlx::matrix
