#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

#include "../GuastiFile.h"
#include "CartellaTemporanea.h"
#include "core/Procedure.h"

namespace {
using namespace tlx;

TEST(ProcedureTesto, MasksArraysStampsBlankNormalisingAndColumnSort) {
  const std::array<uint8_t, 3> valori{1, 22, 0};
  std::string righe[] = {"   10  \t 20 \r\n 30   ", " \t\r\n "};
  const std::pair<std::string, std::string> casi[] = {
      {MascheraInTesto(62), "01 02 03 04 05"}, {MascheraInTesto(0b100101), "00 02 05"},
      {MascheraInTesto(64 | 128 | 8), "03"}, {MascheraInTesto2(64 | 1), "00"},  // bits past 5 name no count
      {ArrayInTesto(valori, 2), "01  22  00"}, {ArrayInTesto(valori, -3), "012200"},
      {FormattaData({1999, 2, 7, 9, 5, 3}) + FormattaOra({1999, 2, 7, 9, 5, 3}), "19990207090503"},
      {NormalizzaSpazi(righe[0]), "10 20 30"}, {NormalizzaSpazi(righe[1]), ""}};
  for (size_t i = 0; i < std::size(casi); ++i) EXPECT_EQ(casi[i].first, casi[i].second) << "case " << i;
  EXPECT_EQ(righe[0], "10 20 30");  // normalised in place
  std::array<uint8_t, 10> tabella{5, 4, 3, 2, 1, 9, 0, 9, 0, 1};
  OrdinaColonna(tabella.data() + 5);  // only its five positions
  EXPECT_EQ(tabella, (std::array<uint8_t, 10>{5, 4, 3, 2, 1, 0, 0, 1, 9, 9}));
  // Every order of five values, repeats included, comes out sorted.
  for (int codice = 0; codice < 5 * 5 * 5 * 5 * 5; ++codice) {
    std::array<uint8_t, 5> colonna;
    for (int p = 0, resto = codice; p < 5; ++p, resto /= 5) colonna[static_cast<size_t>(p)] = static_cast<uint8_t>(resto % 5 * 50);
    std::array<uint8_t, 5> attesa = colonna;
    std::sort(attesa.begin(), attesa.end());
    OrdinaColonna(colonna.data());
    ASSERT_EQ(colonna, attesa) << codice;
  }
}

TEST(FileExists, OnlyForAnExistingFile) {
  prova::CartellaTemporanea dir;
  std::ofstream(dir.File("c.cfg")) << "x";
  EXPECT_TRUE(FileExists(dir.File("c.cfg")));
  for (const std::string& percorso : {dir.Percorso().string(), dir.File("manca/c"), std::string()})
    EXPECT_FALSE(FileExists(percorso)) << percorso;
}

TEST(CsvGriglia, ReplacesTheFileWithoutQuotingAndReportsEveryFailure) {
  prova::CartellaTemporanea dir;
  std::ofstream(dir.File("r.csv")) << std::string(5000, 'v');
  ASSERT_TRUE(ScriviCsvGriglia({{"Data", "Punti"}, {"a;b", "", "c\"d"}}, dir.File("r.csv"), nullptr));
  std::ifstream in(dir.File("r.csv"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Data;Punti;\r\na;b;;c\"d;\r\n");

  const std::pair<std::string, std::string> casi[] = {
      {dir.File("manca/r.csv"), "76 (Path not found)"}, {dir.Percorso().string(), "75 (Path/File access error)"},
      {"/dev/full", "61 (Disk full)"}};  // a write that cannot complete is no success
  for (const auto& [percorso, errore] : casi) {
    Messaggi errori;
    EXPECT_FALSE(ScriviCsvGriglia({{"a", "b"}}, percorso, &errori)) << percorso;
    const std::string testo = "Error " + errore + " in procedure MSHFlexGridTocsv of Module Corpo";
    EXPECT_EQ(errori, (Messaggi{{Icona::Nessuna, Pulsanti::Ok, "", testo}}));
  }
  // A disk really full, without room for the file itself.
  const std::string pieno = dir.File("pieno");
  EXPECT_EQ(prova::SuDiscoPieno(pieno, [&pieno] {
              prova::RiempiDisco(pieno);
              Messaggi errori;
              ScriviCsvGriglia({{"a", "b"}}, pieno + "/r.csv", &errori);
              return errori.at(0).testo;
            }),
            "Error 61 (Disk full) in procedure MSHFlexGridTocsv of Module Corpo");
}

}  // namespace
