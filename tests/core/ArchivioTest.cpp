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
  const std::string percorso = cartella.File("tremaluxorqvx.dat");
  // A Windows-1252 "è" in a date, a date of exactly ten characters, numbers
  // in drawn (unsorted) order.
  const Byte immagine = Unisci({Record("07/02/2018", {7, 12, 33, 41, 55}), Record("lun\xE8 9", {55, 1, 30, 2, 44}),
                                Record("x", {1, 2, 3, 4, 5})});
  ScriviFile(percorso, Testo(immagine));
  const RisultatoLetturaArchivio letto = LoadArchivioEstrazioni(percorso);
  ASSERT_TRUE(letto.messaggi.empty());
  ASSERT_EQ(letto.estrazioni.size(), 3u);
  EXPECT_EQ(letto.estrazioni[1].Data, "lunè 9    ");
  EXPECT_EQ(letto.estrazioni[1].Numeri, (std::array<uint8_t, 5>{55, 1, 30, 2, 44}));

  std::filesystem::remove(percorso);
  ASSERT_TRUE(SaveArchivioEstrazioni(letto.estrazioni, percorso).empty());
  EXPECT_EQ(LeggiFile(percorso), Testo(immagine));
  EXPECT_EQ(cartella.Contenuto(), std::vector<std::string>{"tremaluxorqvx.dat"}) << "no temporary file left";
}

TEST(ArchivioFile, ReaderKeepsOnlyWholeValidRecordsInOrder) {
  struct Caso {
    const char* nome;
    Byte immagine;
    std::vector<std::string> date;  // the dates kept, in order
  };
  const Byte a = Record("a", {1, 2, 3, 4, 5}), b = Record("b", {55, 54, 53, 52, 51});
  const Caso casi[] = {
      {"empty file", {}, {}},
      {"one byte short of a record", Byte(a.begin(), a.end() - 1), {}},
      {"record then a cut one", Unisci({a, Byte(b.begin(), b.end() - 1)}), {"a"}},
      {"empty slot between draws", Unisci({a, Record("", {0, 0, 0, 0, 0}), b}), {"a", "b"}},
      {"empty slot with a date and numbers", Unisci({Record("vuoto", {0, 9, 9, 9, 9}), b}), {"b"}},
      {"a number above 55", Unisci({a, Record("c", {1, 2, 3, 4, 56}), b}), {"a", "b"}},
      {"a 0 after the first number", Unisci({Record("c", {1, 2, 0, 4, 5}), b}), {"b"}},
      {"a repeated number", Unisci({Record("c", {9, 2, 3, 9, 5}), a}), {"a"}},
  };
  for (const Caso& c : casi) {
    std::vector<std::string> date;
    for (const Estrazione& e : DecodificaArchivio(c.immagine)) date.push_back(Trim(e.Data));
    EXPECT_EQ(date, c.date) << c.nome;
  }
}

TEST(ArchivioFile, MissingFileAndFolderAreCreatedEmpty) {
  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File("archivio/tremaluxorqvx.dat");
  const RisultatoLetturaArchivio r = LoadArchivioEstrazioni(percorso);
  EXPECT_TRUE(r.estrazioni.empty());
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(percorso));
  EXPECT_EQ(std::filesystem::file_size(percorso), 0u);
}

TEST(ArchivioFile, FailuresNameTheFileAndTheProcedure) {
  prova::CartellaTemporanea cartella;
  const std::vector<Estrazione> una{{"07/02/2018", {7, 12, 33, 41, 55}}};
  // A folder where the file should be, and a folder that does not exist.
  std::filesystem::create_directory(cartella.File("cartella"));
  const std::string inCartella = cartella.File("cartella");
  const std::string senzaCartella = cartella.File("manca/tremaluxorqvx.dat");
  const Messaggi salva = SaveArchivioEstrazioni(una, inCartella);
  ASSERT_EQ(salva.size(), 1u);
  EXPECT_EQ(salva[0].testo, "Error 75 (Path/File access error --> " + inCartella +
                                ") in procedure SaveArchivioEstrazioni of Form frmUpdate");
  EXPECT_EQ(SaveArchivioEstrazioni(una, senzaCartella).at(0).testo,
            "Error 76 (Path not found --> " + senzaCartella + ") in procedure SaveArchivioEstrazioni of Form frmUpdate");

  const RisultatoLetturaArchivio leggi = LoadArchivioEstrazioni(inCartella);
  EXPECT_TRUE(leggi.estrazioni.empty());
  ASSERT_EQ(leggi.messaggi.size(), 1u);
  EXPECT_NE(leggi.messaggi[0].testo.find("in procedure LoadArchivioEstrazioni of Form frmUpdate"), std::string::npos);

  const RisultatoRisposta risposta = LoadArchivioTMP(cartella.File("nessuna.dat"));
  EXPECT_FALSE(risposta.letta);
  EXPECT_EQ(risposta.messaggi.at(0).testo, "Error 53 (File not found) in procedure LoadArchivioTMP of Form frmUpdate");
}

TEST(ArchivioRisposta, FieldRules) {
  struct Caso {
    std::string riga;
    bool draw;  // stored as a draw
    std::string data;
    std::array<uint8_t, 5> numeri;
  };
  const Caso casi[] = {
      {"07/02/2018|7|12|33|41|55", true, "07/02/2018", {7, 12, 33, 41, 55}},
      {"07/02/2018| 7|  12|33 |41|55", true, "07/02/2018", {7, 12, 33, 41, 55}},
      {"2018-02-07 sabato|1|2|3|4|5", true, "2018-02-07", {1, 2, 3, 4, 5}},
      {"|1|2|3|4|5", true, "          ", {1, 2, 3, 4, 5}},
      {"07/02/2018|7|12|33|41", false, {}, {}},
      {"07/02/2018|7|12|33|41|55|", false, {}, {}},
      {"07/02/2018|7|12|33|41|55|60", false, {}, {}},
      {"", false, {}, {}},
      {"07/02/2018|0|12|33|41|55", false, {}, {}},
      {"07/02/2018|7|12|33|41|56", false, {}, {}},
      {"07/02/2018|7|12|7|41|55", false, {}, {}},
  };
  for (const Caso& c : casi) {
    const std::vector<Estrazione> r = DecodificaRisposta(c.riga);
    ASSERT_EQ(r.size(), c.draw ? 1u : 0u) << c.riga;
    if (!c.draw) continue;
    EXPECT_EQ(r[0].Data, c.data) << c.riga;
    EXPECT_EQ(r[0].Numeri, c.numeri) << c.riga;
  }
}

TEST(ArchivioRisposta, ANumberThatIsNoByteRefusesTheWholeReply) {
  const std::pair<const char*, int32_t> casi[] = {
      {"07/02/2018|7|12|33|41|256", 6}, {"07/02/2018|7|-1|33|41|55", 6}, {"07/02/2018|7|12|3x|41|55", 13},
      {"07/02/2018|7|12||41|55", 13},   {"07/02/2018|7|1 2|33|41|55", 13}, {"07/02/2018|7|12|33|41|99999999999", 6},
      {"07/02/2018|7|12.5|33|41|55", 13}};
  for (const auto& [riga, numero] : casi) {
    const std::string risposta = std::string("01/01/2018|1|2|3|4|5\r\n") + riga + "\r\n";
    try {
      DecodificaRisposta(risposta);
      ADD_FAILURE() << riga << " was accepted";
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), numero) << riga;
    }
  }
}

TEST(ArchivioRisposta, LineEndsAndOrder) {
  for (const char* fine : {"\r\n", "\n", "\r"}) {
    const std::string risposta = std::string("DATA|NUMERI") + fine + "01/01/2018|1|2|3|4|5" + fine + fine +
                                 "02/01/2018|6|7|8|9|10" + fine + "03/01/2018|11|12|13|14|15";
    const std::vector<Estrazione> r = DecodificaRisposta(risposta);
    ASSERT_EQ(r.size(), 3u) << "line end " << int(fine[0]);
    EXPECT_EQ(r[0].Data, "01/01/2018");
    EXPECT_EQ(r[2].Numeri[4], 15);
  }
  // A binary reply holds no line of six fields, or fails on one.
  static const char binario[] = "\x00\xff\x89PNG\r\n\x1a\n|||||\x00";
  static const char immagine[] = "\x00\xff\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR";
  EXPECT_THROW(DecodificaRisposta(std::string_view(binario, sizeof binario - 1)), ErroreRuntime);
  EXPECT_TRUE(DecodificaRisposta(std::string_view(immagine, sizeof immagine - 1)).empty());
}

TEST(ArchivioElenco, LineAndLineToDraw) {
  EXPECT_EQ(RigaElenco({"07/02/2018", {7, 12, 33, 41, 55}}), " 07/02/2018 | 07 12 33 41 55");
  EXPECT_EQ(RigaElenco({"7/2/18    ", {55, 1, 30, 2, 44}}), " 7/2/18     | 55 01 30 02 44");
  for (const auto& [numero, testo] : {std::pair{0u, "00"}, {7u, "07"}, {55u, "55"}, {100u, "100"}, {255u, "255"}}) {
    std::string t = "x";
    AggiungiDueCifre(t, numero);
    EXPECT_EQ(t, std::string("x") + testo);
  }
  EXPECT_EQ(INTESTAZIONE_ELENCO.find('|'), RigaElenco({"x", {1, 2, 3, 4, 5}}).find('|'));
  // The third line of a list of 100 shows record 98 (index 97).
  EXPECT_EQ(IndiceDaRiga(100, 2), 97);
  EXPECT_EQ(IndiceDaRiga(100, 0), 99);
  EXPECT_EQ(IndiceDaRiga(100, 99), 0);
  EXPECT_EQ(IndiceDaRiga(100, -1), -1);
  EXPECT_EQ(IndiceDaRiga(100, 100), -1);
  EXPECT_EQ(IndiceDaRiga(0, 0), -1);
}

}  // namespace
}  // namespace tlx
