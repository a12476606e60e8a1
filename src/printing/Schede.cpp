#include "printing/Schede.h"

#include <algorithm>

#include "core/Sistema.h"

namespace tlx {

namespace {

constexpr double PUNTI_TESTI = 8;
constexpr double PUNTI_IMPORTO = 22;
constexpr double PUNTI_RIDOTTI = 24;
constexpr double DISTANZA_PANNELLI = 2;  // mm between the 5-column slip's panels
constexpr int RIGHE_PANNELLO = 6;

void Testo(Stampante& p, double punti, std::string_view testo, bool aCapo) {
  p.ImpostaDimensioneFont(punti);
  p.Stampa(testo, aCapo);
}

void Intestazione(Stampante& p, const TaraturaScheda& t, std::string_view intestazione) {
  p.ImpostaX(t.kWebX);
  p.ImpostaY(t.kWebY);
  Testo(p, PUNTI_TESTI, intestazione, true);
}

void Piede(Stampante& p, const TaraturaScheda& t) {
  p.ImpostaDimensioneFont(PUNTI_TESTI);
  p.ImpostaX(t.kNomeX);
  p.Stampa(PIEDE_SCHEDA, true);
}

}  // namespace

TipoScheda DatiTipoScheda(LayoutScheda layout) {
  return layout == LayoutScheda::CinqueColonne ? TipoScheda{5, 3, 5} : TipoScheda{1, 4, 8};
}

PuntoMm PosizioneNumero(const TaraturaScheda& t, double y0, int numero) {
  if (numero <= 5) return {t.kLeft + (numero + 4) * double{t.kX}, y0};
  return {t.kLeft + ((numero - 6) % 10) * double{t.kX}, y0 + (1 + (numero - 6) / 10) * double{t.kY}};
}

double InizioPannello(const TaraturaScheda& t, LayoutScheda layout, int pannello) {
  if (layout != LayoutScheda::CinqueColonne) return t.kTop;
  return t.kTop - double{t.kY} + (pannello - 1) * (RIGHE_PANNELLO * double{t.kY} + DISTANZA_PANNELLI);
}

Segni SegniColonna(const uint8_t* colonna) {
  Segni segni{};
  for (int i = 0; i < 5; ++i)
    if (colonna[i] >= 1 && colonna[i] <= NUMERI) segni[colonna[i]] = true;
  return segni;
}

void DisegnaPannello(Stampante& p, const TaraturaScheda& t, double y0, const Segni& segni, double lato) {
  const bool pieno = p.Riempimento() == StileRiempimento::Pieno;
  for (int m = 1; m <= NUMERI; ++m) {
    if (!segni[static_cast<size_t>(m)]) continue;
    const PuntoMm a = PosizioneNumero(t, y0, m);
    p.Riquadro(a.x, a.y, a.x + lato, a.y + lato, COLORE_NERO);
    if (t.SoloQuadratino()) continue;
    p.ImpostaX(a.x);
    p.ImpostaY(a.y);
    if (pieno) p.ImpostaColoreTesto(COLORE_BIANCO);
    p.Stampa(Formatta(m, "00"), false);
    p.ImpostaColoreTesto(COLORE_NERO);
  }
}

void DisegnaCasellaExtra(Stampante& p, const TaraturaScheda& t) {
  const double lato = DatiTipoScheda(LayoutScheda::Ridotti).lato;
  const double x = t.kLeft + 9 * double{t.kX} - 2;
  const double y = t.kTop + 8 * double{t.kY} - 2;
  p.Riquadro(x, y, x + lato, y + lato, COLORE_NERO);
}

void ImpostaPaginaScheda(Stampante& p, StileRiempimento riempimento, int16_t qualita) {
  p.ImpostaRiempimento(riempimento);
  p.ImpostaUnita(UnitaStampa::Millimetri);
  p.ImpostaQualita(qualita);
  p.ImpostaStileTratto(0);
  p.ImpostaSpessoreTratto(1);
  p.ImpostaColoreTesto(COLORE_NERO);
  p.ImpostaColoreRiempimento(COLORE_NERO);
  p.ImpostaFont("Arial");
  p.ImpostaGrassetto(false);
}

std::string TestoNumeroScheda(int32_t n, const FormatoNumeri& formato) {
  return "Scheda n. " + Formatta(n, "##,###", formato);
}

std::string TestoProgressoScheda(int32_t n) { return "Scheda n. " + Formatta(n, "00000"); }

std::string TestoImportoScheda(Centesimi importo, const FormatoNumeri& formato) {
  return FormattaEuro(importo, formato, "   € #,##0.00");
}

void StampaPaginaScheda(Stampante& p, const Sistema& s, const TaraturaScheda& t, const DatiStampaSchede& dati,
                        int32_t n) {
  const TipoScheda tipo = DatiTipoScheda(dati.layout);
  ImpostaPaginaScheda(p, StileRiempimento::Pieno, t.Qualita);
  Intestazione(p, t, s.IntestazioneStampa);

  p.ImpostaDimensioneFont(tipo.puntiNumeri);
  const int64_t prima = int64_t{n - 1} * tipo.colonne + 1;
  int32_t presenti = 0;
  for (int i = 1; i <= tipo.colonne; ++i) {
    const int64_t c = prima + i - 1;
    Segni segni{};
    if (c <= s.NumeroColonne) segni = SegniColonna(s.Colonne.Colonna(static_cast<int32_t>(c)));
    if (std::ranges::any_of(segni, [](bool b) { return b; })) ++presenti;
    DisegnaPannello(p, t, InizioPannello(t, dati.layout, i), segni, tipo.lato);
  }

  p.ImpostaX(t.kNomeX);
  p.ImpostaY(t.kNomeY);
  Testo(p, PUNTI_TESTI, dati.nomeSistema, true);
  p.ImpostaX(t.kNomeX);
  Testo(p, PUNTI_TESTI, TestoNumeroScheda(n, dati.formato), false);
  Testo(p, PUNTI_IMPORTO, TestoImportoScheda(CostoSistema(s.CostoColonna, presenti), dati.formato), true);
  Piede(p, t);
}

void StampaTestTaratura(Stampante& p, const TaraturaScheda& t, LayoutScheda layout, std::string_view intestazione) {
  ImpostaPaginaScheda(p, StileRiempimento::Trasparente, t.Qualita);
  Intestazione(p, t, intestazione);

  // Every number's box where a slip of the layout marks it, labelled under
  // the number marker with that number; on the 6 x 10 grid of the other
  // layouts also the five places before number 1, unlabelled as on the slip.
  const TipoScheda tipo = DatiTipoScheda(layout);
  p.ImpostaDimensioneFont(tipo.puntiNumeri);
  Segni tutti{};
  std::fill(tutti.begin() + 1, tutti.end(), true);
  for (int i = 1; i <= tipo.colonne; ++i) DisegnaPannello(p, t, InizioPannello(t, layout, i), tutti, tipo.lato);
  if (layout != LayoutScheda::CinqueColonne) {
    for (int c = 0; c < 5; ++c) {
      const double x = t.kLeft + c * double{t.kX};
      p.Riquadro(x, t.kTop, x + tipo.lato, t.kTop + tipo.lato, COLORE_NERO);
    }
  }
  if (layout == LayoutScheda::Ridotti) DisegnaCasellaExtra(p, t);

  const bool ridotti = layout == LayoutScheda::Ridotti;
  p.ImpostaX(t.kNomeX);
  p.ImpostaY(t.kNomeY);
  if (ridotti) Testo(p, PUNTI_RIDOTTI, "SISTEMA RIDOTTO", true);
  else Testo(p, PUNTI_TESTI, "NomeSistema -----------", true);
  p.ImpostaX(t.kNomeX);
  Testo(p, PUNTI_TESTI, "Scheda n. 0.000", false);
  Testo(p, ridotti ? PUNTI_RIDOTTI : PUNTI_IMPORTO, " € 0,00", true);
  Piede(p, t);
  p.FineDocumento();
}

}  // namespace tlx
