// The listing's pages laid out in twips: the first page's lines and places,
// the conditions, blocks of 19 columns per page, the prediction and the
// crossword grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include "printing/Tabulato.h"

namespace {
using namespace tlx;

// Round line heights so that every expected position reads as a sum.
struct MetricaProva : MetricaRighe {
  double AltezzaRiga(const Carattere& c) const override { return c.punti == 72 ? 1600 : 200; }
  // A character 0.6 of the font size wide, in twips.
  double Larghezza(const Carattere& c, const std::string& t) const override { return 12.0 * c.punti * t.size(); }
};

struct Prova {
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
  MetricaProva metrica;
  explicit Prova(int colonne, std::vector<int> pronostico = {}, std::string titolo = "Integrale") {
    s->CostoColonna = 150, s->IntestazioneStampa = "Ricevitoria", s->TitoloSistema = titolo;
    s->NumeriPronostico = static_cast<uint8_t>(pronostico.size());
    std::ranges::copy(pronostico, s->Pronostico.begin());
    for (int c = 1; c <= colonne; ++c)
      for (int p = 0; p < 5; ++p) s->Colonne.Colonna(c)[p] = static_cast<uint8_t>((c + p) % 55 + 1);
    s->NumeroColonne = colonne;
  }
  Tabulato Listing(bool colonne, bool pronostico, bool colori = true) const {
    return Tabulato(*s, "prova.tlqvx", {colonne, pronostico, colori}, FormatoNumeri::Italiano(), metrica);
  }
};

std::vector<std::pair<double, std::string>> Righe(const Pagina& p) {
  std::vector<std::pair<double, std::string>> r;
  for (const RigaTesto& riga : p.righe) r.push_back({riga.y, riga.Testo()});
  return r;
}

const std::string FILETTO = [] { std::string s; while (s.size() < 96 * 3) s += "\u2014"; return s; }();

int Filetti(const Pagina& p) { return static_cast<int>(std::ranges::count(p.righe, FILETTO, &RigaTesto::Testo)); }

// The stored values of a condition are printed only while its switch is on.
TEST(Tabulato, FirstPageTextsAndPositionsWithThePredictionConditionsAndColumnsOrNothingChosen) {
  Prova prova(2, {3, 1, 2, 5, 4});
  RecordCondizioni& c = prova.s->Condizioni;
  c.SommaAttiva = VERO, c.SommaMinMax = {40, 160}, c.PariAmmessi = {VERO, 0, 0, 0, VERO, VERO};
  c.NumeriFissi[7] = c.NumeriFissi[55] = 1, prova.s->Consecutivi.LunghezzeMask = 0b101100;
  const Pagina p = prova.Listing(true, true).ImpaginaPagina(1);
  const std::vector<std::pair<double, std::string>> attese = {
      {250, "Pag. 1 Ricevitoria - By Velmora - WWW.TREMALUXORQVX.IT"}, {450, FILETTO},
      {650, "Nome Sistema prova.tlqvx"}, {1150, "Colonne Sistema 2"}, {1600, "Importo Sistema € 3,00"},
      {2050, "Numeri in gioco 5       Tipo Sistema Integrale" + std::string(41, ' ')}, {2500, FILETTO},
      {2700, "Pronostico Sistema"}, {2900, FILETTO}, {3100, "03 01 02 05 04 "},  // stored order, not sorted
      {3350, FILETTO}, {3550, "Condizioni base "}, {3750, FILETTO}, {3950, "Somma   : Da 40 A 160"},
      {4150, "Pari    : "}, {4350, "Dispari : "}, {4550, "Fisse   : "}, {4750, "Consecutivi : "},
      {5200, "Sviluppo"}, {5400, FILETTO}, {5600, "02 | 03 | "}, {5850, "03 | 04 | "}, {6100, "04 | 05 | "},
      {6350, "05 | 06 | "}, {6600, "06 | 07 | "}, {6850, FILETTO}};
  EXPECT_EQ(Righe(p), attese);
  EXPECT_TRUE(std::ranges::all_of(p.righe, [](const RigaTesto& r) { return r.x == 120; }) &&
              p.righe[0].segmenti[0].carattere.grassetto);
  std::vector<std::pair<Figura, double>> immagini;
  for (const Immagine& i : p.immagini) immagini.push_back({i.figura, i.y});
  EXPECT_EQ(immagini, (std::vector<std::pair<Figura, double>>{{Figura::Logo, 650}, {Figura::Vietato, 3940}}));

  c.SommaAttiva = 0, c.PariAttiva = 1, c.FisseAttiva = VERO, prova.s->Consecutivi.Attivo = VERO;  // any non-zero
  const auto righe = Righe(prova.Listing(true, true).ImpaginaPagina(1));
  EXPECT_EQ(std::vector(righe.begin() + 13, righe.begin() + 18), (std::vector<std::pair<double, std::string>>{
      {3950, "Somma   : Da --  A --"}, {4150, "Pari    : 00 04 05 "}, {4350, "Dispari : 05 01 00 "},
      {4550, "Fisse   : 07 55 "}, {4750, "Consecutivi : 02 03 05"}}));

  // 31 numbers to a line; no compulsory digit before the separator; nothing chosen, no page.
  std::iota(prova.s->Pronostico.begin(), prova.s->Pronostico.end(), 1), prova.s->NumeriPronostico = 55;
  prova.s->CostoColonna = 24;
  const auto r = Righe(prova.Listing(false, true).ImpaginaPagina(1));
  EXPECT_EQ(std::tuple(r[9].second.size(), r[10].second.size(), r[10].first - r[9].first, r[4].second,
                       prova.Listing(false, false).NumeroPagine()),
            std::tuple(31u * 3, 24u * 3, 250, "Importo Sistema € ,48", 0));
  EXPECT_EQ(MessaggioNessunaScelta(),
            (Messaggio{Icona::Esclamazione, Pulsanti::Ok, " E R R O R E ", "Nessuna scelta selezionata"}));
}

TEST(Tabulato, BlocksOfNineteenAndTheirPageQuotas) {
  const std::tuple<int, bool, std::vector<int>> casi[] = {
      {114, false, {6}}, {115, false, {6, 1}}, {95, true, {5}}, {96, true, {5, 1}}, {950, true, {5, 8, 8, 8, 8, 8, 5}}};
  for (const auto& [colonne, pronostico, blocchiPerPagina] : casi) {
    Prova prova(colonne);
    const Tabulato t = prova.Listing(true, pronostico);
    std::vector<int> blocchi;
    for (int n = 1; n <= t.NumeroPagine(); ++n)
      blocchi.push_back((Filetti(t.ImpaginaPagina(n)) - (n == 1 ? (pronostico ? 5 : 1) : 0)) / 2);
    EXPECT_EQ(blocchi, blocchiPerPagina) << colonne << (pronostico ? " with" : " without");
  }
  // Page 2 of 115 columns: the continuation header, an empty line, then
  // block 7: column 115, which starts at 115 % 55 + 1.
  const Pagina p = Prova(115).Listing(true, false).ImpaginaPagina(2);
  EXPECT_EQ(std::tuple(p.righe.at(0).Testo(), p.righe.at(1).y, p.righe.at(2).Testo()),
            std::tuple("Pag. 2 del sistema prova.tlqvx - TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT",
                       650, "06 | "));
}

TEST(Tabulato, CrosswordGridAmountAndColumnsBelowIt) {
  const double mm = 1440.0 / 25.4;
  const auto mm100 = [&](double twip) { return std::lround(twip / mm * 100); };  // hundredths of a mm, compared exactly
  std::vector<int> arrangiamento;
  for (int i = 0; i < 25; ++i) arrangiamento.push_back(55 - 2 * i);
  for (const auto& [pronostico, colori] : {std::pair{false, false}, {true, true}}) {
    Prova prova(12, arrangiamento, "CRUCIVERBA");
    prova.s->CostoColonna = 4;
    const Pagina p = prova.Listing(true, pronostico, colori).ImpaginaPagina(1);
    const long colore = colori ? COLORE_ROSSO : COLORE_NERO;
    // Below the prediction section, whose lines run across the width; the
    // right edge within the printable width of an A4 sheet.
    const double y0 = pronostico ? 5200 : 55 * mm;
    std::vector<std::array<long, 4>> griglia, attesi;
    for (const Riquadro& r : p.riquadri) griglia.push_back({mm100(r.x1), mm100(r.y1), mm100(r.x2 - r.x1), r.colore});
    for (int i = 0; i < 25; ++i)
      attesi.push_back({mm100((100 + 20 * (i % 5)) * mm), mm100(y0 + 20 * (i / 5) * mm), 2000, colore});
    EXPECT_EQ(griglia, attesi);
    std::string numeri;
    std::vector<std::tuple<std::string, long, long, long>> sotto;  // the amount and the columns' title
    for (const RigaTesto& r : p.righe) {
      if (r.segmenti[0].carattere.punti == 36) numeri += r.Testo();
      if (r.segmenti[0].carattere.punti == 72 || r.Testo() == "Sviluppo")
        sotto.push_back({r.Testo(), r.colore, mm100(r.x), mm100(r.y)});
    }
    EXPECT_EQ(numeri, "55535149474543413937353331292725232119171513110907");  // the arrangement, row by row
    // Centred under the grid, but an amount wider than the grid ends at the
    // right margin; the columns start below it, one block of 12.
    EXPECT_EQ(sotto, (decltype(sotto){{",48 €", colore, mm100(200 * mm - 7 * 0.6 * 72 * 20), mm100(y0 + 105 * mm)},
                                      {"Sviluppo", COLORE_NERO, mm100(120), mm100(y0 + 105 * mm + 1600)}}));
    EXPECT_EQ(Filetti(p) - (pronostico ? 5 : 1), 2);
  }
  EXPECT_TRUE(Prova(12, arrangiamento).Listing(true, true).ImpaginaPagina(1).riquadri.empty());
}

}  // namespace
