// The listing's pages laid out in twips: the first page's lines and places,
// the conditions, blocks of 19 columns per page, the prediction and the
// crossword grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>

#include "printing/Tabulato.h"

namespace {
using namespace tlx;

// Round line heights so that every expected position reads as a sum.
struct MetricaProva : MetricaRighe {
  double AltezzaRiga(const Carattere& c) const override { return c.punti == 72 ? 1600 : 200; }
  // A character 0.6 of the font size wide, in twips.
  double Larghezza(const Carattere& c, const std::string& t) const override {
    return static_cast<double>(t.size()) * 0.6 * c.punti * 20;
  }
};

struct Prova {
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
  MetricaProva metrica;
  explicit Prova(int colonne, std::string titolo = "Integrale") {
    s->CostoColonna = 150;
    s->IntestazioneStampa = "Ricevitoria";
    s->TitoloSistema = titolo;
    for (int c = 1; c <= colonne; ++c)
      for (int p = 0; p < 5; ++p) s->Colonne.Colonna(c)[p] = static_cast<uint8_t>((c + p) % 55 + 1);
    s->NumeroColonne = colonne;
  }
  void Pronostico(std::vector<int> numeri) {
    s->NumeriPronostico = static_cast<uint8_t>(numeri.size());
    std::ranges::copy(numeri, s->Pronostico.begin());
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

const std::string FILETTO = [] {
  std::string s;
  for (int i = 0; i < 96; ++i) s += "\u2014";
  return s;
}();

int Filetti(const Pagina& p) {
  return static_cast<int>(std::ranges::count(p.righe, FILETTO, &RigaTesto::Testo));
}

TEST(Tabulato, FirstPageTextsAndPositionsWithThePredictionAndTheColumns) {
  Prova prova(2);
  prova.Pronostico({3, 1, 2, 5, 4});
  prova.s->Condizioni.SommaAttiva = VERO;
  prova.s->Condizioni.SommaMinMax = {40, 160};
  const Pagina p = prova.Listing(true, true).ImpaginaPagina(1);
  const std::vector<std::pair<double, std::string>> attese = {
      {250, "Pag. 1 Ricevitoria - By Velmora - WWW.TREMALUXORQVX.IT"},
      {450, FILETTO},
      {650, "Nome Sistema prova.tlqvx"},
      {1150, "Colonne Sistema 2"},
      {1600, "Importo Sistema € 3,00"},
      {2050, "Numeri in gioco 5       Tipo Sistema Integrale" + std::string(41, ' ')},
      {2500, FILETTO},
      {2700, "Pronostico Sistema"},
      {2900, FILETTO},
      {3100, "03 01 02 05 04 "},  // stored order, not sorted
      {3350, FILETTO},
      {3550, "Condizioni base "},
      {3750, FILETTO},
      {3950, "Somma   : Da 40 A 160"},
      {4150, "Pari    : "},
      {4350, "Dispari : "},
      {4550, "Fisse   : "},
      {4750, "Consecutivi : "},
      {5200, "Sviluppo"},
      {5400, FILETTO},
      {5600, "02 | 03 | "},
      {5850, "03 | 04 | "},
      {6100, "04 | 05 | "},
      {6350, "05 | 06 | "},
      {6600, "06 | 07 | "},
      {6850, FILETTO}};
  EXPECT_EQ(Righe(p), attese);
  EXPECT_TRUE(std::ranges::all_of(p.righe, [](const RigaTesto& r) { return r.x == 120; }));
  EXPECT_TRUE(p.righe[0].segmenti[0].carattere.grassetto);
  ASSERT_EQ(p.immagini.size(), 2u);
  EXPECT_EQ((std::pair{p.immagini[0].figura, p.immagini[0].y}), (std::pair{Figura::Logo, 650.0}));
  EXPECT_EQ((std::pair{p.immagini[1].figura, p.immagini[1].y}), (std::pair{Figura::Vietato, 3940.0}));
}

// The stored values are printed only while their switch is on.
TEST(Tabulato, ConditionLinesOnlyForTheConditionsSwitchedOn) {
  Prova prova(1);
  Sistema& s = *prova.s;
  s.Condizioni.SommaMinMax = {10, 20};
  s.Condizioni.PariAmmessi = {VERO, 0, 0, 0, VERO, VERO};
  s.Condizioni.NumeriFissi[7] = s.Condizioni.NumeriFissi[55] = 1;
  s.Consecutivi.LunghezzeMask = 0b101100;
  const auto ultime = [&] {
    const auto righe = Righe(prova.Listing(false, true).ImpaginaPagina(1));
    std::vector<std::string> r;
    for (size_t i = righe.size() - 5; i < righe.size(); ++i) r.push_back(righe[i].second);
    return r;
  };
  EXPECT_EQ(ultime(), (std::vector<std::string>{"Somma   : Da --  A --", "Pari    : ", "Dispari : ", "Fisse   : ",
                                                "Consecutivi : "}));
  s.Condizioni.PariAttiva = 1;  // any non-zero switch is on
  s.Condizioni.FisseAttiva = VERO;
  s.Consecutivi.Attivo = VERO;
  EXPECT_EQ(ultime(), (std::vector<std::string>{"Somma   : Da --  A --", "Pari    : 00 04 05 ", "Dispari : 05 01 00 ",
                                                "Fisse   : 07 55 ", "Consecutivi : 02 03 05"}));
}

TEST(Tabulato, BlocksOfNineteenAndTheirPageQuotas) {
  const struct {
    int colonne;
    bool pronostico;
    std::vector<int> blocchiPerPagina;
  } casi[] = {{114, false, {6}}, {115, false, {6, 1}}, {95, true, {5}}, {96, true, {5, 1}},
              {950, true, {5, 8, 8, 8, 8, 8, 5}}};
  for (const auto& caso : casi) {
    Prova prova(caso.colonne);
    const Tabulato t = prova.Listing(true, caso.pronostico);
    std::vector<int> blocchi;
    for (int n = 1; n <= t.NumeroPagine(); ++n)
      blocchi.push_back((Filetti(t.ImpaginaPagina(n)) - (n == 1 ? (caso.pronostico ? 5 : 1) : 0)) / 2);
    EXPECT_EQ(blocchi, caso.blocchiPerPagina) << caso.colonne << (caso.pronostico ? " with" : " without");
  }

  // Page 2 of 115 columns: the continuation header, an empty line, then
  // block 7: column 115, which starts at 115 % 55 + 1.
  Prova prova(115);
  const Pagina p = prova.Listing(true, false).ImpaginaPagina(2);
  ASSERT_GE(p.righe.size(), 3u);
  EXPECT_EQ(p.righe[0].Testo(), "Pag. 2 del sistema prova.tlqvx - TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT");
  EXPECT_EQ(p.righe[1].y, 650);  // 250 + header + empty line
  EXPECT_EQ(p.righe[2].Testo(), "06 | ");
}

TEST(Tabulato, PredictionLinesAmountAndNothingChosen) {
  Prova prova(3);
  std::vector<int> tutti(55);
  std::iota(tutti.begin(), tutti.end(), 1);
  prova.Pronostico(tutti);
  prova.s->CostoColonna = 16;
  const auto righe = Righe(prova.Listing(false, true).ImpaginaPagina(1));
  EXPECT_EQ(righe[9].second.size(), 31u * 3);
  EXPECT_EQ(righe[10].second.size(), 24u * 3);
  EXPECT_EQ(righe[10].first - righe[9].first, 250);
  EXPECT_EQ(righe[4].second, "Importo Sistema € ,48");  // no compulsory digit before the separator

  EXPECT_EQ(prova.Listing(false, false).NumeroPagine(), 0);
  EXPECT_EQ(MessaggioNessunaScelta(),
            (Messaggio{Icona::Esclamazione, Pulsanti::Ok, " E R R O R E ", "Nessuna scelta selezionata"}));
}

TEST(Tabulato, CrosswordGridAmountAndColumnsBelowIt) {
  const double mm = 1440.0 / 25.4;
  for (const auto& [pronostico, colori] : {std::pair{false, false}, {true, true}}) {
    Prova prova(12, "CRUCIVERBA");
    prova.s->CostoColonna = 4;
    std::vector<int> arrangiamento;
    for (int i = 0; i < 25; ++i) arrangiamento.push_back(55 - 2 * i);
    prova.Pronostico(arrangiamento);
    const Pagina p = prova.Listing(true, pronostico, colori).ImpaginaPagina(1);
    // Below the prediction section, whose lines run across the width; the
    // right edge within the printable width of an A4 sheet.
    const double y0 = pronostico ? 5200 : 55 * mm;
    ASSERT_EQ(p.riquadri.size(), 25u);
    for (size_t i = 0; i < 25; ++i) {
      const Riquadro& r = p.riquadri[i];
      EXPECT_NEAR(r.x1, (100 + 20.0 * static_cast<double>(i % 5)) * mm, 1e-6);
      EXPECT_NEAR(r.y1, y0 + 20.0 * static_cast<double>(i / 5) * mm, 1e-6);
      EXPECT_NEAR(r.x2 - r.x1, 20 * mm, 1e-6);
      EXPECT_EQ(r.colore, colori ? COLORE_ROSSO : COLORE_NERO);
    }
    std::vector<std::string> numeri;
    const RigaTesto* importo = nullptr;
    double ySviluppo = 0;
    for (const RigaTesto& r : p.righe) {
      if (r.segmenti[0].carattere.punti == 36) numeri.push_back(r.Testo());
      if (r.segmenti[0].carattere.punti == 72) importo = &r;
      if (r.Testo() == "Sviluppo") ySviluppo = r.y;
    }
    ASSERT_EQ(numeri.size(), 25u);
    EXPECT_EQ(numeri.front() + numeri[6] + numeri.back(), "554307");  // the arrangement, row by row
    ASSERT_NE(importo, nullptr);
    EXPECT_EQ(importo->Testo(), ",48 €");
    EXPECT_EQ(importo->colore, colori ? COLORE_ROSSO : COLORE_NERO);
    // Centred under the grid, but an amount wider than the grid ends at the
    // right margin; the columns start below it.
    EXPECT_NEAR(importo->x, 200 * mm - 7 * 0.6 * 72 * 20, 1e-6);
    EXPECT_NEAR(importo->y, y0 + 105 * mm, 1e-6);
    EXPECT_NEAR(ySviluppo, importo->y + 1600, 1e-6);
    EXPECT_EQ(Filetti(p) - (pronostico ? 5 : 1), 2);  // one block of 12 columns
  }
  EXPECT_TRUE(Prova(12, "Integrale").Listing(true, true).ImpaginaPagina(1).riquadri.empty());
}

}  // namespace
