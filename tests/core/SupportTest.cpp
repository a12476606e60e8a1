#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "CartellaTemporanea.h"
#include "core/Errori.h"
#include "core/Impostazioni.h"
#include "printing/Taratura.h"
#include "support/Crc32.h"
#include "support/FileLettura.h"
#include "support/IniFile.h"

namespace {
using namespace tlx;
namespace fs = std::filesystem;

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

  // What can't be read gives the defaults, without waiting on a FIFO or reading a device or a file far beyond
  // any settings file. Writing over a FIFO or a device fails and leaves it be, and so does writing into a missing
  // folder (0: written); the file far too large holds the key written alone.
  ASSERT_EQ(::mkfifo(dir.File("fifo.cfg").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir.File("zero.cfg"));
  Scrivi(dir.File("grande.cfg"), "[S]\r\nk=x\r\n");
  fs::resize_file(dir.File("grande.cfg"), 2 << 20);
  for (const auto& [nome, numero] : {std::pair{"fifo.cfg", 75}, {"zero.cfg", 75}, {"grande.cfg", 0}, {"manca/a.cfg", 76}}) {
    const classINI altro(dir.File(nome));
    EXPECT_EQ(altro.getProperty("S", "k", "def"), "def") << nome;
    try {
      altro.setProperty("S", "k", "v");
      EXPECT_EQ(numero, 0) << nome;
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), numero) << nome;
    }
  }
  EXPECT_EQ(std::tuple(dir.Contenuto(), fs::is_fifo(dir.File("fifo.cfg")), fs::read_symlink(dir.File("zero.cfg")),
                       Leggi(dir.File("grande.cfg"))),
            std::tuple(std::vector<std::string>{"a.cfg", "fifo.cfg", "grande.cfg", "zero.cfg"}, true, fs::path("/dev/zero"), "[S]\r\nk=v\r\n"));
}

// Every reader opens its files this way; what it refuses, it refuses keeping no descriptor (the settings tests
// meet a FIFO and a device, the start-up test both). A read error past the opening is thrown by the read that
// met it, never taken for the end: /proc/self/mem is a regular file whose first page can't be read.
TEST(FileLettura, ARefusalKeepsNoDescriptorAndAReadErrorIsThrownNotTakenForTheEnd) {
  prova::CartellaTemporanea dir;
  ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
  const auto aperti = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()); };
  const auto prima = aperti();
  for (const std::string& percorso : {dir.File("fifo"), dir.Percorso().string(), std::string("/dev/null")})
    EXPECT_THROW(FileLettura{percorso}, ErroreRuntime) << percorso;
  EXPECT_EQ(aperti(), prima);

  FileLettura memoria("/proc/self/mem");
  try {
    memoria.get();
    ADD_FAILURE() << "read as " << (memoria.eof() ? "the end" : "nothing");
  } catch (const ErroreRuntime& e) {
    EXPECT_EQ(e.Descrizione(), "Path/File access error");
  }
}

// Saves of the settings and of a calibration killed at random moments: every file read back is wholly one
// save's. The next save of a file removes what killed saves of that file left, and no other file's, once
// nothing has written to it for a while: a file just written may be another copy's save under way.
TEST(ScritturaAtomica, KilledSavesLeaveWholeFilesAndTheNextSaveTheirLeftoversOnly) {
  prova::CartellaTemporanea dir;
  const std::string impostazioni = dir.File("impostazioni.cfg"), taratura = dir.File("Scheda5Colonne.cfg");
  const TaraturaScheda versioni[] = {TaraturaPredefinita(LayoutScheda::CinqueColonne),
                                     {1.1F, 2.2F, 3.3F, 4.4F, 5.5F, 6.6F, 7.7F, 8.8F, MARCATORE_NUMERO, -4, "Laser"}};
  const auto salva = [&](int v) {
    SalvaImpostazioni(impostazioni, 100 + v, "INTESTAZIONE", "Stampante " + std::to_string(v));
    SalvaTaratura(taratura, versioni[v]);
  };
  Scrivi(dir.File(".Scheda1Colonna.cfg.ab.tmp"), "");
  Scrivi(dir.File(".impostazioni.cfg.bak.ab.tmp"), "");  // another file's, though its name starts alike
  salva(0);

  std::mt19937 caso(20);
  for (int uccisione = 0; uccisione < 25; ++uccisione) {
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
      for (int v = 1;; v = 1 - v) salva(v);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(caso() % 40000));
    ::kill(figlio, SIGKILL);
    ::waitpid(figlio, nullptr, 0);

    auto s = std::make_unique<Sistema>();
    s->FileImpostazioni = impostazioni;
    ReadConfiguration(*s);
    EXPECT_EQ(s->StampanteTabulato, "Stampante " + std::to_string(s->CostoColonna - 100));
    const TaraturaScheda t = LeggiTaratura(taratura, LayoutScheda::CinqueColonne);
    EXPECT_TRUE(t == versioni[0] || t == versioni[1]) << t.kX << " " << t.NomeStampante;
  }
  for (const fs::directory_entry& voce : fs::directory_iterator(dir.Percorso()))
    fs::last_write_time(voce.path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
  Scrivi(dir.File(".impostazioni.cfg.7.tmp"), "");  // under way: its time set ahead, so that no clock is raced
  fs::last_write_time(dir.File(".impostazioni.cfg.7.tmp"), fs::file_time_type::clock::now() + std::chrono::hours(1));
  salva(1);
  EXPECT_EQ(dir.Contenuto(), (std::vector<std::string>{".Scheda1Colonna.cfg.ab.tmp", ".impostazioni.cfg.7.tmp",
                                                       ".impostazioni.cfg.bak.ab.tmp", "Scheda5Colonne.cfg", "impostazioni.cfg"}));
}

// The CRC's check value, whole and continued from a part. Files are read in blocks and checked whole by the
// matrix list, whose tests meet long, short and damaged ones.
TEST(Crc32, CheckValue) {
  const cCRC32 crc;
  EXPECT_EQ(std::pair(crc.GetByteArrayCrc32(Byte("123456789")), crc.GetByteArrayCrc32(Byte("6789"), crc.GetByteArrayCrc32(Byte("12345")))),
            std::pair(0xCBF43926u, 0xCBF43926u));
}

}  // namespace
