#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
  void Pronostico(std::initializer_list<int> numeri) {
    s->NumeriPronostico = 0;
    for (int n : numeri) s->Pronostico[s->NumeriPronostico++] = static_cast<uint8_t>(n);
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

std::string Filetto() {
  std::string s;
  for (int i = 0; i < 96; ++i) s += "\u2014";
  return s;
}

int Blocchi(const Pagina& p) {
  int filetti = 0;
  for (const RigaTesto& r : p.righe) filetti += r.Testo() == Filetto();
  return filetti;
}

TEST(Tabulato, FirstPageTextsAndPositionsWithThePredictionAndTheColumns) {
  Prova prova(2);
  prova.Pronostico({3, 1, 2, 5, 4});
  Sistema& s = *prova.s;
  s.Condizioni.SommaAttiva = VERO;
  s.Condizioni.SommaMinMax = {40, 160};
  const Pagina p = prova.Listing(true, true).ImpaginaPagina(1);
  const std::string titolo = "Integrale" + std::string(41, ' ');
  const std::vector<std::pair<double, std::string>> attese = {
      {250, "Pag. 1 Ricevitoria - By Velmora - WWW.TREMALUXORQVX.IT"},
      {450, Filetto()},
      {650, "Nome Sistema prova.tlqvx"},
      {1150, "Colonne Sistema 2"},
      {1600, "Importo Sistema € 3,00"},
      {2050, "Numeri in gioco 5       Tipo Sistema " + titolo},
      {2500, Filetto()},
      {2700, "Pronostico Sistema"},
      {2900, Filetto()},
      {3100, "03 01 02 05 04 "},  // stored order, not sorted
      {3350, Filetto()},
      {3550, "Condizioni base "},
      {3750, Filetto()},
      {3950, "Somma   : Da 40 A 160"},
      {4150, "Pari    : "},
      {4350, "Dispari : "},
      {4550, "Fisse   : "},
      {4750, "Consecutivi : "},
      {5200, "Sviluppo"},
      {5400, Filetto()},
      {5600, "02 | 03 | "},
      {5850, "03 | 04 | "},
      {6100, "04 | 05 | "},
      {6350, "05 | 06 | "},
      {6600, "06 | 07 | "},
      {6850, Filetto()}};
  EXPECT_EQ(Righe(p), attese);
  for (const RigaTesto& r : p.righe) EXPECT_EQ(r.x, 120) << r.Testo();
  EXPECT_TRUE(p.righe[0].segmenti[0].carattere.grassetto);
  EXPECT_FALSE(p.righe[1].segmenti[0].carattere.grassetto);
  ASSERT_EQ(p.immagini.size(), 2u);
  EXPECT_EQ(p.immagini[0].figura, Figura::Logo);
  EXPECT_EQ(p.immagini[0].y, 650);
  EXPECT_EQ(p.immagini[1].figura, Figura::Vietato);
  EXPECT_EQ(p.immagini[1].y, 3940);
  EXPECT_TRUE(p.riquadri.empty());
}

TEST(Tabulato, ConditionLinesForEachCondition) {
  struct Caso {
    std::function<void(Sistema&)> imposta;
    std::vector<std::string> righe;  // Somma, Pari, Dispari, Fisse, Consecutivi
  };
  const Caso casi[] = {
      {[](Sistema& s) {
         s.Condizioni.PariAttiva = 1;  // any non-zero switch is on
         s.Condizioni.PariAmmessi = {VERO, 0, 0, 0, VERO, VERO};
         s.Condizioni.FisseAttiva = VERO;
         s.Condizioni.NumeriFissi[7] = s.Condizioni.NumeriFissi[55] = 1;
         s.Consecutivi.Attivo = VERO;
         s.Consecutivi.LunghezzeMask = 0b101100;
       },
       {"Somma   : Da --  A --", "Pari    : 00 04 05 ", "Dispari : 05 01 00 ", "Fisse   : 07 55 ",
        "Consecutivi : 02 03 05"}},
      {[](Sistema& s) {  // switches off: the stored values are not printed
         s.Condizioni.SommaMinMax = {10, 20};
         s.Condizioni.PariAmmessi[1] = VERO;
         s.Condizioni.NumeriFissi[3] = 1;
         s.Consecutivi.LunghezzeMask = 2;
       },
       {"Somma   : Da --  A --", "Pari    : ", "Dispari : ", "Fisse   : ", "Consecutivi : "}},
  };
  for (size_t i = 0; i < std::size(casi); ++i) {
    Prova prova(1);
    casi[i].imposta(*prova.s);
    const auto righe = Righe(prova.Listing(false, true).ImpaginaPagina(1));
    ASSERT_GE(righe.size(), 5u);
    std::vector<std::string> ultime;
    for (size_t r = righe.size() - 5; r < righe.size(); ++r) ultime.push_back(righe[r].second);
    EXPECT_EQ(ultime, casi[i].righe) << "case " << i;
  }
}

TEST(Tabulato, BlocksOfNineteenAndTheirPageQuotas) {
  struct Caso {
    int colonne;
    bool pronostico;
    std::vector<int> blocchiPerPagina;
  };
  const Caso casi[] = {{114, false, {6}}, {115, false, {6, 1}}, {95, true, {5}}, {96, true, {5, 1}},
                       {950, true, {5, 8, 8, 8, 8, 8, 5}}};
  for (const Caso& caso : casi) {
    Prova prova(caso.colonne);
    const Tabulato t = prova.Listing(true, caso.pronostico);
    std::vector<int> blocchi;
    for (int n = 1; n <= t.NumeroPagine(); ++n) {
      const int filetti = Blocchi(t.ImpaginaPagina(n));
      blocchi.push_back((filetti - (n == 1 ? (caso.pronostico ? 5 : 1) : 0)) / 2);
    }
    EXPECT_EQ(blocchi, caso.blocchiPerPagina) << caso.colonne << (caso.pronostico ? " with" : " without");
  }

  // Page 2 of 200 columns: the continuation header, an empty line, then
  // block 6 (columns 96..114) and on to block 11 of 10 columns.
  Prova prova(200);
  const Pagina p = prova.Listing(true, true).ImpaginaPagina(2);
  EXPECT_EQ(p.righe[0].Testo(), "Pag. 2 del sistema prova.tlqvx - TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT");
  EXPECT_EQ(p.righe[1].y, 650);  // 250 + header + empty line
  EXPECT_EQ(p.righe[2].Testo().substr(0, 10), "42 | 43 | ");  // columns 96 and 97 start at 42 and 43
  EXPECT_EQ(p.righe[2].Testo().size(), 95u);
  EXPECT_EQ(p.righe[p.righe.size() - 2].Testo().size(), 50u);
}

TEST(Tabulato, PredictionLinesAmountsAndNothingChosen) {
  Prova prova(3);
  prova.s->NumeriPronostico = 55;
  for (int i = 0; i < 55; ++i) prova.s->Pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
  prova.s->CostoColonna = 16;
  const auto righe = Righe(prova.Listing(false, true).ImpaginaPagina(1));
  EXPECT_EQ(righe[9].second.size(), 31u * 3);
  EXPECT_EQ(righe[10].second.size(), 24u * 3);
  EXPECT_EQ(righe[10].first - righe[9].first, 250);
  EXPECT_EQ(righe[4].second, "Importo Sistema € ,48");  // no compulsory digit before the separator

  prova.s->CostoColonna = 123456789;
  EXPECT_EQ(Righe(prova.Listing(false, true).ImpaginaPagina(1))[4].second, "Importo Sistema € 3.703.703,67");

  const Tabulato nulla = prova.Listing(false, false);
  EXPECT_FALSE(nulla.Stampabile());
  EXPECT_EQ(nulla.NumeroPagine(), 0);
  EXPECT_EQ(MessaggioNessunaScelta(),
            (Messaggio{Icona::Esclamazione, Pulsanti::Ok, " E R R O R E ", "Nessuna scelta selezionata"}));
}

TEST(Tabulato, CrosswordGridAmountAndColumnsBelowIt) {
  for (const auto& [pronostico, colori] : {std::pair{false, false}, {true, true}}) {
    Prova prova(12, "CRUCIVERBA");
    prova.s->CostoColonna = 4;
    prova.s->NumeriPronostico = 25;
    for (int i = 0; i < 25; ++i) prova.s->Pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(55 - 2 * i);
    const Pagina p = prova.Listing(true, pronostico, colori).ImpaginaPagina(1);
    const double mm = 1440.0 / 25.4;
    // Below the prediction section, whose lines run across the width; the
    // right edge within the printable width of an A4 sheet.
    const double y0 = pronostico ? 5200 : 55 * mm;
    const double x0 = 100 * mm;
    ASSERT_EQ(p.riquadri.size(), 25u);
    for (size_t i = 0; i < 25; ++i) {
      const Riquadro& r = p.riquadri[i];
      EXPECT_NEAR(r.x1, x0 + 20.0 * static_cast<double>(i % 5) * mm, 1e-6);
      EXPECT_NEAR(r.y1, y0 + 20.0 * static_cast<double>(i / 5) * mm, 1e-6);
      EXPECT_NEAR(r.x2 - r.x1, 20 * mm, 1e-6);
      EXPECT_EQ(r.colore, colori ? COLORE_ROSSO : COLORE_NERO);
    }
    std::vector<std::string> numeri;
    const RigaTesto* importo = nullptr;
    for (const RigaTesto& r : p.righe) {
      if (r.segmenti[0].carattere.punti == 36) numeri.push_back(r.Testo());
      if (r.segmenti[0].carattere.punti == 72) importo = &r;
    }
    ASSERT_EQ(numeri.size(), 25u);
    EXPECT_EQ(numeri.front(), "55");  // the arrangement, row by row
    EXPECT_EQ(numeri[6], "43");
    EXPECT_EQ(numeri.back(), "07");
    ASSERT_NE(importo, nullptr);
    EXPECT_EQ(importo->Testo(), ",48 €");
    EXPECT_EQ(importo->colore, colori ? COLORE_ROSSO : COLORE_NERO);
    // Centred under the grid, but an amount wider than the grid ends at the
    // right margin.
    EXPECT_NEAR(importo->x, 200 * mm - 7 * 0.6 * 72 * 20, 1e-6);
    EXPECT_NEAR(importo->y, y0 + 105 * mm, 1e-6);
    double ySviluppo = 0;
    for (const RigaTesto& r : p.righe)
      if (r.Testo() == "Sviluppo") ySviluppo = r.y;
    EXPECT_NEAR(ySviluppo, importo->y + 1600, 1e-6);
    EXPECT_EQ(Blocchi(p) - (pronostico ? 5 : 1), 2);  // one block of 12 columns
  }
  Prova integrale(12, "Integrale");
  EXPECT_TRUE(integrale.Listing(true, true).ImpaginaPagina(1).riquadri.empty());
}

}  // namespace
