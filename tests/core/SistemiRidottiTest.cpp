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

// The price follows the slip number on its line.
TEST(SchedaRidotto, PricesByCountAndSlipNumbers) {
  const std::tuple<int, int, std::string, std::string> casi[] = {
      {6, 1, "Scheda n. 01", "   € 2,00"},  {7, 12, "Scheda n. 12", "   € 3,00"},
      {8, 3, "Scheda n. 03", "   € 5,00"},  {9, 1234, "Scheda n. 1.234", "   € 10,00"}};
  for (const auto& [numeri, scheda, numero, prezzo] : casi) {
    DatiSchedaRidotto dati;
    dati.numeroScheda = scheda, dati.costoColonna = 100;
    for (int n = 1; n <= numeri; ++n) dati.numeri.push_back(static_cast<uint8_t>(n * 6));
    const PaginaRegistrata pagina = Stampata(dati, TaraturaPredefinita(LayoutScheda::Ridotti));
    const auto n = pagina.Testo("Scheda n. ");
    const auto importo = pagina.Testo("   €");
    ASSERT_TRUE(n && importo) << numeri;
    EXPECT_EQ(std::tuple(n->testo, importo->testo, importo->y), std::tuple(numero, prezzo, n->y));
    EXPECT_NEAR(importo->x, n->x + n->testo.size() * 0.5 * 8 * MM_PER_PUNTO, 1e-9);
  }
  EXPECT_EQ(std::pair(ColonneRidotto(5), ColonneRidotto(10)), std::pair(0, 0));
}

TEST(SchedaRidotto, MarksExtraBoxAndTextsAtTheCalibration) {
  DatiSchedaRidotto dati;
  dati.numeri = {55, 1, 6, 10, 5, 16, 46, 33}, dati.numeroScheda = 2, dati.costoColonna = 100;
  dati.intestazione = "Ricevitoria";
  // kX kY kTop kLeft kWebX kWebY kNomeX kNomeY, numbers on the squares.
  const TaraturaScheda t{8, 7, 40, 60, 50, 30, 20, 5, MARCATORE_NUMERO, qualita::Bassa, {}};
  const PaginaRegistrata p = Stampata(dati, t);
  // Ascending: 1, 5, 6, 10, 16, 33, 46, 55, then the extra box.
  const std::vector<std::pair<double, double>> attese = {{60 + 5 * 8, 40}, {60 + 9 * 8, 40}, {60, 47},
                                                         {60 + 4 * 8, 47}, {60, 54},         {60 + 7 * 8, 61},
                                                         {60, 75},         {60 + 9 * 8, 75}, {60 + 9 * 8 - 2, 40 + 8 * 7 - 2}};
  std::vector<std::pair<double, double>> riquadri;
  for (const OperazioneStampa& o : p.Di(Tipo::Riquadro)) riquadri.emplace_back(o.x, o.y);
  EXPECT_EQ(riquadri, attese);
  EXPECT_EQ(p.Testi(), (std::vector<std::string>{"Ricevitoria", "01", "05", "06", "10", "16", "33", "46", "55",
                                                 "SISTEMA RIDOTTO", "Scheda n. 02", "   € 5,00",
                                                 "TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT"}));
  EXPECT_EQ(p.Testo("TremaluxorQVX")->x, 20);
  EXPECT_NEAR(p.Testo("TremaluxorQVX")->y, 5 + 2 * 1.15 * 24 * MM_PER_PUNTO, 1e-9);  // two lines ended in 24 pt
  EXPECT_EQ((std::pair{p.Testo("Ricevitoria")->x, p.Testo("Ricevitoria")->y}), (std::pair{50.0, 30.0}));
}

}  // namespace
