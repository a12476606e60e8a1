#include <gtest/gtest.h>

#include "conditions/Condizioni.h"

namespace tlx {
namespace {

NumeriGriglia Griglia(std::initializer_list<int> numeri) {
  NumeriGriglia g{};
  for (int n : numeri) g[static_cast<size_t>(n - 1)] = 1;
  return g;
}

TEST(Somma, LimitsComeFromTheFiveSmallestAndLargestChosenNumbers) {
  struct Caso {
    NumeriGriglia scelti;
    int minima, massima;
  };
  const Caso casi[] = {{Griglia({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 15, 40},
                       {Griglia({51, 52, 53, 54, 55}), 265, 265},
                       {Griglia({55, 3, 30, 7, 12, 44, 1}), 1 + 3 + 7 + 12 + 30, 55 + 44 + 30 + 12 + 7}};
  for (const Caso& c : casi) {
    const LimitiSomma l = CalcolaLimitiSomma(c.scelti);
    EXPECT_EQ(l.Minima, c.minima);
    EXPECT_EQ(l.Massima, c.massima);
  }
}

TEST(Somma, ABoxValueIsTheNumberItsTextBeginsWithRoundedHalfToEven) {
  struct Caso {
    const char* testo;
    double valore;
    std::optional<int16_t> memorizzato;
  };
  const Caso casi[] = {
      {"", 0, 0},          {"120", 120, 120},     {"120.5", 120.5, 120}, {"121.5", 121.5, 122},
      {"99.51", 99.51, 100}, {"12,7", 12, 12},    {"7.5.3", 7.5, 8},     {".5", 0.5, 0},
      {"1.5", 1.5, 2},     {"5.", 5, 5},          {".", 0, 0},           {"abc", 0, 0},
      {"1e5", 1, 1},       {"32767.4", 32767.4, 32767}, {"32767.5", 32767.5, std::nullopt},
      {"999999", 999999, std::nullopt}, {"99999999999999999999999", 1e23, std::nullopt},
  };
  for (const Caso& c : casi) {
    EXPECT_DOUBLE_EQ(ValoreCasella(c.testo), c.valore) << c.testo;
    EXPECT_EQ(ArrotondaSomma(ValoreCasella(c.testo)), c.memorizzato) << c.testo;
  }
}

TEST(Somma, ClosingChecksRunInOrderAndStoreOnlyWhatFits) {
  const LimitiSomma limiti{15, 40};
  struct Caso {
    const char* da;
    const char* a;
    std::vector<std::string> messaggi;
    std::vector<bool> fuocoSuA;
    int16_t minimo, massimo;
  };
  const Caso casi[] = {
      {"20", "30", {}, {}, 20, 30},
      {"200", "", {"'DA' è maggiore di 'A'"}, {true}, 200, 7},
      {"", "", {}, {}, 3, 7},
      {"10", "50", {"'DA' è minore del minimo", "'A' è maggiore del massimo"}, {false, true}, 10, 50},
      {"10", "5", {"'DA' è maggiore di 'A'", "'DA' è minore del minimo"}, {true, false}, 10, 5},
      {"", "99999", {"'A' è maggiore del massimo"}, {true}, 3, 7},
      {"15.5", "40.5", {"'A' è maggiore del massimo"}, {true}, 16, 40},
  };
  for (const Caso& c : casi) {
    std::vector<std::string> messaggi;
    std::vector<bool> fuoco;
    for (const ErroreSomma& e : ControllaSomma(c.da, c.a, limiti)) {
      messaggi.push_back(e.messaggio.testo);
      fuoco.push_back(e.FuocoSuA);
      EXPECT_EQ(e.messaggio.icona, Icona::Esclamazione);
    }
    EXPECT_EQ(messaggi, c.messaggi) << c.da << ".." << c.a;
    EXPECT_EQ(fuoco, c.fuocoSuA) << c.da << ".." << c.a;
    RecordCondizioni r;
    r.SommaMinMax = {3, 7};
    MemorizzaSomma(c.da, c.a, r);
    EXPECT_EQ(r.SommaMinMax[0], c.minimo) << c.da;
    EXPECT_EQ(r.SommaMinMax[1], c.massimo) << c.a;
  }
  EXPECT_EQ(ControllaSomma("41", "42", limiti).front().messaggio.titolo, "!!! E R R O R E !!!");
  EXPECT_EQ(ControllaSomma("9", "8", limiti).front().messaggio.titolo, " !!! E R R O R E !!! ");
}

TEST(Somma, AStoredBoundIsShownOnlyWhenSetAndWithinTheLimits) {
  const LimitiSomma limiti{15, 40};
  const std::pair<int16_t, int32_t> casi[] = {{0, 15}, {14, 15}, {15, 15}, {27, 27}, {40, 40}, {41, 15}, {-3, 15}};
  for (const auto& [memorizzata, mostrata] : casi) EXPECT_EQ(SommaMostrata(memorizzata, 15, limiti), mostrata);
}

TEST(Consecutivi, TheLongestRunIsCappedAtFiveAndTheHiddenBitsAreKept) {
  EXPECT_EQ(RunPiuLunga(Griglia({3, 4, 5, 6, 7, 8, 20})), 5);
  EXPECT_EQ(RunPiuLunga(Griglia({1, 3, 5, 7, 9})), 1);
  EXPECT_EQ(RunPiuLunga(Griglia({1, 2, 10, 11, 12, 54, 55})), 3);
  EXPECT_EQ(RunPiuLunga(Griglia({})), 1);

  EXPECT_EQ(MascheraConsecutivi(0, {false, false, true, true, false, false}), 12);
  EXPECT_EQ(MascheraConsecutivi(0b111110, {}), 0);
  // Bit 0 and bits above 25 stand for no label at all; bits 6..25 for hidden ones.
  EXPECT_EQ(MascheraConsecutivi(int32_t(1) | (1 << 6) | (1 << 25) | (1 << 26), {false, true}), (1 << 6) | (1 << 25) | 2);
}

TEST(Riduzioni, StoredValuesAreBroughtIntoRange) {
  const std::tuple<uint8_t, uint8_t, uint8_t> casi[] = {{0, 1, 0}, {1, 1, 1}, {5, 5, 4}, {7, 5, 4}, {255, 5, 4}, {3, 3, 3}};
  for (const auto& [memorizzato, distanza, garanzia] : casi) {
    EXPECT_EQ(DistanzaCorretta(memorizzato), distanza);
    EXPECT_EQ(GaranziaCorretta(memorizzato), garanzia);
  }
}

TEST(Fisse, AtMostFourChosenNumbersAreMarkedAndNumbersNoLongerChosenAreDropped) {
  RecordCondizioni c;
  for (int n : {2, 9, 30}) c.NumeriFissi[static_cast<size_t>(n)] = 1;
  c.NumeriFissi[12] = 2;  // not a fixed flag
  c.QuantiFissi = 3;
  const NumeriGriglia scelti = Griglia({1, 2, 3, 4, 5, 12, 30, 40});
  SceltaFisse f(c, scelti);
  EXPECT_EQ(f.Quanti(), 2);
  EXPECT_TRUE(f.Fisso(2));
  EXPECT_FALSE(f.Fisso(9));

  for (int n : {9, 1, 3, 4, 5}) f.Clicca(n);  // 9 is not chosen; 5 would be the fifth
  EXPECT_EQ(f.Quanti(), 4);
  EXPECT_FALSE(f.Fisso(9));
  EXPECT_FALSE(f.Fisso(4));
  EXPECT_FALSE(f.Fisso(5));
  f.Clicca(2);
  f.Clicca(5);
  EXPECT_EQ(f.Quanti(), 4);
  EXPECT_TRUE(f.Fisso(5));
  f.Clicca(0);
  f.Clicca(56);

  f.Scrivi(c);
  std::vector<int> fissi;
  for (int n = 1; n <= NUMERI; ++n)
    if (c.NumeriFissi[static_cast<size_t>(n)] != 0) fissi.push_back(n);
  EXPECT_EQ(fissi, (std::vector<int>{1, 3, 5, 30}));
  EXPECT_EQ(c.QuantiFissi, 4);
}

}  // namespace
}  // namespace tlx
