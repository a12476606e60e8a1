#include <gtest/gtest.h>

#include "conditions/Condizioni.h"

namespace tlx {
namespace {

TEST(Somma, LimitsComeFromTheFiveSmallestAndLargestChosenNumbers) {
  NumeriGriglia g{};
  for (int n : {55, 3, 30, 7, 12, 44, 1}) g[static_cast<size_t>(n - 1)] = 1;
  const LimitiSomma l = CalcolaLimitiSomma(g);
  EXPECT_EQ(std::pair(l.Minima, l.Massima), std::pair(1 + 3 + 7 + 12 + 30, 55 + 44 + 30 + 12 + 7));
}

// A box holds what its text begins with, rounded half to even; a value past
// the stored field's range is refused rather than wrapped.
TEST(Somma, ABoxValueIsTheNumberItsTextBeginsWithRoundedHalfToEven) {
  const std::pair<const char*, std::optional<int16_t>> casi[] = {
      {"", 0},      {"120.5", 120}, {"121.5", 122},          {"12,7", 12},           {"7.5.3", 8},
      {"abc", 0},   {"1e5", 1},     {"32767.4", 32767},      {"32767.5", std::nullopt},
      {"99999999999999999999999", std::nullopt}};
  for (const auto& [testo, memorizzato] : casi) EXPECT_EQ(ArrotondaSomma(ValoreCasella(testo)), memorizzato) << testo;
}

// Limits 15..40, bounds 3..7 stored before (outside them). An empty box
// stands for its stored bound; a failed check stores nothing.
TEST(Somma, ClosingChecksRunInOrderAndStoreOnlyBoundsThatPassed) {
  struct Caso {
    const char *da, *a;
    std::vector<std::string> messaggi;
    int16_t minimo, massimo;
  };
  const Caso casi[] = {
      {"200", "", {"'DA' è maggiore di 'A'"}, 3, 7},
      {"", "99999", {"'A' è maggiore del massimo"}, 3, 7},
      {"9", "5", {"'DA' è maggiore di 'A'", "'DA' è minore del minimo"}, 3, 7},
      {"15.5", "40.5", {"'A' è maggiore del massimo"}, 3, 7},
      {"", "30", {}, 3, 30},
      {"15.5", "32.5", {}, 16, 32},  // halves to even
      {"", "", {}, 3, 7},
  };
  for (const Caso& c : casi) {
    RecordCondizioni r;
    r.SommaMinMax = {3, 7};
    std::vector<std::string> messaggi;
    for (const ErroreSomma& e : ChiudiSomma(c.da, c.a, {15, 40}, r)) messaggi.push_back(e.messaggio.testo);
    EXPECT_EQ(std::tuple(messaggi, r.SommaMinMax), std::tuple(c.messaggi, std::array<int16_t, 2>{c.minimo, c.massimo}))
        << c.da << ".." << c.a;
  }
}

// The longest run shown is capped at the last label; mask bits with no label are kept.
TEST(Consecutivi, TheLongestRunIsCappedAtFiveAndTheHiddenBitsAreKept) {
  NumeriGriglia g{};
  for (int n : {3, 4, 5, 6, 7, 8, 20}) g[static_cast<size_t>(n - 1)] = 1;
  EXPECT_EQ(RunPiuLunga(g), 5);
  EXPECT_EQ(MascheraConsecutivi(int32_t(1) | (1 << 6) | (1 << 26), {false, true}), (1 << 6) | 2);
}

// A damaged file's flag other than 1 is no fixed number.
TEST(Fisse, OnlyFlagsOfOneOnChosenNumbersCount) {
  RecordCondizioni c;
  c.NumeriFissi[2] = 1;
  c.NumeriFissi[12] = 2;
  c.QuantiFissi = 2;
  NumeriGriglia scelti{};
  for (int n : {1, 2, 3, 4, 5, 12}) scelti[static_cast<size_t>(n - 1)] = 1;
  SceltaFisse f(c, scelti);
  EXPECT_EQ(f.Quanti(), 1);
  f.Clicca(0), f.Clicca(56), f.Scrivi(c);
  EXPECT_EQ(std::pair(c.NumeriFissi[12], c.QuantiFissi), std::pair(uint8_t{0}, uint8_t{1}));
}

}  // namespace
}  // namespace tlx
