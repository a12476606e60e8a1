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

TEST(Taratura, PredefinitePerLayoutConFileSezioneOChiaveMancante) {
  prova::CartellaTemporanea dir;
  const std::string file = dir.File("Scheda.cfg");
  const std::pair<LayoutScheda, std::array<float, 8>> attese[] = {
      {LayoutScheda::UnaColonna, {8.2F, 8.2F, 43.3F, 62.0F, 59.0F, 37.0F, 70.0F, 6.0F}},
      {LayoutScheda::CinqueColonne, {6.5F, 4.6F, 35.4F, 8.7F, 7.0F, 2.5F, 6.0F, 6.0F}},
      {LayoutScheda::Ridotti, {8.2F, 8.2F, 43.3F, 62.0F, 59.0F, 37.0F, 59.0F, 6.0F}},
  };
  for (const auto& [layout, mm] : attese) {
    std::filesystem::remove(file);
    const TaraturaScheda senzaFile = LeggiTaratura(file, layout);
    EXPECT_EQ(Distanze(senzaFile), mm);
    EXPECT_EQ(senzaFile.NomeStampante, "N/A");
    EXPECT_FALSE(std::filesystem::exists(file)) << "loading writes nothing";

    classINI(file).setProperty("Impostazioni", "kTop", "1234");  // a missing key keeps its default
    TaraturaScheda una = senzaFile;
    una.kTop = 12.34F;
    EXPECT_EQ(LeggiTaratura(file, layout), una);
  }
}

TEST(Taratura, ValoriLettiEValoriInutilizzabili) {
  prova::CartellaTemporanea dir;
  const std::string file = dir.File("Scheda5Colonne.cfg");
  struct Caso {
    const char* chiave;
    const char* testo;
    float kLeft;
    int16_t marcatore;
    int16_t qualita;
  } casi[] = {
      {"kLeft", "825", 8.25F, 9999, 0},  // a hand-written value keeps its hundredths
      {"kLeft", " 30000 ", 300.0F, 9999, 0},
      {"kLeft", "30001", 8.7F, 9999, 0},  // beyond 300 mm: the default
      {"kLeft", "-10", 8.7F, 9999, 0},
      {"kLeft", "12abc", 8.7F, 9999, 0},  // not a number: the default
      {"kLeft", "inf", 8.7F, 9999, 0},
      {"Marcatore_Stampa", "1110.6", 8.7F, 1111, 0},
      {"Marcatore_Stampa", "40000", 8.7F, 9999, 0},
      {"Qualita_Stampa", "7", 8.7F, 9999, 7},  // the window reports it
      {"Qualita_Stampa", "bozza", 8.7F, 9999, 0},
  };
  for (const Caso& c : casi) {
    std::filesystem::remove(file);
    classINI(file).setProperty("Impostazioni", c.chiave, c.testo);
    const TaraturaScheda t = LeggiTaratura(file, LayoutScheda::CinqueColonne);
    EXPECT_EQ(t.kLeft, c.kLeft) << c.chiave << "=" << c.testo;
    EXPECT_EQ(t.Marcatore, c.marcatore) << c.chiave << "=" << c.testo;
    EXPECT_EQ(t.Qualita, c.qualita) << c.chiave << "=" << c.testo;
  }
}

TEST(Taratura, SalvataggioInCentesimiNellOrdineDelleChiavi) {
  prova::CartellaTemporanea dir;
  const std::string file = dir.File("Scheda1Colonna.cfg");
  {
    std::ofstream f(file);
    f << "[Altro]\r\nchiave=valore\r\n";
  }
  TaraturaScheda t = TaraturaPredefinita(LayoutScheda::UnaColonna);
  t.kTop = 43.3F;
  t.kLeft = 8.25F;  // halfway: to the even hundredth... 825 exactly
  t.kNomeX = 35.4F;
  t.Marcatore = MARCATORE_NUMERO;
  t.Qualita = qualita::Media;
  t.NomeStampante = "TremaluxorPDF";
  ASSERT_TRUE(SalvaTaratura(file, t));
  std::ifstream f(file, std::ios::binary);
  const std::string testo((std::istreambuf_iterator<char>(f)), {});
  EXPECT_EQ(testo,
            "[Altro]\r\nchiave=valore\r\n\r\n[Impostazioni]\r\nkX=820\r\nkY=820\r\nkTop=4330\r\nkLeft=825\r\n"
            "kWebX=5900\r\nkWebY=3700\r\nkNomeX=3540\r\nkNomeY=600\r\nMarcatore_Stampa=1111\r\n"
            "Qualita_Stampa=-3\r\nNome_Stampante=TremaluxorPDF\r\n");
  EXPECT_EQ(LeggiTaratura(file, LayoutScheda::UnaColonna), t);

  // A folder in the file's place: the failure is detected.
  EXPECT_FALSE(SalvaTaratura(dir.Percorso().string(), t));
}

// The old 1-column file: ten records of 128 bytes.
std::vector<uint8_t> FileVecchio(std::array<float, 8> mm, int16_t marcatore, std::string nome, size_t record = 10) {
  std::vector<uint8_t> b(1280, 0xCC);
  for (size_t i = 0; i < 8; ++i) std::memcpy(&b[i * 128], &mm[i], 4);
  std::memcpy(&b[8 * 128], &marcatore, 2);
  const auto n = static_cast<int16_t>(nome.size());
  std::memcpy(&b[9 * 128], &n, 2);
  std::memcpy(&b[9 * 128 + 2], nome.data(), std::min<size_t>(nome.size(), 126));
  b.resize(std::min(b.size(), record == 10 ? 9 * 128 + 2 + nome.size() : record * 128));
  return b;
}

TEST(Taratura, FileVecchioLettoCampoPerCampo) {
  const std::array<float, 8> mm = {8.0F, 8.5F, 44.0F, 61.5F, 58.0F, 36.0F, 69.0F, 5.5F};
  const TaraturaScheda predefinita = TaraturaPredefinita(LayoutScheda::UnaColonna);

  TaraturaScheda t = TaraturaDaFileVecchio(FileVecchio(mm, 1111, "HP LaserJet \xE8"));
  EXPECT_EQ(Distanze(t), mm);
  EXPECT_EQ(t.Marcatore, 1111);
  EXPECT_EQ(t.NomeStampante, "HP LaserJet è");  // Windows-1252 to UTF-8

  // Cut after record 4: the rest keeps the defaults.
  t = TaraturaDaFileVecchio(FileVecchio(mm, 1111, "P", 4));
  EXPECT_EQ((std::tuple{t.kLeft, t.kWebX, t.Marcatore}), (std::tuple{61.5F, predefinita.kWebX, int16_t{9999}}));

  // Distances that no window could show, and a name longer than its record.
  std::vector<uint8_t> b = FileVecchio({400.0F, -1.0F, NAN, 44.0F, 1e30F, 36.0F, 69.0F, 5.5F}, 9999, "P");
  const int16_t lungo = 127;
  std::memcpy(&b[9 * 128], &lungo, 2);
  b.resize(1280, 'x');
  t = TaraturaDaFileVecchio(b);
  EXPECT_EQ(t.kX, predefinita.kX);
  EXPECT_EQ(t.kLeft, 44.0F);
  EXPECT_EQ(t.kWebX, predefinita.kWebX);
  EXPECT_EQ(t.NomeStampante, "N/A");
  EXPECT_EQ(TaraturaDaFileVecchio({}), predefinita);
}

TEST(Taratura, MigrazioneUnaVoltaEFileVecchioTenutoFinoAllaScrittura) {
  prova::CartellaTemporanea dir;
  const std::string vecchio = dir.File("NewScheda1Colonna.cfg");
  const std::string nuovo = dir.File("Scheda1Colonna.cfg");
  const std::array<float, 8> mm = {8.0F, 8.5F, 44.0F, 61.5F, 58.0F, 36.0F, 69.0F, 5.5F};
  auto scriviVecchio = [&] {
    const auto b = FileVecchio(mm, 1111, "TremaluxorPDF");
    std::ofstream(vecchio, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  };

  TaraturaScheda t = TaraturaPredefinita(LayoutScheda::UnaColonna);
  EXPECT_FALSE(MigraTaraturaVecchia(vecchio, nuovo, t));  // no old file
  EXPECT_FALSE(std::filesystem::exists(nuovo));

  // The new file can't be written (a folder stands in its place): the old
  // file stays for the next opening.
  std::filesystem::create_directory(nuovo);
  scriviVecchio();
  EXPECT_TRUE(MigraTaraturaVecchia(vecchio, nuovo, t));
  EXPECT_EQ(Distanze(t), mm);
  EXPECT_TRUE(std::filesystem::exists(vecchio));
  std::filesystem::remove(nuovo);

  t = TaraturaPredefinita(LayoutScheda::UnaColonna);
  EXPECT_TRUE(MigraTaraturaVecchia(vecchio, nuovo, t));
  EXPECT_FALSE(std::filesystem::exists(vecchio));
  const classINI ini(nuovo);
  EXPECT_EQ(ini.getProperty("Impostazioni", "kLeft", ""), "6150");
  EXPECT_EQ(ini.getProperty("Impostazioni", "Nome_Stampante", ""), "TremaluxorPDF");
  EXPECT_EQ(LeggiTaratura(nuovo, LayoutScheda::UnaColonna), t);
  EXPECT_FALSE(MigraTaraturaVecchia(vecchio, nuovo, t)) << "once only";
}

}  // namespace
}  // namespace tlx
