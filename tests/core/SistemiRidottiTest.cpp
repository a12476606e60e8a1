#include <gtest/gtest.h>

#include <set>

#include "printing/SistemiRidotti.h"

namespace {
using namespace tlx;

struct MetricaProva : MetricaRighe {
  double AltezzaRiga(const Carattere& c) const override { return c.punti == 24 ? 10 : 3; }
};

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
      EXPECT_GE(*distinti.begin(), 1);
      EXPECT_LE(*distinti.rbegin(), 55);
      visti.insert(sistema.begin(), sistema.end());
    }
    EXPECT_EQ(visti.size(), 55u);  // every number can come up, 1 and 55 included
    std::mt19937 stesso(static_cast<uint32_t>(numeri)), altro(99);
    EXPECT_EQ(GeneraRidottiCasuali(55, numeri, 2000, stesso), sistemi);
    EXPECT_NE(GeneraRidottiCasuali(55, numeri, 2000, altro), sistemi);
  }
  std::mt19937 g(1);
  EXPECT_EQ(GeneraRidottiCasuali(5, 5, 1, g).front().size(), 5u);  // as many as there are: still ends
  for (auto [massimo, numeri, sistemi] : {std::tuple{55, 56, 1}, {55, 0, 1}, {55, 6, 0}, {0, 6, 1}})
    EXPECT_TRUE(GeneraRidottiCasuali(massimo, numeri, sistemi, g).empty());
}

TEST(SchedaRidotto, PricesByCountAndSlipNumbers) {
  const std::tuple<int, int, std::string> casi[] = {{6, 1, "   € 2,00"},   {7, 12, "   € 3,00"}, {8, 3, "   € 5,00"},
                                                    {9, 1234, "   € 10,00"}, {5, 1, "   € 0,00"}};
  for (const auto& [numeri, scheda, prezzo] : casi) {
    DatiSchedaRidotto dati;
    for (int n = 1; n <= numeri; ++n) dati.numeri.push_back(static_cast<uint8_t>(n * 6));
    dati.numeroScheda = scheda;
    dati.costoColonna = 100;
    const Pagina p = ImpaginaSchedaRidotto(dati, TaraturaScheda{}, MetricaProva{});
    const RigaTesto& riga = p.righe[p.righe.size() - 2];
    ASSERT_EQ(riga.segmenti.size(), 2u);
    EXPECT_EQ(riga.segmenti[1].testo, prezzo) << numeri;
    EXPECT_EQ(riga.segmenti[1].carattere.punti, 24);
    EXPECT_EQ(riga.segmenti[0].testo, scheda == 1234 ? "Scheda n. 1.234" : scheda == 12 ? "Scheda n. 12" : "Scheda n. 0" + std::to_string(scheda));
  }
  EXPECT_EQ(EtichettaAvanzamento(1234), "Scheda n. 01234");
  EXPECT_EQ(ColonneRidotto(10), 0);
}

TEST(SchedaRidotto, MarksExtraBoxAndTextsAtTheCalibration) {
  DatiSchedaRidotto dati;
  dati.numeri = {55, 1, 6, 10, 5, 16, 46, 33};
  dati.numeroScheda = 2;
  dati.costoColonna = 100;
  dati.intestazione = "Ricevitoria";
  TaraturaScheda t;
  t.kX = 8;
  t.kY = 7;
  t.kTop = 40;
  t.kLeft = 60;
  t.kWebX = 50;
  t.kWebY = 30;
  t.kNomeX = 20;
  t.kNomeY = 5;
  for (int16_t marcatore : {int16_t{9999}, int16_t{1111}}) {
    t.Marcatore = marcatore;
    const Pagina p = ImpaginaSchedaRidotto(dati, t, MetricaProva{});
    const std::vector<std::pair<double, double>> attese = {{60 + 9 * 8, 40 + 5 * 7}, {60 + 5 * 8, 40},
                                                           {60, 47},           {60 + 4 * 8, 47},
                                                           {60 + 9 * 8, 40},   {60, 54},
                                                           {60, 40 + 5 * 7},   {60 + 7 * 8, 61},
                                                           {60 + 9 * 8 - 2, 40 + 8 * 7 - 2}};  // the extra box
    ASSERT_EQ(p.riquadri.size(), attese.size());
    for (size_t i = 0; i < attese.size(); ++i) {
      EXPECT_NEAR(p.riquadri[i].x1, attese[i].first, 1e-4) << i;
      EXPECT_NEAR(p.riquadri[i].y1, attese[i].second, 1e-4) << i;
      EXPECT_NEAR(p.riquadri[i].x2 - p.riquadri[i].x1, 4, 1e-9);
      EXPECT_NEAR(p.riquadri[i].y2 - p.riquadri[i].y1, 4, 1e-9);
      EXPECT_TRUE(p.riquadri[i].pieno);
    }
    std::vector<std::string> testi;
    for (const RigaTesto& r : p.righe) testi.push_back(r.Testo());
    std::vector<std::string> attesi = {"Ricevitoria"};
    if (marcatore == 1111) attesi.insert(attesi.end(), {"55", "01", "06", "10", "05", "16", "46", "33"});
    attesi.insert(attesi.end(), {"SISTEMA RIDOTTO", "Scheda n. 02   € 5,00",
                                 "TremaluxorQVX by Velmora - WWW.TREMALUXORQVX.IT"});
    EXPECT_EQ(testi, attesi);
    const RigaTesto& piede = p.righe.back();
    EXPECT_EQ(piede.x, 20);
    EXPECT_EQ(piede.y, 25);  // two lines ended in the 24 pt font
    EXPECT_EQ(p.righe.front().x, 50);
    EXPECT_EQ(p.righe.front().y, 30);
  }

  // The default calibration puts the extra box at (133.8, 106.9).
  const Pagina p = ImpaginaSchedaRidotto(dati, TaraturaScheda{}, MetricaProva{});
  EXPECT_NEAR(p.riquadri.back().x1, 133.8, 1e-4);
  EXPECT_NEAR(p.riquadri.back().y1, 106.9, 1e-4);
}

}  // namespace
