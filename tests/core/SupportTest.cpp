#include <gtest/gtest.h>

#include "CartellaTemporanea.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "core/Errori.h"
#include "support/BinaryFileStream.h"
#include "support/Crc32.h"
#include "support/IniFile.h"
#include "support/StringBuffer.h"

namespace tlx {
namespace {

namespace fs = std::filesystem;

using prova::CartellaTemporanea;

void Scrivi(const std::string& percorso, const std::string& contenuto) {
  std::ofstream(percorso, std::ios::binary) << contenuto;
}

std::string Leggi(const std::string& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> RigheCrLf(const std::string& contenuto) {
  std::vector<std::string> righe;
  size_t inizio = 0;
  for (size_t fine; (fine = contenuto.find("\r\n", inizio)) != std::string::npos; inizio = fine + 2)
    righe.push_back(contenuto.substr(inizio, fine - inizio));
  EXPECT_EQ(inizio, contenuto.size()) << "every line must end with CR LF";
  return righe;
}

std::vector<uint8_t> Byte(const std::string& testo) { return {testo.begin(), testo.end()}; }

// ---- classINI: reading ----------------------------------------------------

TEST(IniLettura, MissingFileSectionOrKeyGivesTheDefault) {
  CartellaTemporanea dir;
  const classINI assente(dir.File("assente.cfg"));
  EXPECT_EQ(assente.getProperty("Impostazioni", "costo_colonna", "100"), "100");
  EXPECT_EQ(assente.getProperty("Impostazioni", "costo_colonna", ""), "");

  Scrivi(dir.File("a.cfg"), "[Impostazioni]\r\ncosto_colonna=150\r\n");
  const classINI ini(dir.File("a.cfg"));
  EXPECT_EQ(ini.getProperty("Altro", "costo_colonna", "def"), "def");
  EXPECT_EQ(ini.getProperty("Impostazioni", "intestazione_stampa", "def"), "def");
  EXPECT_EQ(ini.getProperty("Impostazioni", "costo_colonna", "def"), "150");
}

TEST(IniLettura, KeyWithEmptyValueGivesEmptyTextNotTheDefault) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "[S]\r\nvuota=\r\nblank=   \r\n");
  const classINI ini(dir.File("a.cfg"));
  EXPECT_EQ(ini.getProperty("S", "vuota", "predefinito"), "");
  EXPECT_EQ(ini.getProperty("S", "blank", "predefinito"), "");
}

TEST(IniLettura, SectionsAndKeysIgnoreCaseAndBlanksAroundThem) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "  [ IMPOSTAZIONI ]  \nCosto_Colonna   =  150 euro \t\n");
  const classINI ini(dir.File("a.cfg"));
  EXPECT_EQ(ini.getProperty("Impostazioni", "costo_colonna", ""), "150 euro");
  EXPECT_EQ(ini.getProperty("impostazioni", "COSTO_COLONNA", ""), "150 euro");
  EXPECT_EQ(ini.getProperty(" Impostazioni ", " costo_colonna ", ""), "150 euro");
  // Only ASCII letters fold: a different name is still a different name.
  EXPECT_EQ(ini.getProperty("Impostazion", "costo_colonna", "no"), "no");
}

TEST(IniLettura, KeysBelongToTheirOwnSection) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "k=fuori\r\n[A]\r\nk=1\r\n[B]\r\nk=2\r\n[C]\r\nj=3\r\n");
  const classINI ini(dir.File("a.cfg"));
  EXPECT_EQ(ini.getProperty("A", "k", ""), "1");
  EXPECT_EQ(ini.getProperty("B", "k", ""), "2");
  EXPECT_EQ(ini.getProperty("C", "k", "nessuno"), "nessuno");
}

TEST(IniLettura, CommentsAndLinesWithoutEqualsHoldNoKey) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "[S]\r\n;k=commento\r\nk senza uguale\r\nv=a=b\r\n");
  const classINI ini(dir.File("a.cfg"));
  EXPECT_EQ(ini.getProperty("S", ";k", "no"), "no");
  EXPECT_EQ(ini.getProperty("S", "k", "no"), "no");
  EXPECT_EQ(ini.getProperty("S", "v", ""), "a=b");
}

TEST(IniLettura, ValueIsCutTo254CharactersAndAtTheFirstNul) {
  CartellaTemporanea dir;
  const std::string lungo(300, 'a');
  std::string accentato;
  for (int i = 0; i < 300; ++i) accentato += "\xC3\xA9";  // é
  Scrivi(dir.File("a.cfg"), "[S]\r\nlungo=" + lungo + "\r\naccentato=" + accentato + "\r\nnul=ab" +
                                std::string(1, '\0') + "cd\r\nesatto=" + std::string(254, 'z') + "\r\n");
  const classINI ini(dir.File("a.cfg"));
  EXPECT_EQ(ini.getProperty("S", "lungo", ""), lungo.substr(0, 254));
  EXPECT_EQ(ini.getProperty("S", "esatto", ""), std::string(254, 'z'));
  // Characters are counted, and none is cut in half.
  EXPECT_EQ(ini.getProperty("S", "accentato", ""), accentato.substr(0, 254 * 2));
  EXPECT_EQ(ini.getProperty("S", "nul", ""), "ab");
  EXPECT_EQ(ini.getProperty("S", "manca", lungo), lungo.substr(0, 254));
}

TEST(IniLettura, FirstOfTwoSectionsWithTheSameNameCounts) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "[S]\r\nk=primo\r\n[s]\r\nk=secondo\r\n");
  EXPECT_EQ(classINI(dir.File("a.cfg")).getProperty("S", "k", ""), "primo");
}

TEST(IniLettura, ByteOrderMarkDoesNotHideTheFirstSection) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "\xEF\xBB\xBF[S]\r\nk=1\r\n");
  EXPECT_EQ(classINI(dir.File("a.cfg")).getProperty("S", "k", ""), "1");
}

// ---- classINI: writing ----------------------------------------------------

TEST(IniScrittura, CreatesFileSectionAndKeyWithCrLf) {
  CartellaTemporanea dir;
  const classINI ini(dir.File("nuovo.cfg"));
  ini.setProperty("Impostazioni", "costo_colonna", "150");
  EXPECT_EQ(Leggi(dir.File("nuovo.cfg")), "[Impostazioni]\r\ncosto_colonna=150\r\n");
  EXPECT_EQ(ini.getProperty("Impostazioni", "costo_colonna", ""), "150");
}

TEST(IniScrittura, ReplacesValueInPlaceAndLeavesEveryOtherLine) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"),
         "; intestazione\n[Altra]\nCosto_Colonna=9\n\n[IMPOSTAZIONI]\nprima=1\nCosto_Colonna = 100\n"
         "riga strana\ndopo=2\n[Ultima]\nx=y\n");
  const classINI ini(dir.File("a.cfg"));
  ini.setProperty("Impostazioni", "costo_colonna", "150");
  const std::vector<std::string> attese = {"; intestazione", "[Altra]",     "Costo_Colonna=9",  "",
                                           "[IMPOSTAZIONI]", "prima=1",     "Costo_Colonna=150", "riga strana",
                                           "dopo=2",         "[Ultima]",    "x=y"};
  EXPECT_EQ(RigheCrLf(Leggi(dir.File("a.cfg"))), attese);
  EXPECT_EQ(ini.getProperty("Altra", "costo_colonna", ""), "9");
}

TEST(IniScrittura, NewKeyGoesAtTheEndOfItsSectionBeforeBlankLines) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "[A]\r\nk=1\r\n\r\n\r\n[B]\r\nk=2\r\n");
  const classINI ini(dir.File("a.cfg"));
  ini.setProperty("a", "nuova", "x");
  ini.setProperty("B", "nuova", "y");
  const std::vector<std::string> attese = {"[A]", "k=1", "nuova=x", "", "", "[B]", "k=2", "nuova=y"};
  EXPECT_EQ(RigheCrLf(Leggi(dir.File("a.cfg"))), attese);
}

TEST(IniScrittura, NewSectionGoesAtTheEndOfTheFile) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.cfg"), "[A]\r\nk=1\r\n");
  const classINI ini(dir.File("a.cfg"));
  ini.setProperty("Nuova", "k", "2");
  const std::vector<std::string> attese = {"[A]", "k=1", "", "[Nuova]", "k=2"};
  EXPECT_EQ(RigheCrLf(Leggi(dir.File("a.cfg"))), attese);
  EXPECT_EQ(ini.getProperty("A", "k", ""), "1");
  EXPECT_EQ(ini.getProperty("Nuova", "k", ""), "2");
}

TEST(IniScrittura, RoundTripsUtf8AndLongValues) {
  CartellaTemporanea dir;
  const classINI ini(dir.File("a.cfg"));
  ini.setProperty("S", "testo", "Ricevitoria Caffè € 1");
  ini.setProperty("S", "lungo", std::string(400, 'q'));
  EXPECT_EQ(ini.getProperty("S", "testo", ""), "Ricevitoria Caffè € 1");
  EXPECT_EQ(ini.getProperty("S", "lungo", ""), std::string(254, 'q'));
  ini.setProperty("S", "testo", "");
  EXPECT_EQ(ini.getProperty("S", "testo", "predefinito"), "");
}

TEST(IniScrittura, LineBreaksInAValueCannotPlantKeys) {
  CartellaTemporanea dir;
  const classINI ini(dir.File("a.cfg"));
  ini.setProperty("S", "intestazione", "riga\r\n[S]\r\nstampante=finta");
  EXPECT_EQ(ini.getProperty("S", "stampante", "N/A"), "N/A");
  EXPECT_EQ(ini.getProperty("S", "intestazione", ""), "riga  [S]  stampante=finta");
}

TEST(IniScrittura, UnwritablePlaceFailsSilently) {
  CartellaTemporanea dir;
  const std::string inCartellaAssente = dir.File("manca/a.cfg");
  const classINI ini(inCartellaAssente);
  EXPECT_NO_THROW(ini.setProperty("S", "k", "v"));
  EXPECT_FALSE(fs::exists(inCartellaAssente));
  EXPECT_EQ(ini.getProperty("S", "k", "def"), "def");
  // Nothing is left behind beside the file either.
  EXPECT_TRUE(fs::is_empty(dir.Percorso()));
}

// ---- cStringBuffer --------------------------------------------------------

TEST(StringBuffer, GrowsByWholeChunksOfAThousand) {
  cStringBuffer b;
  const std::string testo(1500, 'k');
  b.Add(testo);
  EXPECT_EQ(b.Capacita(), 2000u);
  EXPECT_EQ(b.toString(), testo);

  cStringBuffer c;
  c.Add(std::string(999, 'a'));
  EXPECT_EQ(c.Capacita(), 1000u);
  c.Add("b");  // fills the chunk exactly
  EXPECT_EQ(c.Capacita(), 1000u);
  c.Add("c");
  EXPECT_EQ(c.Capacita(), 2000u);
  EXPECT_EQ(c.toString(), std::string(999, 'a') + "bc");
}

TEST(StringBuffer, EmptyAddChangesNothing) {
  cStringBuffer b;
  b.Add("");
  EXPECT_EQ(b.Capacita(), 0u);
  EXPECT_EQ(b.toString(), "");
  b.Add("abc");
  b.Add("");
  EXPECT_EQ(b.toString(), "abc");
}

TEST(StringBuffer, ClearKeepsCapacityAndStartsOver) {
  cStringBuffer b;
  b.Add(std::string(2500, 'z'));
  b.Clear();
  EXPECT_EQ(b.toString(), "");
  b.Add("x");
  EXPECT_EQ(b.toString(), "x");
  EXPECT_EQ(b.Capacita(), 3000u);
}

TEST(StringBuffer, ManyAppendsKeepTheWholeText) {
  cStringBuffer b;
  std::string atteso;
  for (int i = 0; i < 5000; ++i) {
    const std::string riga = "riga " + std::to_string(i) + "\r\n";
    b.Add(riga);
    atteso += riga;
  }
  EXPECT_EQ(b.toString(), atteso);
  EXPECT_EQ(b.Capacita() % cStringBuffer::BLOCCO, 0u);
  EXPECT_GE(b.Capacita(), atteso.size());
  EXPECT_LT(b.Capacita(), atteso.size() + cStringBuffer::BLOCCO);
}

// ---- cCRC32 ---------------------------------------------------------------

TEST(Crc32, KnownCheckValues) {
  const cCRC32 crc;
  EXPECT_EQ(crc.GetByteArrayCrc32(Byte("123456789")), 0xCBF43926u);
  EXPECT_EQ(crc.GetByteArrayCrc32(Byte("The quick brown fox jumps over the lazy dog")), 0x414FA339u);
  EXPECT_EQ(crc.GetByteArrayCrc32({}), 0u);
  EXPECT_EQ(crc.GetByteArrayCrc32(std::vector<uint8_t>{0}), 0xD202EF8Du);
}

TEST(Crc32, FileCrcMatchesTheCrcOfItsBytesAcrossBlocks) {
  CartellaTemporanea dir;
  std::vector<uint8_t> dati(3 * 8192 + 17);
  std::mt19937 gen(7);
  for (auto& b : dati) b = static_cast<uint8_t>(gen());
  Scrivi(dir.File("dati.bin"), std::string(dati.begin(), dati.end()));

  const cCRC32 crc;
  cBinaryFileStream file;
  file.File(dir.File("dati.bin"));
  EXPECT_EQ(crc.GetFileCrc32(file), crc.GetByteArrayCrc32(dati));
  std::vector<uint8_t> resto(10);
  EXPECT_EQ(file.Read(resto, 10), 0);

  Scrivi(dir.File("vuoto.bin"), "");
  file.File(dir.File("vuoto.bin"));
  EXPECT_EQ(crc.GetFileCrc32(file), 0u);
}

// ---- cBinaryFileStream ----------------------------------------------------

TEST(BinaryFileStream, ReadsInBlocksThenZeroAtTheEnd) {
  CartellaTemporanea dir;
  Scrivi(dir.File("f.bin"), "0123456789");
  cBinaryFileStream f;
  f.File(dir.File("f.bin"));
  EXPECT_EQ(f.File(), dir.File("f.bin"));
  EXPECT_EQ(f.Length(), 10);

  std::vector<uint8_t> buf(4, 0xEE);
  std::string letto;
  std::vector<int32_t> conteggi;
  for (int32_t n; (n = f.Read(buf, 4)) > 0;) {
    conteggi.push_back(n);
    letto.append(buf.begin(), buf.begin() + n);
  }
  EXPECT_EQ(conteggi, (std::vector<int32_t>{4, 4, 2}));
  EXPECT_EQ(letto, "0123456789");
  EXPECT_EQ(f.Read(buf, 4), 0);
  EXPECT_EQ(f.Length(), 10);
}

TEST(BinaryFileStream, NeverReadsPastTheBufferItIsGiven) {
  CartellaTemporanea dir;
  Scrivi(dir.File("f.bin"), "abcdefgh");
  cBinaryFileStream f;
  f.File(dir.File("f.bin"));
  std::vector<uint8_t> buf(8, 0);
  EXPECT_EQ(f.Read(std::span(buf).first(3), 100), 3);
  EXPECT_EQ(buf[3], 0);
  EXPECT_EQ(f.Read(buf, 0), 0);
  EXPECT_EQ(f.Read(buf, -5), 0);
  // Asking for nothing does not close the file.
  EXPECT_EQ(f.Read(buf, 8), 5);
  EXPECT_EQ(std::string(buf.begin(), buf.begin() + 5), "defgh");
}

TEST(BinaryFileStream, MissingFileOrFolderRaisesError53) {
  CartellaTemporanea dir;
  cBinaryFileStream f;
  for (const std::string& percorso : {dir.File("manca.bin"), dir.Percorso().string(), std::string()}) {
    try {
      f.File(percorso);
      ADD_FAILURE() << "no error for " << percorso;
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), 53);
      EXPECT_EQ(e.Descrizione(), "File not found");
    }
  }
  std::vector<uint8_t> buf(4);
  EXPECT_EQ(f.Read(buf, 4), 0);
}

TEST(BinaryFileStream, NewFileClosesTheOldAndDisposeCloses) {
  CartellaTemporanea dir;
  Scrivi(dir.File("a.bin"), "AAAA");
  Scrivi(dir.File("b.bin"), "BBBBBB");
  cBinaryFileStream f;
  std::vector<uint8_t> buf(4);
  f.File(dir.File("a.bin"));
  ASSERT_EQ(f.Read(buf, 2), 2);
  f.File(dir.File("b.bin"));
  EXPECT_EQ(f.Length(), 6);
  ASSERT_EQ(f.Read(buf, 4), 4);
  EXPECT_EQ(std::string(buf.begin(), buf.end()), "BBBB");
  f.Dispose();
  EXPECT_EQ(f.Read(buf, 4), 0);

  // A failed open leaves nothing open from before.
  f.File(dir.File("a.bin"));
  EXPECT_THROW(f.File(dir.File("manca.bin")), ErroreRuntime);
  EXPECT_EQ(f.Read(buf, 4), 0);
}

}  // namespace
}  // namespace tlx
