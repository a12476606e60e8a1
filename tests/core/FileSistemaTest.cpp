#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <optional>
#include <tuple>

#include "CartellaTemporanea.h"
#include "core/FileSistema.h"

namespace tlx {
namespace {

using Byte = std::vector<uint8_t>;

void ScriviFile(const std::string& percorso, const Byte& b) {
  std::ofstream(percorso, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::ssize(b));
}
Byte LeggiFile(const std::string& percorso) {
  return Byte(std::istreambuf_iterator<char>(std::ifstream(percorso, std::ios::binary).rdbuf()), {});
}

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
  Grezzo& Colonne(int32_t n) { return Poni(61, n, 4); }
  Grezzo& Pronostico(const Byte& n) { std::ranges::copy(n, b.begin() + 66); return Poni(65, std::ssize(n), 1); }
};
// The fixed part with this magic and description, all else zero.
Grezzo File(std::string_view magic = "tlxxqvx0002", std::string titolo = "") {
  titolo.resize(50, ' ');
  return Grezzo{Byte(magic.begin(), magic.end())}.Accoda(Byte(titolo.begin(), titolo.end())).Poni(201, 0, 1);
}
// Without `posizioni`, the filter record of version 1 files.
Byte Filtro(const Byte& numeri, int32_t quanti, std::optional<int32_t> posizioni, int16_t attivo = -1) {
  Grezzo r{Byte(55, 0)};
  for (uint8_t n : numeri) r.b[n - 1u] = 1;
  r.Poni(55, quanti, 4).Poni(59, posizioni.value_or(0), posizioni ? 4 : 0);
  return r.Poni(r.b.size(), attivo, 2).b;
}

Messaggio Attenzione(std::string testo) { return {Icona::Critica, Pulsanti::Ok, "Attenzione!!", std::move(testo)}; }
Messaggio Sconosciuta(int id) {
  return {Icona::Critica, Pulsanti::Ok, "E R R O R E", "Condizione non riconosciuta\r\nID : " + std::to_string(id)};
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
  s->TitoloSistema = "Città €uro";
  for (int n : {3, 17, 55}) GrigliaNumeriClick(*s, n - 1);
  LeggiPronosticoDaGriglia(*s);
  s->Condizioni = {.PariAttiva = VERO, .FisseAttiva = VERO, .PariAmmessi = {VERO, 0, 0, 0, 0, VERO},
                   .SommaMinMax = {0x0102, 0x0304}, .NumeriFissi = {0, 1, 1}, .QuantiFissi = 2, .RidottoAttivo = VERO,
                   .Garanzia = 3};
  s->NumeroColonne = 2, s->NumeroFiltriAnd = 1, s->NumeroFiltriDistanza = 1, s->GuiBloccata = VERO;
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
  f.Poni(199, -1, 2).Poni(143, 0x0101, 2).Poni(198, 2, 1).Poni(201, 3, 1);
  f.Colonne(2).Pronostico({3, 17, 55}).Accoda({4, 21, 30, 44, 55, 1, 2, 3, 4, 5}).Id(12345).Id(8, {3, 0xFF, 0xFF});
  f.Id(1, Filtro({1}, 0x11223301, 6)).Id(2, {0x0D, 0x0C, 0x0B, 0x0A, 0xFF, 0xFF});
  // NumeroCoppie, Coppie from 1, MinAttivo, MinOk from 7, MaxAttivo, MaxOk from 116, Attivo.
  return f.Id(32, Grezzo{Byte(226, 0)}.Poni(0, 2, 1).Poni(1, 0x0201, 2).Poni(6, 1, 1).Poni(7, -1, 2).Poni(115, 1, 1)
                      .Poni(118, -1, 2).Poni(224, -1, 2).b).Id(100).Id(200).b;
}

// A full table with every field and record: written byte by byte, read back, kept through a save on a
// full disk, then replaced by shorter files.
TEST(FileSistemaScrittura, EveryByteInPlaceAndTheFileReplacedOnlyWhenComplete) {
  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File("Pieno À.TLQVX");
  auto s = SistemaCompleto();
  s->NumeroColonne = CAPIENZA;
  for (size_t i = 0; i < 9'250'000; ++i) s->Colonne.Dati()[i] = static_cast<uint8_t>(1 + (7 * i + i / 5) % 55);
  s->TitoloSistema = "  Città €uro", s->Pronostico = {9, 9, 9};  // trimmed; re-read from the grid
  s->NumeroFiltriAnd = 2, s->NumeroFiltriDistanza = 2, s->NumeroFiltriOr = 1;  // off, or never written
  s->FiltriOr[1].Attivo = VERO, s->MarcatoreCondizioni = 0;
  ASSERT_EQ(SalvaFile(*s, percorso).esito, EsitoSalvaFile::Salvato);
  const Byte completo = FileCompleto(), file = LeggiFile(percorso);  // the same with 1,850,000 columns
  Grezzo atteso{Byte(completo.begin(), completo.begin() + 202)};
  atteso.Colonne(CAPIENZA).Accoda(Byte(s->Colonne.Dati(), s->Colonne.Dati() + 9'250'000));
  EXPECT_TRUE(file == atteso.Accoda(Byte(completo.begin() + 212, completo.end())).b);
  s->NumeroFiltriAnd = 1, s->NumeroFiltriDistanza = 1, s->NumeroFiltriOr = 0;
  auto letto = std::make_unique<Sistema>();
  ApriFile(*letto, percorso);
  EXPECT_EQ(Stato(*letto), Stato(*s));  // TitoloFileSistema and MarcatoreCondizioni set by both

  rlimit prima{};
  getrlimit(RLIMIT_FSIZE, &prima);
  const rlimit limite{1 << 20, prima.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
  setrlimit(RLIMIT_FSIZE, &limite);
  const RisultatoSalvaFile r = SalvaFile(*s, percorso);
  setrlimit(RLIMIT_FSIZE, &prima);
  EXPECT_EQ(std::tuple(r.esito, r.messaggi.at(0).testo),
            std::tuple(EsitoSalvaFile::ErroreRuntime, "Error 61 (Disk full) in procedure SalvaFile of Modulo corpo"));
  EXPECT_TRUE(LeggiFile(percorso) == file);
  EXPECT_EQ(cartella.Contenuto(), std::vector<std::string>{"Pieno À.TLQVX"});

  // With no column nor record-borne condition, the fixed part alone; a crossword keeps the order its
  // numbers were stored in.
  auto vuoto = std::make_unique<Sistema>();
  vuoto->TitoloSistema = "CRUCIVERBA", vuoto->Pronostico = {40, 2, 17}, vuoto->NumeriPronostico = 3;
  EXPECT_EQ(SalvaFile(*vuoto, percorso).esito, EsitoSalvaFile::Salvato);
  EXPECT_EQ(LeggiFile(percorso), File("tlxxqvx0002", "CRUCIVERBA").Pronostico({40, 2, 17}).b);
  // The minimum distance alone brings the condition block.
  auto distanza = std::make_unique<Sistema>();
  distanza->DistanzaMinima = {2, VERO};
  EXPECT_EQ(SalvaFile(*distanza, percorso).esito, EsitoSalvaFile::Salvato);
  EXPECT_EQ(LeggiFile(percorso), File().Id(12345).Id(8, {2, 0xFF, 0xFF}).Id(100).Id(200).b);
}

TEST(FileSistemaLettura, EveryFieldFromItsOffsetInBothVersions) {
  prova::CartellaTemporanea cartella;
  const std::string percorso = cartella.File("Lettura.TLQVX");
  // A number past the chosen ones means nothing; any non-zero flag is true.
  ScriviFile(percorso, Grezzo{FileCompleto()}.Poni(69, 99, 1).Poni(123, 1, 2).b);
  auto s = std::make_unique<Sistema>();
  EXPECT_EQ(ApriFile(*s, "\"" + percorso + "\"").esito, EsitoApriFile::Letto);
  auto atteso = SistemaCompleto();
  atteso->Condizioni.SommaAttiva = 1, atteso->TitoloFileSistema = "lettura.tlqvx";
  EXPECT_EQ(Stato(*s), Stato(*atteso));
  // The marker and the end marks alone turn every record-borne condition off.
  ScriviFile(percorso, File().Colonne(1).Accoda({6, 7, 8, 9, 10}).Id(12345).Id(100).Id(200).b);
  EXPECT_EQ(ApriFile(*s, percorso).esito, EsitoApriFile::Letto);
  EXPECT_EQ(std::tuple(s->NumeroFiltriAnd, s->NumeroFiltriDistanza, s->Consecutivi.Attivo, s->DistanzaMinima.Attivo,
                       s->MarcatoreCondizioni, s->GuiBloccata), std::tuple(0, 0, 0, 0, 12345, VERO));

  // Version 1 filter records have no PosizioniMask and count every position. After the unknown ids 64
  // and -7 the next 4 bytes are an id again; records of id 16 go to FiltriOr.
  ScriviFile(percorso, File("tlxxqvx0001").Colonne(1).Accoda({1, 2, 3, 4, 5}).Id(12345).Id(1, Filtro({1, 2}, 0x0C, {}))
                           .Id(64).Id(1, Filtro({}, 0x21, {}, 0)).Id(16, Filtro({9}, 2, 0x3E)).Id(-7)
                           .Id(8, {2, 0xFF, 0xFF}).Id(100).Id(200).b);
  EXPECT_EQ(ApriFile(*s, percorso).messaggi, (Messaggi{Sconosciuta(64), Sconosciuta(-7)}));
  EXPECT_EQ(std::vector(s->FiltriAnd.begin() + 1, s->FiltriAnd.begin() + 3),
            (std::vector<RecordFiltro>{{.Numeri = {0, 1, 1}, .QuantiMask = 0x0C, .PosizioniMask = 62, .Attivo = VERO},
                                       {.QuantiMask = 0x21, .PosizioniMask = 62}}));
  EXPECT_EQ(std::tuple(s->NumeroFiltriAnd, s->NumeroFiltriOr, s->FiltriOr[1].Numeri[9], s->FiltriOr[1].PosizioniMask,
                       s->DistanzaMinima), std::tuple(2, 1, 1, 0x3E, RecordDistanzaMinima{2, VERO}));
}

Grezzo UnaColonna() { return File().Colonne(1).Pronostico({1, 2, 3, 4, 5}).Accoda({1, 2, 3, 4, 5}); }
// One column, then a condition block of `quanti` times one record, with or without its end marks.
Byte Blocco(int32_t id, const Byte& record, int quanti, bool chiuso = true) {
  Grezzo f = UnaColonna();
  for (f.Id(12345); quanti > 0; --quanti) f.Id(id, record);
  return chiuso ? f.Id(100).Id(200).b : f.b;
}

TEST(FileSistemaLettura, EveryMalformedFileGetsItsAnswer) {
  constexpr auto letto = EsitoApriFile::Letto, rifiutato = EsitoApriFile::NonSequenziale;
  const std::tuple<std::string, Byte, EsitoApriFile> casi[] = {
      {"newer magic", File("tlxxqvx0003").Colonne(1).Accoda({1, 2, 3, 4, 5}).b, EsitoApriFile::VersioneNonValida},
      {"older magic", File("tlxxqvx0000").Colonne(1).Accoda({1, 2, 3, 4, 5}).b, letto},
      {"another marker", UnaColonna().Id(999).Id(1).b, letto},  // earlier versions end files otherwise
      {"a block without its end mark", Blocco(8, {3, 0xFF, 0xFF}, 1, false), rifiutato},
      {"negative count", UnaColonna().Colonne(-1).b, rifiutato},
      {"count over the capacity", UnaColonna().Colonne(CAPIENZA + 1).b, rifiutato},
      {"56 chosen numbers", UnaColonna().Poni(65, 56, 1).b, rifiutato},
      {"chosen number 0", UnaColonna().Pronostico({1, 0, 3}).b, rifiutato},
      {"a 0 in the last column", UnaColonna().Colonne(2).Accoda({6, 7, 0, 9, 10}).b, rifiutato},
      {"cut inside the columns", UnaColonna().Colonne(3).Accoda({6, 7, 8, 9, 10, 11, 12}).b, rifiutato},
      {"2000 AND filters", Blocco(1, Filtro({1}, 1, 62), 2000), letto},
      {"2001 AND filters", Blocco(1, Filtro({1}, 1, 62), 2001), rifiutato},
      {"2001 id-16 filters", Blocco(16, Filtro({1}, 1, 62), 2001), rifiutato},
      {"6 distance filters", Blocco(32, Byte(226, 0), 6), rifiutato},
      // Damage the format does not name.
      {"a number above 55", UnaColonna().Colonne(2).Accoda({6, 7, 56, 9, 10}).b, rifiutato},
      {"a record cut by the end", Blocco(32, Byte(100, 0), 1, false), rifiutato},
      {"17 unknown ids", Blocco(300, {}, 17), rifiutato}};  // beyond 16, garbage
  prova::CartellaTemporanea cartella;
  const auto vuoto = Stato(*std::make_unique<Sistema>()), prima = Stato(*SistemaCompleto());
  for (const auto& [nome, file, esito] : casi) {
    SCOPED_TRACE(nome);
    ScriviFile(cartella.File("rotto.tlqvx"), file);
    auto s = SistemaCompleto();
    const RisultatoApriFile r = ApriFile(*s, cartella.File("rotto.tlqvx"));
    Messaggi attesi(nome == "17 unknown ids" ? 17 : 0, Sconosciuta(300));
    if (esito != letto)
      attesi.push_back(Attenzione(esito == rifiutato ? "Sviluppo non sequenziale, impossibile continuare"
                                                     : "Versione non valida"));
    EXPECT_EQ(std::tuple(r.esito, r.messaggi), std::tuple(esito, attesi));
    if (esito == letto) continue;
    EXPECT_EQ(Stato(*s), esito == rifiutato ? vuoto : prima);
  }
  // A missing file: the run-time error, and the system as it was.
  auto s = SistemaCompleto();
  EXPECT_EQ(ApriFile(*s, cartella.File("manca.tlqvx")).messaggi.at(0).testo,
            "Error 53 (File not found) in procedure ApriFile of Modulo corpo");
  EXPECT_EQ(Stato(*s), prima);
}

}  // namespace
}  // namespace tlx
