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

TEST(ArchivioFile, SaveThenLoadGivesTheSameBytesAndDrawsOnlyWholeValidRecordsAndFailuresNameTheFile) {
  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File("archivio/tremaluxorqvx.dat");
  // A missing file and folder are created empty.
  EXPECT_TRUE(LoadArchivioEstrazioni(percorso).estrazioni.empty());
  EXPECT_EQ(std::filesystem::file_size(percorso), 0u);
  // A Windows-1252 "è" in a date, a date of exactly ten characters, numbers in drawn order.
  const Byte immagine = Unisci({Record("07/02/2018", {7, 12, 33, 41, 55}), Record("lun\xE8 9", {55, 1, 30, 2, 44})});
  ScriviFile(percorso, Testo(immagine));
  const RisultatoLetturaArchivio letto = LoadArchivioEstrazioni(percorso);
  EXPECT_EQ(std::tuple(letto.messaggi.size(), letto.estrazioni),
            std::tuple(0u, std::vector<Estrazione>{{"07/02/2018", {7, 12, 33, 41, 55}}, {"lunè 9    ", {55, 1, 30, 2, 44}}}));
  std::filesystem::remove(percorso);
  ASSERT_TRUE(SaveArchivioEstrazioni(letto.estrazioni, percorso).empty());
  EXPECT_EQ(LeggiFile(percorso), Testo(immagine));
  EXPECT_EQ(cartella.Contenuto(), std::vector<std::string>{"archivio"});
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.File("archivio")), {}), 1)
      << "no temporary file left";

  // Failures name the file and the procedure.
  const std::string senzaCartella = cartella.File("manca/tremaluxorqvx.dat");
  EXPECT_EQ(SaveArchivioEstrazioni({{"07/02/2018", {7, 12, 33, 41, 55}}}, senzaCartella).at(0).testo,
            "Error 76 (Path not found --> " + senzaCartella + ") in procedure SaveArchivioEstrazioni of Form frmUpdate");
  const RisultatoRisposta risposta = LoadArchivioTMP(cartella.File("nessuna.dat"));
  EXPECT_EQ(std::tuple(risposta.letta, risposta.messaggi.at(0).testo),
            std::tuple(false, "Error 53 (File not found) in procedure LoadArchivioTMP of Form frmUpdate"));
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
    EXPECT_EQ(std::tuple(letto.estrazioni.size(), letto.messaggi.empty() ? "" : letto.messaggi[0].testo,
                         std::filesystem::file_size(grande)), std::tuple(0u, errore, byte));
  }

  // The reader keeps only whole valid records, in order.
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

// Each line after a good one, with every line end in turn and a blank line between: the draw it gives, none
// when it is left out, or the error that refuses the whole reply (a number that is no byte, a draw too many).
TEST(ArchivioRisposta, FieldRulesLineEndsAndWhatRefusesTheWholeReply) {
  std::string piena;  // as many draws as an archive holds: with the first line, one too many
  for (size_t i = 0; i < MAX_ESTRAZIONI_FILE; ++i) piena += "|1|2|3|4|5\n";
  EXPECT_EQ(DecodificaRisposta(piena).size(), MAX_ESTRAZIONI_FILE);
  const Estrazione prima{"01/01/2018", {1, 2, 3, 4, 5}};
  const std::tuple<std::string, std::optional<Estrazione>, int32_t> casi[] = {
      {"07/02/2018| 7|  12|33 |41|55", Estrazione{"07/02/2018", {7, 12, 33, 41, 55}}, 0},
      {"2018-02-07 sabato|1|2|3|4|5", Estrazione{"2018-02-07", {1, 2, 3, 4, 5}}, 0},
      {"|1|2|3|4|5", Estrazione{"          ", {1, 2, 3, 4, 5}}, 0},
      {"07/02/2018|7|12|33|41", {}, 0},         {"07/02/2018|7|12|33|41|55|", {}, 0},
      {"07/02/2018|0|12|33|41|55", {}, 0},      {"07/02/2018|7|12|33|41|56", {}, 0},
      {"07/02/2018|7|12|7|41|55", {}, 0},       {"07/02/2018|7|12|33|41|256", {}, 6},
      {"07/02/2018|7|-1|33|41|55", {}, 6},      {"07/02/2018|7|12|3x|41|55", {}, 13},
      {"07/02/2018|7|12||41|55", {}, 13},       {"07/02/2018|7|12|33|41|99999999999", {}, 6},
      {std::string("\x00\xff\x89PNG\r\n\x1a\n|||||\x00", 16), {}, 13}, {piena, {}, 6}};
  for (size_t i = 0; i < std::size(casi); ++i) {
    const auto& [riga, estrazione, errore] = casi[i];
    const std::string fine = std::array{"\r\n", "\n", "\r"}[i % 3];
    int32_t numero = 0;
    std::vector<Estrazione> r;
    try {
      r = DecodificaRisposta("DATA|NUMERI" + fine + "01/01/2018|1|2|3|4|5" + fine + fine + riga + fine);
    } catch (const ErroreRuntime& e) {
      numero = e.Numero();
    }
    std::vector<Estrazione> attese{prima};
    if (estrazione) attese.push_back(*estrazione);
    EXPECT_EQ(std::tuple(r, numero), std::tuple(errore ? std::vector<Estrazione>{} : attese, errore)) << riga.substr(0, 40);
  }
}

}  // namespace
}  // namespace tlx
