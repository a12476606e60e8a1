#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "archive/Statistiche.h"
#include "CartellaTemporanea.h"

namespace tlx {
namespace {

using Tabella = std::array<int32_t, 6>;

// Six draws, oldest first, worked by hand: sorted numbers, even count, sum
// (class), longest run, numbers shared with the draw before.
const std::vector<Estrazione> SEI = {
    {"d1        ", {3, 4, 5, 20, 21}},     // even 2, sum 53 (1), run 3, -
    {"d2        ", {1, 3, 5, 7, 9}},       // even 0, sum 25 (1), run 1, 2 (3 5)
    {"d3        ", {55, 54, 10, 11, 12}},  // even 3, sum 142 (3), run 3, 0
    {"d4        ", {50, 40, 30, 20, 11}},  // even 4, sum 151 (3), run 1, 1 (11)
    {"d5        ", {44, 45, 46, 47, 48}},  // even 3, sum 230 (5), run 5, 0
    {"d6        ", {44, 45, 2, 4, 6}},     // even 4, sum 101 (2), run 2, 2 (44 45)
};

TEST(Statistiche, TablesOfASmallArchive) {
  const Statistiche s = CalcolaStatistiche(SEI);
  EXPECT_EQ(std::tuple(s.Consecutivi, s.Ripetuti, s.Pari, s.Dispari, s.Somma),
            std::tuple(Tabella{0, 2, 1, 2, 0, 1}, Tabella{2, 1, 2, 0, 0, 0}, Tabella{1, 0, 1, 2, 2, 0},
                       Tabella{0, 2, 2, 1, 0, 1}, Tabella{0, 2, 1, 2, 0, 1}));
  // Drawn twice: 3 4 5 11 20 44 45, the higher first; 8 is the lowest never drawn.
  const int32_t primi[] = {45, 44, 20, 11, 5, 4, 3, 55};
  for (size_t j = 0; j < std::size(primi); ++j) EXPECT_EQ(s.FrequenzaNumeri[1][j + 1], primi[j]) << "rank " << j + 1;
  EXPECT_EQ(std::pair(s.FrequenzaNumeri[0][7], s.FrequenzaNumeri[0][8]), std::pair(2, 1));
  EXPECT_EQ(s.FrequenzaNumeri[1][55], 8);
  // The bounds of the sum classes.
  const std::pair<int, int> bordi[] = {{15, 1}, {65, 1}, {66, 2}, {115, 2}, {116, 3}, {215, 4}, {216, 5}, {265, 5}};
  for (const auto& [somma, classe] : bordi) EXPECT_EQ(ClasseSomma(somma), classe) << somma;
}

TEST(Statistiche, EmptyArchive) {
  const Statistiche s = CalcolaStatistiche({});
  for (const Tabella& t : {s.Consecutivi, s.Ripetuti, s.Pari, s.Dispari, s.Somma}) EXPECT_EQ(t, Tabella{});
  for (size_t j = 1; j <= NUMERI; ++j) EXPECT_EQ(s.FrequenzaNumeri[1][j], static_cast<int32_t>(56 - j));
}

TEST(Statistiche, TheFileIsWrittenInWindows1252) {
  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File(NomeFileStatistiche({2026, 12, 6, 9, 5, 3}));
  EXPECT_TRUE(percorso.ends_with("/trlxqvx_20261206_090503.csv"));
  ASSERT_TRUE(ScriviFileStatistiche({{"lunedì    ", {1, 2, 3, 4, 5}}}, percorso).empty());
  std::ifstream in(percorso, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
            "Data;P1;P2;P3;P4;P5;Ripetuti;Pari;Dispari;Consecutivi;Somma\r\nluned\xEC    ;01;02;03;04;05;;2;3;5;15\r\n");
}

}  // namespace
}  // namespace tlx
