#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "CartellaTemporanea.h"
#include "conditions/ImportFiltri.h"

namespace tlx {
namespace {

class ImportFiltriTest : public ::testing::Test {
 protected:
  int32_t Importa(const std::string& testo) {
    std::ofstream(cartella.File("filtri.txt"), std::ios::binary) << testo;
    messaggi.clear();
    tabella.assign(MAX_FILTRI + 1, RecordFiltro{.QuantiMask = 9, .Attivo = VERO});  // an earlier table
    return loadFileToFilters(tabella, cartella.File("filtri.txt"), 0b110, 0b111110, messaggi, FormatoNumeri::Italiano());
  }
  std::vector<int> Gruppo(size_t record) const {
    std::vector<int> g;
    for (int n = 0; n <= NUMERI; ++n)
      if (tabella[record].Numeri[static_cast<size_t>(n)]) g.push_back(n);
    return g;
  }
  bool VuotaDa(size_t primo) const {
    return std::all_of(tabella.begin() + static_cast<ptrdiff_t>(primo), tabella.end(),
                       [](const RecordFiltro& r) { return r == RecordFiltro{}; });
  }

  prova::CartellaTemporanea cartella;
  std::vector<RecordFiltro> tabella;
  Messaggi messaggi;
};

TEST_F(ImportFiltriTest, GoodFilesInEveryLineEndSeparatorAndEncoding) {
  using Gruppi = std::vector<std::vector<int>>;
  const std::pair<std::string, Gruppi> casi[]{
      {"3 17 28 41\r\n\r\n3-17-28-41\r\n   \r\n3,17;28.41", {{3, 17, 28, 41}, {3, 17, 28, 41}, {3, 17, 28, 41}}},
      {"\xEF\xBB\xBF" "1 2\n\n\t55\t1 \n", {{1, 2}, {1, 55}}},
      {"5 5 12\r7\r\r08  009\r\n", {{5, 12}, {7}, {8, 9}}},
      {"1" + std::string(BYTE_MASSIMI_RIGA_FILTRO - 1, ' ') + "\r\n2", {{1}, {2}}},
      {"", {}}};
  for (const auto& [testo, gruppi] : casi) {
    EXPECT_EQ(Importa(testo), static_cast<int32_t>(gruppi.size())) << testo;
    EXPECT_TRUE(messaggi.empty()) << testo;
    for (size_t i = 0; i < gruppi.size(); ++i) {
      EXPECT_EQ(Gruppo(i + 1), gruppi[i]) << testo;
      EXPECT_EQ(std::tuple(tabella[i + 1].QuantiMask, tabella[i + 1].PosizioniMask, tabella[i + 1].Attivo),
                std::tuple(0b110, 0b111110, VERO));
    }
    EXPECT_TRUE(VuotaDa(gruppi.size() + 1)) << testo;
  }
}

TEST_F(ImportFiltriTest, BadFilesLeaveTheTableEmptyWithTheErrorOfTheProcedure) {
  const std::string tanti = [] {
    std::string riga;
    for (int i = 0; i < 256; ++i) riga += std::to_string(i % 55 + 1) + " ";
    return riga;
  }();
  const std::pair<std::string, int> casi[]{
      {"1 2 3\r\n3, 17\r\n", 13}, {"0", 9}, {"56", 9}, {"4 uno 5", 13}, {"99999999999", 9},
      {std::string("1\0" "2", 3), 13}, {tanti, 9}, {std::string("\xFF\xFE" "1\0 \0" "2\0", 8), 13},
      // A line past the bound, refused before it is held whole.
      {"1" + std::string(BYTE_MASSIMI_RIGA_FILTRO, ' ') + "\n2", 9}};
  for (const auto& [testo, numero] : casi) {
    EXPECT_EQ(Importa(testo), 0) << testo;
    ASSERT_EQ(messaggi.size(), 1u) << testo;
    EXPECT_EQ(messaggi[0].testo, "Error " + std::to_string(numero) + (numero == 9 ? " (Subscript out of range)" : " (Type mismatch)") +
                                     " in procedure loadFileToFilters of Form frmImportFiltri");
    EXPECT_TRUE(VuotaDa(0)) << testo;
  }
  tabella.assign(MAX_FILTRI + 1, RecordFiltro{.Attivo = VERO});
  messaggi.clear();
  EXPECT_EQ(loadFileToFilters(tabella, cartella.File("manca.txt"), 1, 2, messaggi, {}), 0);
  EXPECT_EQ(messaggi.at(0).testo, "Error 53 (File not found) in procedure loadFileToFilters of Form frmImportFiltri");
  EXPECT_TRUE(VuotaDa(0));
}

// Exactly 2000 groups, and 2000 followed by lines never read (a bad one
// among them), both fill the table and warn of its capacity.
TEST_F(ImportFiltriTest, TwoThousandGroupsFillTheTableAndWarn) {
  std::string duemila;
  for (int i = 0; i < MAX_FILTRI; ++i) duemila += std::to_string(i % 55 + 1) + "\r\n\r\n";
  for (const std::string& testo : {duemila, duemila + "1 2\r\nnon letta\r\n"}) {
    EXPECT_EQ(Importa(testo), MAX_FILTRI);
    ASSERT_EQ(messaggi.size(), 1u);
    EXPECT_EQ(messaggi[0].testo, "!!! Colonne superiori alla capienza della memoria\rCapienza memoria 2.000 colonne");
    EXPECT_EQ(Gruppo(MAX_FILTRI), std::vector<int>{1999 % 55 + 1});
  }
}

}  // namespace
}  // namespace tlx
