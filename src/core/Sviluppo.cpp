#include "core/Sviluppo.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/CondizioniTest.h"
#include "core/IndiceRiduzione.h"

namespace tlx {

double Fattoriale(int k) {
  double f = 1;
  for (int i = 2; i <= k; ++i) f *= i;
  return f;
}

double Combinazioni(int n, int k) {
  double prodotto = 1;
  for (int i = 0; i < k; ++i) prodotto *= n - i;
  if (prodotto <= 0) return 0;
  return prodotto / Fattoriale(k);
}

bool CondizioneAttiva(const Sistema& s) {
  return s.NumeroFiltriAnd > 0 || Vero(s.Consecutivi.Attivo) || s.NumeroFiltriDistanza > 0 ||
         Vero(s.Condizioni.FisseAttiva) || Vero(s.Condizioni.PariAttiva) || Vero(s.Condizioni.SommaAttiva);
}

std::string DescrizioneSviluppo(const Sistema& s, bool interrotto) {
  const bool condizionato = CondizioneAttiva(s);
  std::string d;
  if (Vero(s.Condizioni.RidottoAttivo)) {
    d = "Ridotto N-" + std::to_string(s.Condizioni.Garanzia);
    if (condizionato) d += " Condizionato";
  } else if (Vero(s.DistanzaMinima.Attivo)) {
    d = "Distanza Minima [" + std::to_string(s.DistanzaMinima.Distanza) + "]";
    if (condizionato) d += " - Condizionato";
  } else {
    d = condizionato ? "Condizionato" : "Integrale";
  }
  if (interrotto) d += " - ***";
  return d;
}

std::string TestoAvvisoCapienza(double capienza, const FormatoNumeri& formato) {
  return "!!! " + std::string(TESTO_CAPIENZA) + "\rCapienza memoria" + Formatta(capienza, MASCHERA_CONTATORE, formato) +
         " colonne";
}

Messaggio AvvisoCapienza(double capienza, const FormatoNumeri& formato) {
  return Messaggio{Icona::Critica, Pulsanti::Ok, "ATTENZIONE", TestoAvvisoCapienza(capienza, formato)};
}

namespace {

bool PronosticoValido(uint8_t n, const std::array<uint8_t, NUMERI>& pronostico) {
  if (n < 5 || n > NUMERI) return false;
  uint64_t visti = 0;
  for (size_t i = 0; i < n; ++i) {
    const uint8_t v = pronostico[i];
    if (v < 1 || v > NUMERI || (visti >> v) & 1u) return false;
    visti |= uint64_t{1} << v;
  }
  return true;
}

// A reduction test: reject a candidate that shares `soglia` or more numbers
// with a kept column. A threshold of 0 or less rejects every candidate once
// a column is kept; one of 5 or more never rejects, since two different
// combinations share at most four numbers, and needs no index.
class Riduzione {
 public:
  Riduzione(bool attiva, int soglia) : attiva_(attiva && soglia <= 4), soglia_(soglia) {
    if (attiva_ && soglia_ >= 1) indice_.Prepara(soglia_);
  }
  bool Attiva() const { return attiva_; }
  bool Accetta(const Candidato& ordinato, int32_t tenute) const {
    if (!attiva_ || tenute == 0) return true;
    if (soglia_ <= 0) return false;
    return !indice_.Condivide(ordinato);
  }
  void Tieni(const Candidato& ordinato) {
    if (attiva_ && soglia_ >= 1) indice_.Aggiungi(ordinato);
  }

 private:
  bool attiva_;
  int soglia_;
  IndiceRiduzione indice_;
};

// The eight tests in the development's order, each only when its condition
// is on, prepared once per development.
class ProveCandidato {
 public:
  ProveCandidato(const Sistema& s, bool pronosticoCrescente)
      : s_(s),
        fisse_(Vero(s.Condizioni.FisseAttiva)),
        somma_(Vero(s.Condizioni.SommaAttiva)),
        pari_(Vero(s.Condizioni.PariAttiva)),
        consecutivi_(Vero(s.Consecutivi.Attivo)),
        filtriDistanza_(std::min<int>(s.NumeroFiltriDistanza, MAX_FILTRI_DISTANZA)),
        // The guarantee rejects at shared >= 5 - Garanzia (signed); the
        // minimum distance at shared > 5 - Distanza taken as an unsigned byte.
        riduzione_(Vero(s.Condizioni.RidottoAttivo), 5 - static_cast<int>(s.Condizioni.Garanzia)),
        distanza_(Vero(s.DistanzaMinima.Attivo), static_cast<uint8_t>(5 - s.DistanzaMinima.Distanza) + 1),
        pronosticoCrescente_(pronosticoCrescente) {
    for (size_t r = 1; r <= 5; ++r) lunghezze_[r] = (s.Consecutivi.LunghezzeMask & PotenzeDiDue[r]) != 0;
    filtri_.Prepara(s.FiltriAnd, s.NumeroFiltriAnd);
    nessuna_ = !fisse_ && !somma_ && !pari_ && filtri_.Vuoto() && !consecutivi_ && filtriDistanza_ == 0 &&
               !riduzione_.Attiva() && !distanza_.Attiva();
  }

  bool Nessuna() const { return nessuna_; }

  // The candidate in prediction order; a kept candidate joins the
  // reductions' indexes.
  bool Accetta(const Candidato& c, int32_t tenute) {
    const RecordCondizioni& cond = s_.Condizioni;
    if (fisse_ && !FiltroFisse(c, cond)) return false;
    if (somma_ && !FiltroSomma(c, cond)) return false;
    if (pari_ && !FiltroPari(c, cond)) return false;
    if (!filtri_.Vuoto() && !filtri_.Accetta(c)) return false;
    if (consecutivi_ && !FiltroConsecutivi(c, lunghezze_)) return false;
    if (filtriDistanza_ > 0 && !UnFiltroDistanzaAccetta(c)) return false;
    if (!riduzione_.Attiva() && !distanza_.Attiva()) return true;
    Candidato ordinato = c;
    if (!pronosticoCrescente_) std::sort(ordinato.begin(), ordinato.end());
    if (!riduzione_.Accetta(ordinato, tenute) || !distanza_.Accetta(ordinato, tenute)) return false;
    riduzione_.Tieni(ordinato);
    distanza_.Tieni(ordinato);
    return true;
  }

 private:
  bool UnFiltroDistanzaAccetta(const Candidato& c) const {
    for (int f = 1; f <= filtriDistanza_; ++f)
      if (FiltroDistanzaNumeri(c, s_.FiltriDistanza[static_cast<size_t>(f)])) return true;
    return false;
  }

  const Sistema& s_;
  bool fisse_, somma_, pari_, consecutivi_;
  std::array<bool, 6> lunghezze_{};
  FiltriCondizione filtri_;
  int filtriDistanza_;
  Riduzione riduzione_;
  Riduzione distanza_;
  bool pronosticoCrescente_;
  bool nessuna_;
};

// The progress of a development: the step of candidate i is i / (C / 250)
// rounded half to even, 0..250, and the observer hears of every change.
class Avanzamento {
 public:
  Avanzamento(double C, OsservatoreSviluppo* osservatore) : divisore_(C / 250), osservatore_(osservatore) {
    a_.colonneIntegrale = C;
  }

  // Candidates before this one cannot change the step: the exact step is
  // computed only near its next change.
  int64_t Prossimo() const { return prossimo_; }

  // Called for candidate i once it reaches Prossimo(); tells the observer
  // when the step changes.
  void Elaborato(int64_t i, int32_t tenute) {
    const long passo = std::lrint(static_cast<double>(i) / divisore_);
    if (passo == ultimo_) {
      prossimo_ = i + 1;
      return;
    }
    ultimo_ = passo;
    // No later candidate changes the step before (passo + 0.5) * divisore.
    const double cambio = (static_cast<double>(passo) + 0.5) * divisore_;
    prossimo_ = std::max<int64_t>(i + 1, static_cast<int64_t>(std::floor(cambio)) - 1);
    Aggiorna(i, tenute);
    a_.barra = static_cast<int>(std::lrint(static_cast<double>(passo) * 0.4));
    if (osservatore_) osservatore_->Passo(a_);
  }

  void Capienza(int64_t i, int32_t tenute) {
    Aggiorna(i, tenute);
    if (osservatore_) osservatore_->CapienzaRaggiunta(a_);
  }

 private:
  void Aggiorna(int64_t i, int32_t tenute) {
    a_.colonneElaborate = static_cast<double>(i);
    a_.colonneSistema = tenute;
  }

  double divisore_;
  OsservatoreSviluppo* osservatore_;
  AvanzamentoSviluppo a_;
  long ultimo_ = -1;
  int64_t prossimo_ = 1;
};

// Walks the candidates in lexicographic order of their positions in the
// prediction (the first four positions step as an odometer, the fifth runs
// through the rest of the prediction), appends those that `accetta` keeps
// and returns their count. It stops at the capacity or when the observer
// asks to: the stop request can only change while the observer has control.
template <typename Accetta>
int32_t Percorri(Sistema& s, int n, const std::array<uint8_t, NUMERI>& pronostico, double C, Avanzamento& avanzamento,
                 Accetta&& accetta) {
  int32_t tenute = 0;
  uint8_t* riga = s.Colonne.Dati();
  int64_t i = 0;
  // The next candidate that needs more than its tests: a progress step may
  // change there, or the capacity be reached (a candidate adds at most one
  // column).
  const auto prossimoControllo = [&] { return std::min<int64_t>(avanzamento.Prossimo(), i + (CAPIENZA - tenute)); };
  int64_t controllo = prossimoControllo();
  std::array<int, 4> indici{0, 1, 2, 3};
  Candidato c{};
  bool fine = C < 1;
  while (!fine) {
    for (size_t p = 0; p < 4; ++p) c[p] = pronostico[static_cast<size_t>(indici[p])];
    uint32_t primiQuattro;
    std::memcpy(&primiQuattro, c.data(), 4);
    for (int ultimo = indici[3] + 1; ultimo < n; ++ultimo) {
      const uint8_t quinto = pronostico[static_cast<size_t>(ultimo)];
      c[4] = quinto;
      ++i;
      if (accetta(c, tenute)) {
        std::memcpy(riga, &primiQuattro, 4);
        riga[4] = quinto;
        riga += 5;
        ++tenute;
      }
      if (i >= controllo) [[unlikely]] {
        if (i >= avanzamento.Prossimo()) avanzamento.Elaborato(i, tenute);
        if (tenute >= CAPIENZA) {
          avanzamento.Capienza(i, tenute);
          s.InterrompiSviluppo = VERO;
        }
        fine = Vero(s.InterrompiSviluppo);
        if (fine) break;
        controllo = prossimoControllo();
      }
    }
    // The rightmost of the four that can still grow grows; those after it follow.
    int j = 3;
    while (j >= 0 && indici[static_cast<size_t>(j)] == n - 5 + j) --j;
    if (j < 0) break;
    ++indici[static_cast<size_t>(j)];
    for (size_t k = static_cast<size_t>(j) + 1; k < 4; ++k) indici[k] = indici[k - 1] + 1;
  }
  return tenute;
}

}  // namespace

void Sviluppo(Sistema& s, uint8_t n, const std::array<uint8_t, NUMERI>& pronostico, OsservatoreSviluppo* osservatore) {
  s.InterrompiSviluppo = FALSO;
  const double C = PronosticoValido(n, pronostico) ? Combinazioni(n, 5) : 0;
  if (osservatore) osservatore->Inizio(C);
  Avanzamento avanzamento(C, osservatore);
  ProveCandidato prove(s, std::is_sorted(pronostico.begin(), pronostico.begin() + std::min<int>(n, NUMERI)));

  const int32_t tenute =
      prove.Nessuna() ? Percorri(s, n, pronostico, C, avanzamento, [](const Candidato&, int32_t) { return true; })
                      : Percorri(s, n, pronostico, C, avanzamento,
                                 [&prove](const Candidato& c, int32_t tenute) { return prove.Accetta(c, tenute); });

  // The rows after the new columns may still hold an earlier system.
  std::fill(s.Colonne.Dati() + static_cast<size_t>(tenute) * 5, s.Colonne.Dati() + static_cast<size_t>(CAPIENZA) * 5,
            uint8_t{0});
  s.TitoloSistema = DescrizioneSviluppo(s, Vero(s.InterrompiSviluppo));
  s.NumeroColonne = tenute;
}

}  // namespace tlx
