#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "CartellaTemporanea.h"
#include "core/Errori.h"
#include "support/BinaryFileStream.h"
#include "support/Crc32.h"
#include "support/IniFile.h"
#include "support/StringBuffer.h"

namespace {
using namespace tlx;

void Scrivi(const std::string& p, const std::string& testo) { std::ofstream(p, std::ios::binary) << testo; }
std::string Leggi(const std::string& p) { std::ifstream in(p); return {std::istreambuf_iterator<char>(in), {}}; }
std::vector<uint8_t> Byte(const std::string& testo) { return {testo.begin(), testo.end()}; }

TEST(IniLettura, CaseBlanksSectionsDefaultsAndTheValueLimit) {
  prova::CartellaTemporanea dir;
  std::string accentato;
  for (int i = 0; i < 300; ++i) accentato += "\xC3\xA9";
  Scrivi(dir.File("a.cfg"), "\xEF\xBB\xBF [ IMPOSTAZIONI ] \nCosto_Colonna = 150 euro \t\r\nvuota=\r\n;c=x\r\nc no\r\n"
         "v=a=b\r\nlungo=" + std::string(300, 'a') + "\r\nutf8=" + accentato + "\r\nnul=ab" + std::string(1, '\0') +
         "cd\r\n[impostazioni]\r\ndoppia=1\r\n[B]\r\nk=2\r\n");
  const std::string I = "Impostazioni", def = "def";
  const std::tuple<std::string, const char*, std::string> casi[] = {
      {" impostazioni ", " COSTO_COLONNA ", "150 euro"}, {"B", "costo_colonna", def}, {I, "vuota", ""},
      {I, ";c", def}, {I, "c", def}, {I, "v", "a=b"}, {I, "doppia", def}, {I, "lungo", std::string(254, 'a')},
      {I, "utf8", accentato.substr(0, 508)}, {I, "nul", "ab"}};
  const classINI ini(dir.File("a.cfg"));
  for (const auto& [sezione, chiave, atteso] : casi)
    EXPECT_EQ(ini.getProperty(sezione, chiave, def), atteso) << sezione << "/" << chiave;
  EXPECT_EQ(classINI(dir.File("manca.cfg")).getProperty(I, "k", std::string(300, 'x')), std::string(254, 'x'));
}

TEST(IniScrittura, ChangesOnlyItsKeyAddsInPlaceAndKeepsValuesOnOneLine) {
  prova::CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), ";c\n[Altra]\nCosto_Colonna=9\n\n[IMPOSTAZIONI]\nprima=1\nCosto_Colonna = 100\nstrana\n");
  const classINI ini(dir.File("a.cfg"));
  ini.setProperty("Impostazioni", "costo_colonna", "150");
  ini.setProperty("altra", "nuova", "x");
  ini.setProperty("Nuova", "k", "2");
  EXPECT_EQ(Leggi(dir.File("a.cfg")), ";c\r\n[Altra]\r\nCosto_Colonna=9\r\nnuova=x\r\n\r\n[IMPOSTAZIONI]\r\n"
                                      "prima=1\r\nCosto_Colonna=150\r\nstrana\r\n\r\n[Nuova]\r\nk=2\r\n");
  ini.setProperty("S", "intestazione", "riga\r\nstampante=finta");
  EXPECT_EQ(ini.getProperty("S", "stampante", "N/A"), "N/A");

  EXPECT_NO_THROW(classINI(dir.File("manca/a.cfg")).setProperty("S", "k", "v"));
  EXPECT_EQ(dir.Contenuto(), std::vector<std::string>{"a.cfg"});
}

TEST(StringBuffer, KeepsTheTextAcrossGrowthAndClear) {
  cStringBuffer b;
  b.Add(std::string(1500, 'k')), b.Add(""), b.Add(std::string(500, 'b')), b.Add("c");
  EXPECT_EQ(b.toString(), std::string(1500, 'k') + std::string(500, 'b') + "c");
  b.Clear();
  b.Add("x");
  EXPECT_EQ(b.toString(), "x");
}

TEST(Crc32, CheckValueAndTheWholeFileReadAcrossBlocks) {
  const cCRC32 crc;
  EXPECT_EQ(crc.GetByteArrayCrc32(Byte("123456789")), 0xCBF43926u);
  prova::CartellaTemporanea dir;
  std::string dati(3 * 8192 + 17, '\0');
  for (size_t i = 0; i < dati.size(); ++i) dati[i] = static_cast<char>(i * 131 % 251);
  Scrivi(dir.File("dati.bin"), dati);
  cBinaryFileStream file;
  file.File(dir.File("dati.bin"));
  std::vector<uint8_t> letti(4);
  ASSERT_EQ(file.Read(letti, 4), 4);  // the whole file, whatever the stream had already given
  EXPECT_EQ(crc.GetFileCrc32(file), crc.GetByteArrayCrc32(Byte(dati)));
}

TEST(BinaryFileStream, ReadsInBlocksWithinTheBufferAndRaises53ForNoFile) {
  prova::CartellaTemporanea dir;
  Scrivi(dir.File("f.bin"), "0123456789");
  cBinaryFileStream f;
  f.File(dir.File("f.bin"));
  EXPECT_EQ(f.Length(), 10);
  std::vector<uint8_t> buf(4, 0xEE);
  EXPECT_EQ(f.Read(std::span(buf).first(3), 100), 3);
  EXPECT_EQ(buf[3], 0xEE);
  EXPECT_EQ(f.Read(buf, 4), 4);
  EXPECT_EQ(f.Read(buf, 4), 3);

  for (const std::string& percorso : {dir.File("manca.bin"), dir.Percorso().string()}) {
    f.File(dir.File("f.bin"));  // the failed open must close it
    try {
      f.File(percorso);
      ADD_FAILURE() << percorso;
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(std::tuple(e.Numero(), e.Sorgente()), std::tuple(53, "tremaluxor.File"));
    }
    EXPECT_EQ(f.Read(buf, 4), 0);
  }
}

}  // namespace
