#include <gtest/gtest.h>

#include "CartellaTemporanea.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "core/Procedure.h"

namespace tlx {
namespace {

namespace fs = std::filesystem;

using prova::CartellaTemporanea;

std::string Leggi(const std::string& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(MascheraInTesto, SetBitsZeroToFiveAsTwoDigitNumbers) {
  EXPECT_EQ(MascheraInTesto(62), "01 02 03 04 05");
  EXPECT_EQ(MascheraInTesto(0), "");
  EXPECT_EQ(MascheraInTesto(1), "00");
  EXPECT_EQ(MascheraInTesto(0b100101), "00 02 05");
  // Bits past 5 name no count of a column.
  EXPECT_EQ(MascheraInTesto(64 | 128 | 8), "03");
  for (int32_t m : {0, 1, 62, 63, 21, 40}) EXPECT_EQ(MascheraInTesto2(m), MascheraInTesto(m)) << m;
}

TEST(ArrayInTesto, TwoDigitsSeparatedByTheGivenBlanks) {
  const std::array<uint8_t, 3> valori{1, 22, 3};
  EXPECT_EQ(ArrayInTesto(valori, 2), "01  22  03");
  EXPECT_EQ(ArrayInTesto(valori, 1), "01 22 03");
  EXPECT_EQ(ArrayInTesto(valori, 0), "012203");
  EXPECT_EQ(ArrayInTesto(valori, -3), "012203");
  EXPECT_EQ(ArrayInTesto({}, 2), "");
  const std::array<uint8_t, 2> zeri{0, 55};
  EXPECT_EQ(ArrayInTesto(zeri, 1), "00 55");
}

TEST(FormattaDataOra, StampsWithTwoDigitFields) {
  EXPECT_EQ(FormattaData({2018, 2, 7, 9, 5, 3}), "20180207");
  EXPECT_EQ(FormattaOra({2018, 2, 7, 9, 5, 3}), "090503");
  EXPECT_EQ(FormattaData({1999, 12, 31, 23, 59, 58}), "19991231");
  EXPECT_EQ(FormattaOra({1999, 12, 31, 23, 59, 58}), "235958");
  EXPECT_EQ(FormattaOra({2020, 1, 1, 0, 0, 0}), "000000");
}

TEST(NormalizzaSpazi, TabsAndLineBreaksBecomeSingleBlanks) {
  std::string riga = "1\t2\t3\t4\t5\r\n";
  EXPECT_EQ(NormalizzaSpazi(riga), "1 2 3 4 5");
  EXPECT_EQ(riga, "1 2 3 4 5");

  std::string blank = "   10    20 \t 30   ";
  EXPECT_EQ(&NormalizzaSpazi(blank), &blank);
  EXPECT_EQ(blank, "10 20 30");

  // A CR left by a line read up to LF is a line break as well.
  std::string cr = "7 8\r";
  EXPECT_EQ(NormalizzaSpazi(cr), "7 8");

  std::string vuota = " \t\r\n ";
  EXPECT_EQ(NormalizzaSpazi(vuota), "");
  std::string altro = "a-b,c";
  EXPECT_EQ(NormalizzaSpazi(altro), "a-b,c");
}

TEST(OrdinaColonna, SortsTheFivePositionsOnly) {
  std::array<uint8_t, 7> righe{55, 3, 21, 8, 40, 1, 99};
  OrdinaColonna(righe.data());
  EXPECT_EQ(righe, (std::array<uint8_t, 7>{3, 8, 21, 40, 55, 1, 99}));

  std::array<uint8_t, 5> inversa{5, 4, 3, 2, 1};
  OrdinaColonna(inversa.data());
  EXPECT_EQ(inversa, (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));

  std::array<uint8_t, 5> conVuoti{9, 0, 9, 0, 1};
  OrdinaColonna(conVuoti.data());
  EXPECT_EQ(conVuoti, (std::array<uint8_t, 5>{0, 0, 1, 9, 9}));

  // One row of a column table: its neighbours stay as they are.
  std::array<uint8_t, 15> tabella{5, 4, 3, 2, 1, 50, 40, 30, 20, 10, 9, 7, 8, 6, 5};
  OrdinaColonna(tabella.data() + 5);
  EXPECT_EQ(tabella, (std::array<uint8_t, 15>{5, 4, 3, 2, 1, 10, 20, 30, 40, 50, 9, 7, 8, 6, 5}));
}

TEST(FileExists, OnlyForAnExistingFile) {
  CartellaTemporanea dir;
  std::ofstream(dir.File("c.cfg")) << "x";
  EXPECT_TRUE(FileExists(dir.File("c.cfg")));
  EXPECT_FALSE(FileExists(dir.Percorso().string()));
  EXPECT_FALSE(FileExists(dir.File("manca.cfg")));
  EXPECT_FALSE(FileExists(dir.File("manca/c.cfg")));
  EXPECT_FALSE(FileExists(""));
}

TEST(CsvGriglia, OneLinePerRowEachCellFollowedBySemicolon) {
  CartellaTemporanea dir;
  const std::vector<std::vector<std::string>> celle = {{"Data", "Punti", "Vincita"}, {"01/02/2018", "3", "50"}};
  Messaggi errori;
  ASSERT_TRUE(ScriviCsvGriglia(celle, dir.File("r.csv"), &errori));
  EXPECT_TRUE(errori.empty());
  EXPECT_EQ(Leggi(dir.File("r.csv")), "Data;Punti;Vincita;\r\n01/02/2018;3;50;\r\n");
}

TEST(CsvGriglia, ReplacesContentAndDoesNotQuote) {
  CartellaTemporanea dir;
  std::ofstream(dir.File("r.csv")) << std::string(5000, 'v');
  ASSERT_TRUE(ScriviCsvGriglia({{"a;b", "", "c\"d"}}, dir.File("r.csv"), nullptr));
  EXPECT_EQ(Leggi(dir.File("r.csv")), "a;b;;c\"d;\r\n");
  ASSERT_TRUE(ScriviCsvGriglia({}, dir.File("r.csv"), nullptr));
  EXPECT_EQ(Leggi(dir.File("r.csv")), "");
}

TEST(CsvGriglia, FailureIsReportedWithTheCoreMessage) {
  CartellaTemporanea dir;
  const std::vector<std::vector<std::string>> celle = {{"a"}};
  Messaggi errori;
  EXPECT_FALSE(ScriviCsvGriglia(celle, dir.File("manca/r.csv"), &errori));
  ASSERT_EQ(errori.size(), 1u);
  EXPECT_EQ(errori[0].testo, "Error 76 (Path not found) in procedure MSHFlexGridTocsv of Module Corpo");
  EXPECT_EQ(errori[0].icona, Icona::Nessuna);
  EXPECT_EQ(errori[0].pulsanti, Pulsanti::Ok);
  EXPECT_EQ(errori[0].titolo, "");

  EXPECT_FALSE(ScriviCsvGriglia(celle, dir.Percorso().string(), &errori));
  ASSERT_EQ(errori.size(), 2u);
  EXPECT_EQ(errori[1].testo, "Error 75 (Path/File access error) in procedure MSHFlexGridTocsv of Module Corpo");

  EXPECT_FALSE(ScriviCsvGriglia(celle, dir.File("manca/r.csv"), nullptr));
}

TEST(CsvGriglia, WriteThatCannotCompleteIsNotSuccess) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
  Messaggi errori;
  EXPECT_FALSE(ScriviCsvGriglia({{"a", "b"}}, "/dev/full", &errori));
  ASSERT_EQ(errori.size(), 1u);
  EXPECT_EQ(errori[0].testo, "Error 61 (Disk full) in procedure MSHFlexGridTocsv of Module Corpo");
}

}  // namespace
}  // namespace tlx
