#include "printing/Tabulato.h"

#include <algorithm>

#include "core/Errori.h"
#include "core/Procedure.h"
#include "printing/Schede.h"

namespace tlx {

namespace {
constexpr double PRIMA_RIGA = TABULATO_PASSO;
constexpr double X_FIGURE = 4000;
constexpr int NUMERI_PER_RIGA = 31;

// The crossword grid: 5 x 5 squares of 20 mm from (110 mm, 55 mm), kept
// within the printable width of an A4 sheet on common printers.
constexpr double LARGHEZZA_STAMPABILE_MM = 200;
constexpr double LATO_MM = 20;
constexpr double GRIGLIA_MM = 5 * LATO_MM;
constexpr double GRIGLIA_Y_MM = 55;
constexpr double DISTANZA_IMPORTO_MM = 5;
constexpr int16_t SPESSORE_GRIGLIA = 25;

const Carattere kImporto{"Arial", 72, false};
const Carattere kNumeroGriglia{"Courier New", 36, true};

// The rule: 96 em dashes, made once.
const std::string& Filetto() {
  static const std::string filetto = [] {
    constexpr std::string_view LINEETTA = "\u2014";
    std::string s;
    s.reserve(96 * LINEETTA.size());
    for (int i = 0; i < 96; ++i) s += LINEETTA;
    return s;
  }();
  return filetto;
}

constexpr std::string_view INDIRIZZO_WEB = "WWW.TREMALUXORQVX.IT";

// A tab moves on to the next stop of eight characters.
std::string EspandiTab(const std::string& testo) {
  std::string out;
  for (char c : testo) {
    if (c != '\t') {
      out += c;
      continue;
    }
    do out += ' ';
    while (out.size() % 8 != 0);
  }
  return out;
}

double Mm(double mm) { return mm * TWIP_PER_MM; }

}  // namespace

Messaggio MessaggioNessunaScelta() {
  return {Icona::Esclamazione, Pulsanti::Ok, " E R R O R E ", "Nessuna scelta selezionata"};
}

Messaggio MessaggioErroreTabulato(const ErroreRuntime& e) {
  return {Icona::Nessuna, Pulsanti::Ok, "",
          "Error " + std::to_string(e.Numero()) + " (" + e.Descrizione() + ") in procedure Stampa Tabulato"};
}

Tabulato::Tabulato(const Sistema& sistema, std::string nomeSistema, OpzioniTabulato opzioni, FormatoNumeri formato,
                   const MetricaRighe& metrica)
    : sistema_(sistema),
      nomeSistema_(std::move(nomeSistema)),
      opzioni_(opzioni),
      formato_(std::move(formato)),
      metrica_(metrica),
      altezza_(metrica.AltezzaRiga(CARATTERE_TABULATO)),
      altezzaImporto_(metrica.AltezzaRiga(kImporto)) {}

int Tabulato::NumeroBlocchi() const {
  return (std::max(sistema_.NumeroColonne, 0) + COLONNE_PER_BLOCCO - 1) / COLONNE_PER_BLOCCO;
}

int Tabulato::NumeroPagine() const {
  if (!Stampabile()) return 0;
  const int oltre = opzioni_.colonne ? NumeroBlocchi() - BlocchiPrimaPagina() : 0;
  return oltre <= 0 ? 1 : 1 + (oltre + BLOCCHI_PER_PAGINA - 1) / BLOCCHI_PER_PAGINA;
}

void Tabulato::Riga(Pagina& p, double y, std::string testo, bool grassetto) const {
  RigaTesto& riga = p.righe.emplace_back();
  riga.x = TABULATO_MARGINE;
  riga.y = y;
  // Moved into place: a list of segments in braces would copy the text.
  riga.segmenti.push_back({std::move(testo), CARATTERE_TABULATO});
  riga.segmenti.back().carattere.grassetto = grassetto;
}

Pagina Tabulato::ImpaginaPagina(int numero) const {
  Pagina p;
  const int blocchi = opzioni_.colonne ? NumeroBlocchi() : 0;
  if (numero > 1) {
    const int primo = BlocchiPrimaPagina() + (numero - 2) * BLOCCHI_PER_PAGINA;
    p.righe.reserve(1 + 7 * BLOCCHI_PER_PAGINA);  // the header, then two rules and five lines a block
    double y = PRIMA_RIGA;
    Riga(p, y, "Pag. " + std::to_string(numero) + " del sistema " + nomeSistema_ + " - " + std::string(PIEDE_SCHEDA), true);
    y += 2 * altezza_;  // the header and an empty line
    ScriviBlocchi(p, y, primo, std::min(primo + BLOCCHI_PER_PAGINA, blocchi));
    return p;
  }

  const Sistema& s = sistema_;
  double y = PRIMA_RIGA;
  Riga(p, y, "Pag. 1 " + s.IntestazioneStampa + " - By Velmora - " + std::string(INDIRIZZO_WEB), true);
  y += altezza_;
  Riga(p, y, Filetto());
  y += altezza_;
  const std::string nome = "Nome Sistema " + nomeSistema_;
  Riga(p, y, nome);
  // A long name pushes the logo to its right instead of running under it.
  const double xLogo = std::max(X_FIGURE, TABULATO_MARGINE + metrica_.Larghezza(CARATTERE_TABULATO, nome + "  "));
  p.immagini.push_back({Figura::Logo, xLogo, y});
  y += 2 * TABULATO_PASSO;
  Riga(p, y, "Colonne Sistema " + std::to_string(s.NumeroColonne));
  y += altezza_ + TABULATO_PASSO;
  const Centesimi importo = CostoSistema(s.CostoColonna, s.NumeroColonne);
  Riga(p, y, "Importo Sistema " + FormattaScalato(importo, 2, "€ ###,###,###.00", formato_));
  y += altezza_ + TABULATO_PASSO;
  Riga(p, y,
       EspandiTab("Numeri in gioco " + std::to_string(s.NumeriPronostico) + "\tTipo Sistema " +
                  s.TitoloSistema.Testo()));
  y += altezza_ + TABULATO_PASSO;

  if (opzioni_.pronostico) y = ScriviPronostico(p, y);

  // The grid goes below the prediction section, whose numbers and rules
  // run across the whole width.
  if (s.TitoloSistema.Trimmed() == "CRUCIVERBA") y = ScriviCruciverba(p, opzioni_.pronostico ? y : 0);

  if (opzioni_.colonne) {
    Riga(p, y, "Sviluppo");
    y += altezza_;
    ScriviBlocchi(p, y, 0, std::min(BlocchiPrimaPagina(), blocchi));
  }
  return p;
}

double Tabulato::ScriviPronostico(Pagina& p, double y) const {
  const Sistema& s = sistema_;
  for (const char* t : {"", "Pronostico Sistema", ""}) {
    Riga(p, y, *t ? t : Filetto());
    y += altezza_;
  }
  std::string numeri;
  for (int i = 0; i < s.NumeriPronostico; ++i) {
    numeri += Formatta(s.Pronostico[static_cast<size_t>(i)], "00 ");
    if ((i + 1) % NUMERI_PER_RIGA == 0) {
      Riga(p, y, std::move(numeri));
      numeri.clear();
      y += TABULATO_PASSO;
    }
  }
  if (!numeri.empty()) Riga(p, y, std::move(numeri));
  y += TABULATO_PASSO;

  for (const char* t : {"", "Condizioni base ", ""}) {
    Riga(p, y, *t ? t : Filetto());
    y += altezza_;
  }
  p.immagini.push_back({Figura::Vietato, X_FIGURE, y - 10});

  const RecordCondizioni& c = s.Condizioni;
  std::string somma = "Somma   : Da -- " + std::string(" A --");
  if (Vero(c.SommaAttiva))
    somma = "Somma   : Da " + std::to_string(c.SommaMinMax[0]) + " A " + std::to_string(c.SommaMinMax[1]);
  std::string pari = "Pari    : ", dispari = "Dispari : ", fisse = "Fisse   : ", consecutivi = "Consecutivi : ";
  if (Vero(c.PariAttiva)) {
    for (int k = 0; k <= 5; ++k) {
      if (!Vero(c.PariAmmessi[static_cast<size_t>(k)])) continue;
      pari += Formatta(k, "0# ");
      dispari += Formatta(5 - k, "0# ");
    }
  }
  if (Vero(c.FisseAttiva)) {
    for (int n = 1; n <= NUMERI; ++n)
      if (c.NumeriFissi[static_cast<size_t>(n)] != 0) fisse += Formatta(n, "0# ");
  }
  if (Vero(s.Consecutivi.Attivo)) consecutivi += MascheraInTesto2(s.Consecutivi.LunghezzeMask);
  for (std::string* riga : {&somma, &pari, &dispari, &fisse, &consecutivi}) {
    Riga(p, y, std::move(*riga));
    y += altezza_;
  }
  return y + TABULATO_PASSO;
}

double Tabulato::ScriviCruciverba(Pagina& p, double yMinimo) const {
  const Sistema& s = sistema_;
  const int32_t colore = opzioni_.colori ? COLORE_ROSSO : COLORE_NERO;
  const double destra = Mm(LARGHEZZA_STAMPABILE_MM);
  const double x = std::min(Mm(110), destra - Mm(GRIGLIA_MM));
  const double y = std::max(Mm(GRIGLIA_Y_MM), yMinimo);
  for (int r = 0; r < 5; ++r) {
    for (int q = 0; q < 5; ++q) {
      const double x1 = x + Mm(LATO_MM * q), y1 = y + Mm(LATO_MM * r);
      p.riquadri.push_back({x1, y1, x1 + Mm(LATO_MM), y1 + Mm(LATO_MM), colore, SPESSORE_GRIGLIA});
    }
  }
  for (int i = 0; i < s.NumeriPronostico && i < 25; ++i) {
    const int r = i / 5, q = i % 5;
    p.righe.push_back({x + Mm(LATO_MM * q + 2.5), y + Mm(LATO_MM * r + LATO_MM / 6),
                       {{Formatta(s.Pronostico[static_cast<size_t>(i)], "00"), kNumeroGriglia}}});
  }
  // The amount just below the grid, centred under it as far as the sheet
  // allows.
  const std::string importo = FormattaScalato(CostoSistema(s.CostoColonna, s.NumeroColonne), 2, "#.00 €", formato_);
  const double larghezza = metrica_.Larghezza(kImporto, importo);
  const double xImporto = std::max(
      TABULATO_MARGINE,
      std::min(x + (Mm(GRIGLIA_MM) - larghezza) / 2, destra - larghezza));
  const double yImporto = y + Mm(GRIGLIA_MM + DISTANZA_IMPORTO_MM);
  p.righe.push_back({xImporto, yImporto, {{importo, kImporto}}, colore});
  // The listing goes on below the grid and its amount.
  return yImporto + altezzaImporto_;
}

double Tabulato::ScriviBlocchi(Pagina& p, double y, int primo, int ultimo) const {
  const uint8_t* dati = sistema_.Colonne.Dati();
  for (int b = primo; b < ultimo; ++b) {
    const int32_t da = b * COLONNE_PER_BLOCCO;
    const int32_t a = std::min(da + COLONNE_PER_BLOCCO, sistema_.NumeroColonne);
    Riga(p, y, Filetto());
    y += altezza_;
    for (size_t pos = 0; pos < 5; ++pos) {
      std::string riga(static_cast<size_t>(a - da) * 5, ' ');
      for (int32_t c = da; c < a; ++c) {
        const uint8_t n = dati[static_cast<size_t>(c) * 5 + pos];
        char* cella = riga.data() + static_cast<size_t>(c - da) * 5;  // "07 | "
        cella[0] = static_cast<char>('0' + n / 10 % 10);
        cella[1] = static_cast<char>('0' + n % 10);
        cella[3] = '|';
      }
      Riga(p, y, std::move(riga));
      y += TABULATO_PASSO;
    }
    Riga(p, y, Filetto());
    y += altezza_ + TABULATO_PASSO;
  }
  return y;
}

}  // namespace tlx

namespace tlx {

void StampaTabulato(Stampante& p, const Sistema& sistema, const std::string& nomeSistema, OpzioniTabulato opzioni,
                    const FormatoNumeri& formato, int copie, const std::function<std::string(Figura)>& figure) {
  p.ImpostaUnita(UnitaStampa::Twip);
  p.ImpostaRiempimento(StileRiempimento::Trasparente);
  p.ImpostaColoreTesto(COLORE_NERO);
  p.ImpostaStileTratto(0);
  const MetricaStampante metrica(p);
  const Tabulato tabulato(sistema, nomeSistema, opzioni, formato, metrica);
  try {
    for (int copia = 1; copia <= copie; ++copia) {
      const int pagine = tabulato.NumeroPagine();
      for (int n = 1; n <= pagine; ++n) {
        if (n > 1) p.NuovaPagina();
        StampaPagina(p, tabulato.ImpaginaPagina(n), figure);
      }
      p.FineDocumento();
    }
  } catch (const ErroreRuntime&) {
    // The pages done so far go out; the fault is the caller's to report.
    try {
      p.FineDocumento();
    } catch (const ErroreRuntime&) {
    }
    throw;
  }
}

}  // namespace tlx
