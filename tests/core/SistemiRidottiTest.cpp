#include <gtest/gtest.h>

#include <set>

#include "printing/SistemiRidotti.h"
#include "printing/StampanteRegistrata.h"

namespace {
using namespace tlx;

TEST(RidottiCasuali, DistinctNumbersInRangeRepeatableBySeed) {
  for (int numeri = MIN_NUMERI_RIDOTTO; numeri <= MAX_NUMERI_RIDOTTO; ++numeri) {
    std::mt19937 generatore(static_cast<uint32_t>(numeri));
    const auto sistemi = GeneraRidottiCasuali(55, numeri, 2000, generatore);
    ASSERT_EQ(sistemi.size(), 2000u);
    std::set<int> visti;
    for (const auto& sistema : sistemi) {
      ASSERT_EQ(sistema.size(), static_cast<size_t>(numeri));
      const std::set<uint8_t> distinti(sistema.begin(), sistema.end());
      EXPECT_EQ(distinti.size(), sistema.size());
      EXPECT_TRUE(*distinti.begin() >= 1 && *distinti.rbegin() <= 55);
      visti.insert(sistema.begin(), sistema.end());
    }
    EXPECT_EQ(visti.size(), 55u);  // every number can come up, 1 and 55 included
    std::mt19937 stesso(static_cast<uint32_t>(numeri));
    EXPECT_EQ(GeneraRidottiCasuali(55, numeri, 2000, stesso), sistemi);
  }
  std::mt19937 g(1);
  EXPECT_EQ(GeneraRidottiCasuali(5, 5, 1, g).front().size(), 5u);  // as many as there are: still ends
  for (auto [massimo, numeri, sistemi] : {std::tuple{55, 56, 1}, {55, 0, 1}, {55, 6, 0}, {0, 6, 1}})
    EXPECT_TRUE(GeneraRidottiCasuali(massimo, numeri, sistemi, g).empty());
}

using Tipo = OperazioneStampa::Tipo;

PaginaRegistrata Stampata(const DatiSchedaRidotto& dati, const TaraturaScheda& t) {
  StampanteRegistrata p;
  StampaPaginaRidotto(p, t, dati);
  p.FineDocumento();
  return p.Documenti().at(0).pagine.at(0);
}

TEST(SchedaRidotto, PricesByCountAndSlipNumbers) {
  const std::tuple<int, int, std::string, std::string> casi[] = {
      {6, 1, "Scheda n. 01", "   € 2,00"},  {7, 12, "Scheda n. 12", "   € 3,00"},
      {8, 3, "Scheda n. 03", "   € 5,00"},  {9, 1234, "Scheda n. 1.234", "   € 10,00"}};
  for (const auto& [numeri, scheda, numero, prezzo] : casi) {
    DatiSchedaRidotto dati;
    for (int n = 1; n <= numeri; ++n) dati.numeri.push_back(static_cast<uint8_t>(n * 6));
    dati.numeroScheda = scheda;
    dati.costoColonna = 100;
    const PaginaRegistrata pagina = Stampata(dati, TaraturaPredefinita(LayoutScheda::Ridotti));
    const auto n = pagina.Testo("Scheda n. ");
    const auto importo = pagina.Testo("   €");
    ASSERT_TRUE(n && importo) << numeri;
    EXPECT_EQ(n->testo, numero);
    EXPECT_EQ(importo->testo, prezzo);
    EXPECT_EQ(importo->y, n->y);  // on the same line, after the slip number
    EXPECT_NEAR(importo->x, n->x + n->testo.size() * 0.5 * 8 * MM_PER_PUNTO, 1e-9);
  }
  EXPECT_EQ(ColonneRidotto(5), 0);
  EXPECT_EQ(ColonneRidotto(10), 0);
}

TEST(SchedaRidotto, MarksExtraBoxAndTextsAtTheCalibration) {
  DatiSchedaRidotto dati;
  dati.numeri = {55, 1, 6, 10, 5, 16, 46, 33};
  dati.numeroScheda = 2;
  dati.costoColonna = 100;
  dati.intestazione = "Ricevitoria";
  TaraturaScheda t = TaraturaPredefinita(LayoutScheda::Ridotti);
  t.kX = 8;
  t.kY = 7;
  t.kTop = 40;
  t.kLeft = 60;
  t.kWebX = 50;
  t.kWebY = 30;
  t.kNomeX = 20;
  t.kNomeY = 5;
  t.Marcatore = MARCATORE_NUMERO;
  const PaginaRegistrata p = Stampata(dati, t);
  // Ascending: 1, 5, 6, 10, 16, 33, 46, 55, then the extra box.
  const std::vector<std::pair<double, double>> attese = {{60 + 5 * 8, 40}, {60 + 9 * 8, 40}, {60, 47},
                                                         {60 + 4 * 8, 47}, {60, 54},         {60 + 7 * 8, 61},
                                                         {60, 75},         {60 + 9 * 8, 75}, {60 + 9 * 8 - 2, 40 + 8 * 7 - 2}};
  const auto riquadri = p.Di(Tipo::Riquadro);
  ASSERT_EQ(riquadri.size(), attese.size());
  for (size_t i = 0; i < attese.size(); ++i) {
    EXPECT_NEAR(riquadri[i].x, attese[i].first, 1e-4) << i;
    EXPECT_NEAR(riquadri[i].y, attese[i].second, 1e-4) << i;
  }
  EXPECT_EQ(p.Testi(), (std::vector<std::string>{"Ricevitoria", "01", "05", "06", "10", "16", "33", "46", "55",
                                                 "SISTEMA RIDOTTO", "Scheda n. 02", "   € 5,00",
                                                 "TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT"}));
  EXPECT_EQ(p.Testo("TremaluxorQVX")->x, 20);
  EXPECT_NEAR(p.Testo("TremaluxorQVX")->y, 5 + 2 * 1.15 * 24 * MM_PER_PUNTO, 1e-9);  // two lines ended in 24 pt
  EXPECT_EQ((std::pair{p.Testo("Ricevitoria")->x, p.Testo("Ricevitoria")->y}), (std::pair{50.0, 30.0}));

  // The default calibration puts the panel's first row at 43.3 mm and the
  // extra box at (133.8, 106.9).
  const auto predefinita = Stampata(dati, TaraturaPredefinita(LayoutScheda::Ridotti)).Di(Tipo::Riquadro);
  EXPECT_NEAR(predefinita.front().y, 43.3, 1e-4);
  EXPECT_NEAR(predefinita.back().x, 133.8, 1e-4);
  EXPECT_NEAR(predefinita.back().y, 106.9, 1e-4);
}

}  // namespace
