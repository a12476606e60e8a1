#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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

TEST(Statistiche, PerDrawMeasures) {
  struct Caso {
    std::array<uint8_t, 5> ordinati;
    int pari, somma, classe, consecutivi;
  };
  const Caso casi[] = {
      {{1, 3, 5, 7, 9}, 0, 25, 1, 1}, {{51, 52, 53, 54, 55}, 2, 265, 5, 5}, {{1, 2, 4, 5, 6}, 3, 18, 1, 3},
      {{10, 20, 30, 36, 40}, 5, 136, 3, 1},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(ContaPari(c.ordinati), c.pari);
    EXPECT_EQ(SommaNumeri(c.ordinati), c.somma);
    EXPECT_EQ(ClasseSomma(c.somma), c.classe);
    EXPECT_EQ(MaxConsecutivi(c.ordinati), c.consecutivi);
  }
  // The bounds of every sum class.
  const std::pair<int, int> bordi[] = {{15, 1}, {65, 1}, {66, 2}, {115, 2}, {116, 3}, {165, 3},
                                       {166, 4}, {215, 4}, {216, 5}, {265, 5}};
  for (const auto& [somma, classe] : bordi) EXPECT_EQ(ClasseSomma(somma), classe) << somma;
  EXPECT_EQ(ContaRipetuti(std::array<uint8_t, 5>{1, 2, 3, 4, 5}, std::array<uint8_t, 5>{5, 9, 1, 8, 7}), 2);
}

TEST(Statistiche, TablesOfASmallArchive) {
  const Statistiche s = CalcolaStatistiche(SEI);
  EXPECT_EQ(s.Consecutivi, (Tabella{0, 2, 1, 2, 0, 1}));
  EXPECT_EQ(s.Ripetuti, (Tabella{2, 1, 2, 0, 0, 0}));
  EXPECT_EQ(s.Pari, (Tabella{1, 0, 1, 2, 2, 0}));
  EXPECT_EQ(s.Dispari, (Tabella{0, 2, 2, 1, 0, 1}));
  EXPECT_EQ(s.Somma, (Tabella{0, 2, 1, 2, 0, 1}));
  // Drawn twice: 3 4 5 11 20 44 45, the higher first; 8 is the lowest never drawn.
  const int32_t primi[] = {45, 44, 20, 11, 5, 4, 3, 55};
  for (size_t j = 0; j < std::size(primi); ++j) EXPECT_EQ(s.FrequenzaNumeri[1][j + 1], primi[j]) << "rank " << j + 1;
  EXPECT_EQ(s.FrequenzaNumeri[0][7], 2);
  EXPECT_EQ(s.FrequenzaNumeri[0][8], 1);
  EXPECT_EQ(s.FrequenzaNumeri[1][55], 8);
}

TEST(Statistiche, EmptyArchive) {
  const Statistiche s = CalcolaStatistiche({});
  for (const Tabella& t : {s.Consecutivi, s.Ripetuti, s.Pari, s.Dispari, s.Somma}) EXPECT_EQ(t, Tabella{});
  for (size_t j = 1; j <= NUMERI; ++j) {
    EXPECT_EQ(s.FrequenzaNumeri[1][j], static_cast<int32_t>(56 - j));
    EXPECT_EQ(s.FrequenzaNumeri[0][j], 0);
  }
  EXPECT_EQ(TestoFileStatistiche({}), "Data;P1;P2;P3;P4;P5;Ripetuti;Pari;Dispari;Consecutivi;Somma\r\n");
}

TEST(Statistiche, FileLinesNewestFirstInDrawnOrder) {
  const std::string testo = TestoFileStatistiche(SEI);
  EXPECT_EQ(testo,
            "Data;P1;P2;P3;P4;P5;Ripetuti;Pari;Dispari;Consecutivi;Somma\r\n"
            "d6        ;44;45;02;04;06;2;4;1;2;101\r\n"
            "d5        ;44;45;46;47;48;0;3;2;5;230\r\n"
            "d4        ;50;40;30;20;11;1;4;1;1;151\r\n"
            "d3        ;55;54;10;11;12;0;3;2;3;142\r\n"
            "d2        ;01;03;05;07;09;2;0;5;1;25\r\n"
            "d1        ;03;04;05;20;21;;2;3;3;53\r\n");

  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File(NomeFileStatistiche({2026, 12, 6, 9, 5, 3}));
  EXPECT_TRUE(percorso.ends_with("/trlxqvx_20261206_090503.csv"));
  const std::vector<Estrazione> accentata{{"lunedì    ", {1, 2, 3, 4, 5}}};
  ASSERT_TRUE(ScriviFileStatistiche(accentata, percorso).empty());
  std::ifstream in(percorso, std::ios::binary);
  const std::string scritto{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_NE(scritto.find("\r\nluned\xEC    ;01;02;03;04;05;;2;3;5;15\r\n"), std::string::npos) << "Windows-1252";

  const Messaggi errore = ScriviFileStatistiche(SEI, cartella.File("manca/x.csv"));
  ASSERT_EQ(errore.size(), 1u);
  EXPECT_EQ(errore[0].testo, "Error 76 (Path not found) in procedure Statistiche of Form frmStatistiche");
}

TEST(Statistiche, OldFilesDeletedOthersKept) {
  prova::CartellaTemporanea cartella;
  for (const char* nome : {"trlxqvx_XX.csv", "trlxqvx_20261206_090503.csv", "altro.csv", "trlxqvx_1.txt"})
    std::ofstream(cartella.File(nome)) << "x";
  EXPECT_EQ(CancellaFileStatistiche(cartella.Percorso().string()), 0);
  EXPECT_EQ(cartella.Contenuto(), (std::vector<std::string>{"altro.csv", "trlxqvx_1.txt"}));
  EXPECT_EQ(CancellaFileStatistiche(cartella.File("manca")), 0);
}

TEST(Statistiche, ChartRows) {
  const Statistiche s = CalcolaStatistiche(SEI);
  // Each count chart from its own table, the runs from 1.
  const std::tuple<Grafico, const char*, std::vector<int32_t>> conteggi[] = {
      {Grafico::Consecutivi, "Consecutivi", {2, 1, 2, 0, 1}},
      {Grafico::Ripetuti, "Ripetuti", {2, 1, 2, 0, 0, 0}},
      {Grafico::Pari, "Pari", {1, 0, 1, 2, 2, 0}},
      {Grafico::Dispari, "Dispari", {0, 2, 2, 1, 0, 1}}};
  for (const auto& [grafico, titolo, valori] : conteggi) {
    const DatiGrafico d = DatiDelGrafico(s, grafico);
    EXPECT_EQ(d.titolo, titolo);
    EXPECT_EQ(d.valori, valori) << titolo;
  }
  EXPECT_EQ(DatiDelGrafico(s, Grafico::Consecutivi).etichette,
            (std::vector<std::string>{"01 -->      2", "02 -->      1", "03 -->      2", "04 -->      0", "05 -->      1"}));
  const DatiGrafico somma = DatiDelGrafico(s, Grafico::Somma);
  EXPECT_EQ(somma.etichette.front(), "015-065 -->      2");
  EXPECT_EQ(somma.etichette.back(), "216-265 -->      1");
  const DatiGrafico frequenza = DatiDelGrafico(s, Grafico::Frequenza);
  EXPECT_EQ(frequenza.titolo, "Frequenza Numeri");
  ASSERT_EQ(frequenza.valori.size(), 55u);
  EXPECT_EQ(frequenza.etichette.front(), "45 -->      2");
  EXPECT_EQ(frequenza.etichette.back(), "08 -->      0");
}

}  // namespace
}  // namespace tlx
