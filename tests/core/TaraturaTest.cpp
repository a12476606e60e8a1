// The calibration files of the three slip layouts: defaults, hundredths of
// a millimetre both ways, values that can't be used, the separate files and
// the one-time migration of the old binary 1-column file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "CartellaTemporanea.h"
#include "printing/Stampante.h"
#include "printing/Taratura.h"
#include "support/IniFile.h"

namespace tlx {
namespace {

class Taratura : public ::testing::Test {
 protected:
  prova::CartellaTemporanea dir;
  const std::string file = dir.File("Scheda.cfg");
  const std::array<float, 8> mm = {8.0F, 8.5F, 44.0F, 61.5F, 58.0F, 36.0F, 69.0F, 5.5F};
  const TaraturaScheda predefinita = TaraturaPredefinita(LayoutScheda::UnaColonna);
};

TEST_F(Taratura, EachLayoutsDefaultsWithoutFileOrKey) {
  const std::pair<LayoutScheda, std::array<float, 8>> attese[] = {
      {LayoutScheda::UnaColonna, {8.2F, 8.2F, 43.3F, 62.0F, 59.0F, 37.0F, 70.0F, 6.0F}},
      {LayoutScheda::CinqueColonne, {6.5F, 4.6F, 35.4F, 8.7F, 7.0F, 2.5F, 6.0F, 6.0F}},
      {LayoutScheda::Ridotti, {8.2F, 8.2F, 43.3F, 62.0F, 59.0F, 37.0F, 59.0F, 6.0F}},
  };
  for (const auto& [layout, distanze] : attese) {
    std::filesystem::remove(file);
    TaraturaScheda t = LeggiTaratura(file, layout);
    EXPECT_EQ(std::tuple(Distanze(t), t.NomeStampante, std::filesystem::exists(file)), std::tuple(distanze, "N/A", false));
    classINI(file).setProperty("Impostazioni", "kTop", "1234");  // a missing key keeps its default
    t.kTop = 12.34F;
    EXPECT_EQ(LeggiTaratura(file, layout), t);
  }
}

TEST_F(Taratura, ValuesReadAndValuesThatCannotBeUsed) {
  // A hand-written value keeps its hundredths; beyond 300 mm, below 0 or not a number, the default. A quality
  // that is none is the window's to report.
  struct Caso { const char *chiave, *testo; float kLeft; int16_t marcatore, qualita; } casi[] = {
      {"kLeft", "825", 8.25F, 9999, 0},   {"kLeft", " 30000 ", 300.0F, 9999, 0},      {"kLeft", "30001", 8.7F, 9999, 0},
      {"kLeft", "-10", 8.7F, 9999, 0},    {"kLeft", "12abc", 8.7F, 9999, 0},          {"Marcatore_Stampa", "1110.6", 8.7F, 1111, 0},
      {"Marcatore_Stampa", "40000", 8.7F, 9999, 0}, {"Qualita_Stampa", "7", 8.7F, 9999, 7}};
  for (const Caso& c : casi) {
    std::filesystem::remove(file);
    classINI(file).setProperty("Impostazioni", c.chiave, c.testo);
    const TaraturaScheda t = LeggiTaratura(file, LayoutScheda::CinqueColonne);
    EXPECT_EQ(std::tuple(t.kLeft, t.Marcatore, t.Qualita), std::tuple(c.kLeft, c.marcatore, c.qualita))
        << c.chiave << "=" << c.testo;
  }
}

TEST_F(Taratura, SavedInHundredthsInTheKeysOrderBesideOtherSections) {
  std::ofstream(file) << "[Altro]\r\nchiave=valore\r\n";
  // kLeft halfway to the even hundredth (825 exactly), kNomeX just under 3540 as a float.
  const TaraturaScheda t{8.2F, 8.2F, 43.3F, 8.25F, 59.0F, 37.0F, 35.4F, 6.0F, MARCATORE_NUMERO, qualita::Media, "TremaluxorPDF"};
  ASSERT_TRUE(SalvaTaratura(file, t));
  std::ifstream f(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}),
            "[Altro]\r\nchiave=valore\r\n\r\n[Impostazioni]\r\nkX=820\r\nkY=820\r\nkTop=4330\r\nkLeft=825\r\n"
            "kWebX=5900\r\nkWebY=3700\r\nkNomeX=3540\r\nkNomeY=600\r\nMarcatore_Stampa=1111\r\n"
            "Qualita_Stampa=-3\r\nNome_Stampante=TremaluxorPDF\r\n");
  EXPECT_EQ(LeggiTaratura(file, LayoutScheda::UnaColonna), t);
  EXPECT_FALSE(SalvaTaratura(dir.Percorso().string(), t)) << "a folder in the file's place";
}

// The old 1-column file: ten records of 128 bytes.
std::vector<uint8_t> FileVecchio(std::array<float, 8> mm, std::string nome, size_t record = 10) {
  std::vector<uint8_t> b(1280, 0xCC);
  for (size_t i = 0; i < 8; ++i) std::memcpy(&b[i * 128], &mm[i], 4);
  const int16_t marcatore = 1111, n = static_cast<int16_t>(nome.size());
  std::memcpy(&b[8 * 128], &marcatore, 2);
  std::memcpy(&b[9 * 128], &n, 2);
  std::memcpy(&b[9 * 128 + 2], nome.data(), std::min<size_t>(nome.size(), 126));
  b.resize(std::min(b.size(), record == 10 ? 9 * 128 + 2 + nome.size() : record * 128));
  return b;
}

// Migrated at the 1-column window's opening (its test); an old file whose new one cannot be written (a folder
// stands in its place) stays for the next opening.
TEST_F(Taratura, TheOldFileReadFieldByFieldAndKeptUntilItsMigrationIsWritten) {
  TaraturaScheda t = TaraturaDaFileVecchio(FileVecchio(mm, "HP LaserJet \xE8"));
  EXPECT_EQ(std::tuple(Distanze(t), t.Marcatore, t.NomeStampante), std::tuple(mm, 1111, "HP LaserJet è"));

  t = TaraturaDaFileVecchio(FileVecchio(mm, "P", 4));  // cut after record 4: the rest keeps the defaults
  EXPECT_EQ(std::tuple(t.kLeft, t.kWebX, t.Marcatore), std::tuple(61.5F, predefinita.kWebX, 9999));

  // Distances that no window could show, and a name longer than its record.
  t = TaraturaDaFileVecchio(FileVecchio({400.0F, -1.0F, NAN, 44.0F, 1e30F, 36.0F, 69.0F, 5.5F}, std::string(127, 'x')));
  EXPECT_EQ(std::tuple(t.kX, t.kLeft, t.kWebX, t.NomeStampante), std::tuple(predefinita.kX, 44.0F, predefinita.kWebX, "N/A"));
  EXPECT_EQ(TaraturaDaFileVecchio({}), predefinita);

  const std::string vecchio = dir.File("NewScheda1Colonna.cfg");
  std::filesystem::create_directory(file);
  const auto b = FileVecchio(mm, "TremaluxorPDF");
  std::ofstream(vecchio, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  t = predefinita;
  EXPECT_TRUE(MigraTaraturaVecchia(vecchio, file, t));
  EXPECT_EQ(std::tuple(Distanze(t), std::filesystem::exists(vecchio)), std::tuple(mm, true));
  EXPECT_FALSE(MigraTaraturaVecchia(dir.File("manca.cfg"), file, t)) << "no old file: the saved one is read";
}

}  // namespace
}  // namespace tlx
