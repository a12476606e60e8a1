#include "core/Sviluppo.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

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

// The AND filters prepared for a fast test: the group as a 64-bit set, so
// that the hits are one population count. Candidates hold five different
// numbers, so counting positions and counting shared numbers agree.
struct FiltroCompatto {
  uint64_t gruppo = 0;
  uint8_t posizioni = 0;  // bit p-1 set: position p is counted
  int32_t quanti = 0;
};

std::vector<FiltroCompatto> CompattaFiltri(const Sistema& s) {
  const int32_t quanti = std::clamp(s.NumeroFiltriAnd, int32_t{0}, MAX_FILTRI);
  std::vector<FiltroCompatto> out;
  out.reserve(static_cast<size_t>(quanti));
  for (int32_t f = 1; f <= quanti; ++f) {
    const RecordFiltro& r = s.FiltriAnd[static_cast<size_t>(f)];
    FiltroCompatto c;
    for (int n = 1; n <= NUMERI; ++n)
      if (r.Numeri[static_cast<size_t>(n)] == 1) c.gruppo |= uint64_t{1} << n;
    for (int p = 1; p <= 5; ++p)
      if ((r.PosizioniMask & PotenzeDiDue[static_cast<size_t>(p)]) > 0) c.posizioni |= static_cast<uint8_t>(1u << (p - 1));
    c.quanti = r.QuantiMask;
    out.push_back(c);
  }
  return out;
}

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
// a column is kept; one above 5 never rejects.
class Riduzione {
 public:
  explicit Riduzione(int soglia) : soglia_(soglia) {
    if (soglia_ >= 1 && soglia_ <= 5) indice_.Prepara(soglia_);
  }
  bool Accetta(const Candidato& ordinato, int32_t tenute) const {
    if (tenute == 0 || soglia_ > 5) return true;
    if (soglia_ <= 0) return false;
    return !indice_.Condivide(ordinato);
  }
  void Tieni(const Candidato& ordinato) {
    if (soglia_ >= 1 && soglia_ <= 5) indice_.Aggiungi(ordinato);
  }

 private:
  int soglia_;
  IndiceSottoinsiemi indice_;
};

}  // namespace

void Sviluppo(Sistema& s, uint8_t n, const std::array<uint8_t, NUMERI>& pronostico, OsservatoreSviluppo* osservatore) {
  s.InterrompiSviluppo = FALSO;
  int32_t tenute = 0;
  long ultimoPasso = -1;

  std::array<bool, 6> lunghezzeAmmesse{};
  for (size_t r = 1; r <= 5; ++r) lunghezzeAmmesse[r] = (s.Consecutivi.LunghezzeMask & PotenzeDiDue[r]) != 0;

  const bool valido = PronosticoValido(n, pronostico);
  const double C = valido ? Combinazioni(n, 5) : 0;
  AvanzamentoSviluppo a;
  a.colonneIntegrale = C;
  if (osservatore) osservatore->Inizio(C);
  const double divisore = C / 250;

  s.Colonne.Cancella();

  const RecordCondizioni& cond = s.Condizioni;
  const bool fisse = Vero(cond.FisseAttiva);
  const bool somma = Vero(cond.SommaAttiva);
  const bool pari = Vero(cond.PariAttiva);
  const std::vector<FiltroCompatto> filtri = CompattaFiltri(s);
  const bool consecutivi = Vero(s.Consecutivi.Attivo);
  const int filtriDistanza = std::min<int>(s.NumeroFiltriDistanza, MAX_FILTRI_DISTANZA);
  const bool ridotto = Vero(cond.RidottoAttivo);
  const bool distanzaMinima = Vero(s.DistanzaMinima.Attivo);
  // FiltroRidotto rejects at shared >= 5 - Garanzia (signed); the minimum
  // distance at shared > 5 - Distanza taken as an unsigned byte.
  Riduzione riduzione(5 - static_cast<int>(cond.Garanzia));
  Riduzione distanza(static_cast<uint8_t>(5 - s.DistanzaMinima.Distanza) + 1);
  const bool unaCondizione =
      fisse || somma || pari || !filtri.empty() || consecutivi || filtriDistanza > 0 || ridotto || distanzaMinima;

  std::array<int, 6> indici{0, 1, 2, 3, 4, 5};  // 1-based indexes into pronostico
  Candidato c{};
  // The exact progress step is computed only near the next change.
  double prossimoControllo = 0;

  for (double i = 1; i <= C; ++i) {
    if (i == 1) {
      for (size_t p = 1; p <= 5; ++p) indici[p] = static_cast<int>(p);
    } else {
      int j = 5;
      while (indici[static_cast<size_t>(j)] >= n - 5 + j) --j;
      ++indici[static_cast<size_t>(j)];
      for (size_t k = static_cast<size_t>(j) + 1; k <= 5; ++k) indici[k] = indici[k - 1] + 1;
    }
    for (size_t p = 0; p < 5; ++p) c[p] = pronostico[static_cast<size_t>(indici[p + 1] - 1)];

    if (tenute < CAPIENZA && !Vero(s.InterrompiSviluppo)) {
      bool accettato = true;
      if (unaCondizione) {
        Candidato ordinato = c;
        std::sort(ordinato.begin(), ordinato.end());
        if (fisse && !FiltroFisse(c, cond)) accettato = false;
        else if (somma && !FiltroSomma(c, cond)) accettato = false;
        else if (pari && !FiltroPari(c, cond)) accettato = false;
        if (accettato && !filtri.empty()) {
          std::array<uint64_t, 32> perPosizioni{};
          for (uint32_t m = 1; m < 32; ++m)
            perPosizioni[m] = perPosizioni[m & (m - 1)] | uint64_t{1} << c[static_cast<size_t>(std::countr_zero(m))];
          for (const FiltroCompatto& f : filtri) {
            const int colpi = std::popcount(f.gruppo & perPosizioni[f.posizioni]);
            if ((f.quanti & PotenzeDiDue[static_cast<size_t>(colpi)]) <= 0) {
              accettato = false;
              break;
            }
          }
        }
        if (accettato && consecutivi && !FiltroConsecutivi(c, lunghezzeAmmesse)) accettato = false;
        if (accettato && filtriDistanza > 0) {
          bool unoAccetta = false;
          for (int f = 1; f <= filtriDistanza && !unoAccetta; ++f)
            unoAccetta = FiltroDistanzaNumeri(c, s.FiltriDistanza[static_cast<size_t>(f)]);
          accettato = unoAccetta;
        }
        if (accettato && ridotto && !riduzione.Accetta(ordinato, tenute)) accettato = false;
        if (accettato && distanzaMinima && !distanza.Accetta(ordinato, tenute)) accettato = false;
        if (accettato) {
          if (ridotto) riduzione.Tieni(ordinato);
          if (distanzaMinima) distanza.Tieni(ordinato);
        }
      }
      if (accettato) {
        ++tenute;
        std::copy(c.begin(), c.end(), s.Colonne.Colonna(tenute));
      }
    }

    if (i >= prossimoControllo) {
      const long passo = std::lrint(i / divisore);  // halves to even
      if (passo != ultimoPasso) {
        ultimoPasso = passo;
        // No later candidate changes the step before (passo + 0.5) * divisore.
        prossimoControllo = std::max(i + 1, std::floor((static_cast<double>(passo) + 0.5) * divisore) - 1);
        a.colonneElaborate = i;
        a.colonneSistema = tenute;
        a.barra = static_cast<int>(std::lrint(static_cast<double>(passo) * 0.4));
        if (osservatore) osservatore->Passo(a);
      }
    }

    if (tenute >= CAPIENZA) {
      a.colonneElaborate = i;
      a.colonneSistema = tenute;
      if (osservatore) osservatore->CapienzaRaggiunta(a);
      s.InterrompiSviluppo = VERO;
    }
    if (Vero(s.InterrompiSviluppo)) break;
  }

  s.TitoloSistema = DescrizioneSviluppo(s, Vero(s.InterrompiSviluppo));
  s.NumeroColonne = tenute;
}

}  // namespace tlx
