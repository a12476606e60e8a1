#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <optional>
#include <tuple>

#include "../GuastiFile.h"
#include "CartellaTemporanea.h"
#include "core/FileSistema.h"

namespace tlx {
namespace {

using Byte = std::vector<uint8_t>;

// Files and records put together byte by byte from the format's offset
// table, so that a mistake shared by the reader and the writer cannot pass.
struct Grezzo {
  Byte b;
  // v little-endian in `byte` bytes from `offset`, growing the bytes when needed.
  Grezzo& Poni(size_t offset, int64_t v, size_t byte) {
    for (b.resize(std::max(b.size(), offset + byte)); byte > 0; --byte, v >>= 8) b[offset++] = static_cast<uint8_t>(v);
    return *this;
  }
  Grezzo& Accoda(const Byte& byte) { b.insert(b.end(), byte.begin(), byte.end()); return *this; }
  Grezzo& Id(int32_t id, const Byte& record = {}) { return Poni(b.size(), id, 4).Accoda(record); }
  Grezzo& Colonne(const Byte& c) { return Poni(61, std::ssize(c) / 5, 4).Accoda(c); }
  Grezzo& Pronostico(const Byte& n) { std::ranges::copy(n, b.begin() + 66); return Poni(65, std::ssize(n), 1); }
};
// The fixed part with this magic and description, all else zero.
Grezzo File(std::string_view magic = "tlxxqvx0002", std::string titolo = "") {
  titolo.resize(50, ' ');
  return Grezzo{Byte(magic.begin(), magic.end())}.Accoda(Byte(titolo.begin(), titolo.end())).Poni(201, 0, 1);
}
// Without positions `pos`, the filter record of version 1 files.
Byte Filtro(const Byte& numeri, int32_t quanti, std::optional<int32_t> pos, int16_t attivo = -1) {
  Grezzo r{Byte(55, 0)};
  for (uint8_t n : numeri) r.b[n - 1u] = 1;
  return r.Poni(55, quanti, 4).Poni(59, pos.value_or(0), pos ? 4 : 0).Poni(pos ? 63 : 59, attivo, 2).b;
}

// Everything a system file holds and what reading one sets, two columns past the last included.
auto Stato(const Sistema& s) {
  const auto righe = [](const auto& tabella, int n) { return std::vector(tabella.begin(), tabella.begin() + n + 1); };
  return std::tuple(Byte(s.Colonne.Dati(), s.Colonne.Dati() + 5 * std::min(s.NumeroColonne + 2, CAPIENZA)),
                    Byte(s.Pronostico.begin(), s.Pronostico.begin() + s.NumeriPronostico), s.NumeriScelti,
                    s.Condizioni, righe(s.FiltriAnd, s.NumeroFiltriAnd), righe(s.FiltriOr, s.NumeroFiltriOr),
                    s.Consecutivi, righe(s.FiltriDistanza, s.NumeroFiltriDistanza), s.DistanzaMinima,
                    s.MarcatoreCondizioni, s.NumeroColonne, s.GuiBloccata, s.TitoloSistema, s.TitoloFileSistema);
}

// A system with something in every part of the file, and that file.
std::unique_ptr<Sistema> SistemaCompleto() {
  auto s = std::make_unique<Sistema>();
  for (int n : {3, 17, 55}) GrigliaNumeriClick(*s, n - 1);
  LeggiPronosticoDaGriglia(*s);
  s->Condizioni = {.PariAttiva = VERO, .FisseAttiva = VERO, .PariAmmessi = {VERO, 0, 0, 0, 0, VERO},
                   .SommaMinMax = {0x0102, 0x0304}, .NumeriFissi = {0, 1, 1}, .QuantiFissi = 2, .RidottoAttivo = VERO,
                   .Garanzia = 3};
  s->TitoloSistema = "Città €uro", s->NumeroColonne = 2, s->NumeroFiltriAnd = s->NumeroFiltriDistanza = 1;
  std::ranges::copy(Byte{4, 21, 30, 44, 55, 1, 2, 3, 4, 5}, s->Colonne.Dati());
  s->FiltriAnd[1] = {.Numeri = {0, 1}, .QuantiMask = 0x11223301, .PosizioniMask = 6, .Attivo = VERO};
  s->FiltriDistanza[1] = {.NumeroCoppie = 2, .Coppie = {0, 1, 2}, .MinAttivo = 1, .MinOk = {0, VERO},
                          .MaxAttivo = 1, .MaxOk = {0, 0, VERO}, .Attivo = VERO};
  s->Consecutivi = {0x0A0B0C0D, VERO}, s->DistanzaMinima = {3, VERO}, s->MarcatoreCondizioni = 12345;
  return s;
}
Byte FileCompleto() {
  Grezzo f = File("tlxxqvx0002", "Citt\xE0 \x80uro");
  // Pari, Fisse, PariAmmessi 0 and 5, Somma min and max, Ridotto; NumeriFissi 1 and 2, QuantiFissi, Garanzia.
  f.Poni(121, -1, 2).Poni(125, -1, 2).Poni(127, -1, 2).Poni(137, -1, 2).Poni(139, 0x0102, 2).Poni(141, 0x0304, 2);
  f.Poni(199, -1, 2).Poni(143, 0x0101, 2).Poni(198, 2, 1).Poni(201, 3, 1).Pronostico({3, 17, 55});
  f.Colonne({4, 21, 30, 44, 55, 1, 2, 3, 4, 5}).Id(12345).Id(8, {3, 0xFF, 0xFF}).Id(1, Filtro({1}, 0x11223301, 6));
  // Consecutivi; NumeroCoppie, Coppie from 1, MinAttivo, MinOk from 7, MaxAttivo, MaxOk from 116, Attivo.
  return f.Id(2, {0x0D, 0x0C, 0x0B, 0x0A, 0xFF, 0xFF}).Id(32, Grezzo{Byte(226, 0)}.Poni(0, 2, 1).Poni(1, 0x0201, 2)
      .Poni(6, 1, 1).Poni(7, -1, 2).Poni(115, 1, 1).Poni(118, -1, 2).Poni(224, -1, 2).b).Id(100).Id(200).b;
}

struct FileSistema : ::testing::Test {
  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File("Pieno À.TLQVX");
  Byte Letto() { return Byte(std::istreambuf_iterator<char>(std::ifstream(percorso, std::ios::binary).rdbuf()), {}); }
  Byte Salva(Sistema& s) { return SalvaFile(s, percorso).esito == EsitoSalvaFile::Salvato ? Letto() : Byte{}; }
  // Quotes around the path go.
  RisultatoApriFile Apri(Sistema& s, const Byte& b) {
    std::ofstream(percorso, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::ssize(b));
    return ApriFile(s, '"' + percorso + '"');
  }
};

Grezzo ConColonne(const Byte& colonne = {1, 2, 3, 4, 5}) { return File().Pronostico({1, 2, 3, 4, 5}).Colonne(colonne); }
// One column, then a condition block of `quanti` times one record, with or without its end marks.
Byte Blocco(int32_t id, const Byte& record, int quanti, bool chiuso = true) {
  Grezzo f = ConColonne();
  for (f.Id(12345); quanti > 0; --quanti) f.Id(id, record);
  return chiuso ? f.Id(100).Id(200).b : f.b;
}

// Every field and record written byte by byte; the file kept through a save on a full disk; with no column
// nor record-borne condition, the fixed part alone; the minimum distance alone brings the condition block.
TEST_F(FileSistema, EveryByteBothWaysAndEveryDamageRefusedWithNothingLost) {
  auto s = SistemaCompleto();
  // The description trimmed, the prediction re-read from the grid, the marker in memory meaning nothing;
  // filters off, or never written.
  s->TitoloSistema = "  Città €uro", s->Pronostico = {9, 9, 9}, s->MarcatoreCondizioni = 0;
  s->NumeroFiltriAnd = s->NumeroFiltriDistanza = 2, s->NumeroFiltriOr = 1, s->FiltriOr[1].Attivo = VERO;
  EXPECT_EQ(Salva(*s), FileCompleto());

  // A write past the limit fails instead of ending the process; no temporary file is left.
  const RisultatoSalvaFile r = [&] { const prova::DiscoPieno pieno; return SalvaFile(*s, percorso); }();
  EXPECT_EQ(std::tuple(r.messaggi.at(0).testo, Letto() == FileCompleto(), cartella.Contenuto().size()),
            std::tuple("Error 61 (Disk full) in procedure SalvaFile of Modulo corpo", true, 1u));
  // So does a save on a disk that is really full, the file kept whole.
  const std::string pieno = cartella.File("pieno");
  EXPECT_EQ(prova::SuDiscoPieno(pieno, [&] {
              const std::string file = pieno + "/s.tlqvx";
              const bool salvato = SalvaFile(*s, file).esito == EsitoSalvaFile::Salvato;
              prova::RiempiDisco(pieno);
              const RisultatoSalvaFile r = SalvaFile(*s, file);
              std::ifstream letto(file, std::ios::binary);
              const bool intatto = Byte(std::istreambuf_iterator<char>(letto), {}) == FileCompleto();
              return std::to_string(salvato) + " " + r.messaggi.at(0).testo + " " + std::to_string(intatto);
            }),
            "1 Error 61 (Disk full) in procedure SalvaFile of Modulo corpo 1");

  s = std::make_unique<Sistema>();
  EXPECT_EQ(Salva(*s), File().b);
  s->DistanzaMinima = {2, VERO};
  EXPECT_EQ(Salva(*s), File().Id(12345).Id(8, {2, 0xFF, 0xFF}).Id(100).Id(200).b);

  // Read back: a number past the chosen ones means nothing; any non-zero flag is true.
  auto atteso = SistemaCompleto();
  EXPECT_EQ(Apri(*s, Grezzo{FileCompleto()}.Poni(69, 99, 1).Poni(123, 1, 2).b).esito, EsitoApriFile::Letto);
  atteso->Condizioni.SommaAttiva = 1, atteso->TitoloFileSistema = "pieno à.tlqvx", atteso->GuiBloccata = VERO;
  EXPECT_EQ(Stato(*s), Stato(*atteso));
  // Version 1 filter records have no PosizioniMask and count every position. After an unknown id the next
  // 4 bytes are an id again; records of id 16 go to FiltriOr. No condition read before is left.
  EXPECT_EQ(Apri(*s, File("tlxxqvx0001").Colonne({1, 2, 3, 4, 5}).Id(12345).Id(1, Filtro({1, 2}, 0x0C, {}, 0))
                         .Id(-7).Id(16, Filtro({9}, 2, 0x3E)).Id(100).Id(200).b).messaggi.size(), 1u);
  EXPECT_EQ(std::tuple(s->NumeroFiltriAnd, s->FiltriAnd[1].PosizioniMask, s->FiltriOr[1].PosizioniMask,
                       s->NumeroFiltriDistanza, s->DistanzaMinima.Attivo), std::tuple(1, 62, 0x3E, 0, 0));

  // Another marker ended files of earlier versions. Past 16 unknown ids, and a number above 55 or a record
  // cut short, damage the format does not name.
  constexpr auto letto = EsitoApriFile::Letto, no = EsitoApriFile::NonSequenziale;
  const std::tuple<std::string, Byte, EsitoApriFile> casi[] = {
      {"newer magic", File("tlxxqvx0003").b, EsitoApriFile::VersioneNonValida},
      {"older magic", File("tlxxqvx0000").b, EsitoApriFile::VersioneNonValida}, {"empty", {}, EsitoApriFile::VersioneNonValida},
      {"another marker", ConColonne().Id(999).Id(1).b, letto},
      {"a full table", ConColonne(Byte(5 * CAPIENZA, 1)).b, letto}, {"no end mark", Blocco(8, {3, 0, 0}, 1, 0), no},
      {"too many", ConColonne().Poni(61, CAPIENZA + 1, 4).b, no}, {"56 chosen", ConColonne().Poni(65, 56, 1).b, no},
      {"chosen 0", ConColonne().Pronostico({1, 0, 3}).b, no}, {"cut", ConColonne().Poni(61, 3, 4).Accoda({6, 7}).b, no},
      {"a 0 in the last column", ConColonne({1, 2, 3, 4, 5, 6, 7, 0, 9, 10}).b, no},
      {"2000 AND", Blocco(1, Filtro({1}, 1, 62), 2000), letto}, {"2001 AND", Blocco(1, Filtro({1}, 1, 62), 2001), no},
      {"2001 id 16", Blocco(16, Filtro({1}, 1, 62), 2001), no}, {"6 distance", Blocco(32, Byte(226, 0), 6), no},
      {"17 unknown ids", Blocco(300, {}, 17), no}, {"above 55", ConColonne({1, 2, 3, 4, 5, 6, 7, 56, 9, 10}).b, no},
      {"a record cut by the end", Blocco(32, Byte(100, 0), 1, false), no}};
  const auto vuoto = Stato(*std::make_unique<Sistema>()), comePrima = Stato(*SistemaCompleto());
  for (const auto& [nome, contenuto, esito] : casi) {
    SCOPED_TRACE(nome);
    const RisultatoApriFile letti = Apri(*(s = SistemaCompleto()), contenuto);
    Messaggi attesi(nome == "17 unknown ids" ? 17 : 0, {Icona::Critica, Pulsanti::Ok, "E R R O R E",
                                                        "Condizione non riconosciuta\r\nID : 300"});
    if (esito != letto)
      attesi.push_back({Icona::Critica, Pulsanti::Ok, "Attenzione!!",
                        esito == no ? "Sviluppo non sequenziale, impossibile continuare" : "Versione non valida"});
    EXPECT_EQ(std::tuple(letti.esito, letti.messaggi), std::tuple(esito, attesi));
    EXPECT_TRUE(esito == letto || Stato(*s) == (esito == no ? vuoto : comePrima));
  }

  // What is no system file is refused by its first bytes, and a path that names no regular file before a
  // byte is read: a FIFO is not waited on, a device not read. The system stays as it was.
  namespace fs = std::filesystem;
  const Messaggio nessunFile{Icona::Nessuna, Pulsanti::Ok, "",
                             "Error 75 (Path/File access error) in procedure ApriFile of Modulo corpo"};
  const std::tuple<std::string, std::function<void()>, Messaggio> altri[] = {
      {"2 GB of zeros", [&] { std::ofstream{percorso}; fs::resize_file(percorso, 2LL << 30); },
       {Icona::Critica, Pulsanti::Ok, "Attenzione!!", "Versione non valida"}},
      {"a FIFO", [&] { ASSERT_EQ(::mkfifo(percorso.c_str(), 0600), 0); }, nessunFile},
      {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", percorso); }, nessunFile}};
  for (const auto& [nome, crea, messaggio] : altri) {
    SCOPED_TRACE(nome);
    fs::remove(percorso);
    crea();
    const RisultatoApriFile letti = ApriFile(*(s = SistemaCompleto()), percorso);
    EXPECT_EQ(std::tuple(letti.messaggi, Stato(*s) == comePrima), std::tuple(Messaggi{messaggio}, true));
  }
}

}  // namespace
}  // namespace tlx
