#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "archive/Archivio.h"
#include "core/Errori.h"
#include "CartellaTemporanea.h"

namespace tlx {
namespace {

using Byte = std::vector<uint8_t>;

Byte Record(std::string_view data, std::array<uint8_t, 5> numeri) {
  Byte r(data.begin(), data.end());
  r.resize(LUNGHEZZA_DATA, ' ');
  r.insert(r.end(), numeri.begin(), numeri.end());
  return r;
}

Byte Unisci(std::initializer_list<Byte> parti) {
  Byte tutto;
  for (const Byte& p : parti) tutto.insert(tutto.end(), p.begin(), p.end());
  return tutto;
}

void ScriviFile(const std::string& percorso, std::string_view byte) { std::ofstream(percorso, std::ios::binary) << byte; }

std::string LeggiFile(const std::string& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Testo(const Byte& b) { return {b.begin(), b.end()}; }

TEST(ArchivioFile, SaveThenLoadGivesTheSameBytesAndDraws) {
  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File("archivio/tremaluxorqvx.dat");
  // A missing file and folder are created empty.
  EXPECT_TRUE(LoadArchivioEstrazioni(percorso).estrazioni.empty());
  EXPECT_EQ(std::filesystem::file_size(percorso), 0u);
  // A Windows-1252 "è" in a date, a date of exactly ten characters, numbers in drawn order.
  const Byte immagine = Unisci({Record("07/02/2018", {7, 12, 33, 41, 55}), Record("lun\xE8 9", {55, 1, 30, 2, 44})});
  ScriviFile(percorso, Testo(immagine));
  const RisultatoLetturaArchivio letto = LoadArchivioEstrazioni(percorso);
  ASSERT_TRUE(letto.messaggi.empty());
  ASSERT_EQ(letto.estrazioni.size(), 2u);
  EXPECT_EQ(letto.estrazioni[1].Data, "lunè 9    ");
  EXPECT_EQ(letto.estrazioni[1].Numeri, (std::array<uint8_t, 5>{55, 1, 30, 2, 44}));
  std::filesystem::remove(percorso);
  ASSERT_TRUE(SaveArchivioEstrazioni(letto.estrazioni, percorso).empty());
  EXPECT_EQ(LeggiFile(percorso), Testo(immagine));
  EXPECT_EQ(cartella.Contenuto(), std::vector<std::string>{"archivio"});
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.File("archivio")), {}), 1)
      << "no temporary file left";
}

TEST(ArchivioFile, ReaderKeepsOnlyWholeValidRecordsInOrder) {
  const Byte a = Record("a", {1, 2, 3, 4, 5}), b = Record("b", {55, 54, 53, 52, 51});
  const std::pair<Byte, std::vector<std::string>> casi[] = {
      {Unisci({a, Byte(b.begin(), b.end() - 1)}), {"a"}},              // a record cut short
      {Unisci({a, Record("", {0, 0, 0, 0, 0}), b}), {"a", "b"}},       // an empty slot
      {Unisci({a, Record("c", {1, 2, 3, 4, 56}), b}), {"a", "b"}},     // a number above 55
      {Unisci({Record("c", {1, 2, 0, 4, 5}), b}), {"b"}},              // a 0 after the first number
      {Unisci({Record("c", {9, 2, 3, 9, 5}), a}), {"a"}},              // a repeated number
  };
  for (const auto& [immagine, attese] : casi) {
    std::vector<std::string> date;
    for (const Estrazione& e : DecodificaArchivio(immagine)) date.push_back(Trim(e.Data));
    EXPECT_EQ(date, attese) << attese.size();
  }
}

TEST(ArchivioFile, FailuresNameTheFileAndTheProcedure) {
  prova::CartellaTemporanea cartella;
  const std::string senzaCartella = cartella.File("manca/tremaluxorqvx.dat");
  EXPECT_EQ(SaveArchivioEstrazioni({{"07/02/2018", {7, 12, 33, 41, 55}}}, senzaCartella).at(0).testo,
            "Error 76 (Path not found --> " + senzaCartella + ") in procedure SaveArchivioEstrazioni of Form frmUpdate");
  const RisultatoRisposta risposta = LoadArchivioTMP(cartella.File("nessuna.dat"));
  EXPECT_FALSE(risposta.letta);
  EXPECT_EQ(risposta.messaggi.at(0).testo, "Error 53 (File not found) in procedure LoadArchivioTMP of Form frmUpdate");
  // A file of a million records (sparse, all empty slots) is read; one byte
  // more is refused before reading, and left as it is.
  const std::string grande = cartella.File("grande.dat");
  const uintmax_t limite = MAX_ESTRAZIONI_FILE * BYTE_RECORD_ESTRAZIONE;
  for (const auto& [byte, errore] : {std::pair<uintmax_t, std::string>{limite, ""},
                                     {limite + 1, "Error 7 (Archivio troppo grande: più di 1.000.000 estrazioni --> " +
                                                      grande + ") in procedure LoadArchivioEstrazioni of Form frmUpdate"}}) {
    std::ofstream(grande).close();
    std::filesystem::resize_file(grande, byte);
    const RisultatoLetturaArchivio letto = LoadArchivioEstrazioni(grande);
    EXPECT_TRUE(letto.estrazioni.empty());
    EXPECT_EQ(letto.messaggi.empty() ? "" : letto.messaggi[0].testo, errore);
    EXPECT_EQ(std::filesystem::file_size(grande), byte);
  }
}

TEST(ArchivioRisposta, FieldRules) {
  const std::pair<std::string, std::optional<Estrazione>> casi[] = {
      {"07/02/2018| 7|  12|33 |41|55", Estrazione{"07/02/2018", {7, 12, 33, 41, 55}}},
      {"2018-02-07 sabato|1|2|3|4|5", Estrazione{"2018-02-07", {1, 2, 3, 4, 5}}},
      {"|1|2|3|4|5", Estrazione{"          ", {1, 2, 3, 4, 5}}},
      {"07/02/2018|7|12|33|41", std::nullopt},
      {"07/02/2018|7|12|33|41|55|", std::nullopt},
      {"07/02/2018|0|12|33|41|55", std::nullopt},
      {"07/02/2018|7|12|33|41|56", std::nullopt},
      {"07/02/2018|7|12|7|41|55", std::nullopt},
  };
  for (const auto& [riga, attesa] : casi) {
    const std::vector<Estrazione> r = DecodificaRisposta(riga);
    EXPECT_EQ(r, attesa ? std::vector<Estrazione>{*attesa} : std::vector<Estrazione>{}) << riga;
  }
}

TEST(ArchivioRisposta, ANumberThatIsNoByteOrADrawTooManyRefusesTheWholeReply) {
  std::string piena;  // as many draws as an archive holds: one more is an overflow too
  for (size_t i = 0; i < MAX_ESTRAZIONI_FILE; ++i) piena += "|1|2|3|4|5\n";
  EXPECT_EQ(DecodificaRisposta(piena).size(), MAX_ESTRAZIONI_FILE);
  const std::pair<std::string, int32_t> casi[] = {
      {"07/02/2018|7|12|33|41|256", 6}, {"07/02/2018|7|-1|33|41|55", 6}, {"07/02/2018|7|12|3x|41|55", 13},
      {"07/02/2018|7|12||41|55", 13},   {"07/02/2018|7|12|33|41|99999999999", 6}, {piena, 6}};
  for (const auto& [riga, numero] : casi) {
    try {
      DecodificaRisposta(std::string("01/01/2018|1|2|3|4|5\r\n") + riga + "\r\n");
      ADD_FAILURE() << riga.substr(0, 40) << " was accepted";
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), numero) << riga.substr(0, 40);
    }
  }
}

TEST(ArchivioRisposta, LineEndsAndOrder) {
  for (const char* fine : {"\r\n", "\n", "\r"}) {
    const std::string risposta = std::string("DATA|NUMERI") + fine + "01/01/2018|1|2|3|4|5" + fine + fine +
                                 "03/01/2018|11|12|13|14|15";
    const std::vector<Estrazione> r = DecodificaRisposta(risposta);
    ASSERT_EQ(r.size(), 2u) << "line end " << int(fine[0]);
    EXPECT_EQ(r[1].Numeri[4], 15);
  }
  static const char binario[] = "\x00\xff\x89PNG\r\n\x1a\n|||||\x00";
  EXPECT_THROW(DecodificaRisposta(std::string_view(binario, sizeof binario - 1)), ErroreRuntime);
}

}  // namespace
}  // namespace tlx
