#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/FileSistema.h"
#include "core/Sviluppo.h"

namespace tlx {
namespace {

namespace fs = std::filesystem;
using Byte = std::vector<uint8_t>;

using prova::CartellaTemporanea;

void ScriviFile(const std::string& percorso, const Byte& b) {
  std::ofstream f(percorso, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Byte LeggiFile(const std::string& percorso) {
  std::ifstream f(percorso, std::ios::binary);
  return Byte(std::istreambuf_iterator<char>(f), {});
}

// ---- Files put together byte by byte from the format's offset table ---------

void Poni16(Byte& b, size_t offset, int16_t v) {
  b[offset] = static_cast<uint8_t>(v & 0xFF);
  b[offset + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}
void Poni32(Byte& b, size_t offset, int32_t v) {
  for (size_t i = 0; i < 4; ++i) b[offset + i] = static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}
Byte Lungo(int32_t v) {
  Byte b(4);
  Poni32(b, 0, v);
  return b;
}
void Accoda(Byte& b, const Byte& altro) { b.insert(b.end(), altro.begin(), altro.end()); }

struct FileGrezzo {
  Byte b = Byte(202, 0);

  explicit FileGrezzo(std::string_view magic = "tlxxqvx0002") {
    std::copy(magic.begin(), magic.end(), b.begin());
    std::fill(b.begin() + 11, b.begin() + 61, ' ');
  }
  FileGrezzo& Titolo(std::string_view byte1252) {
    std::copy(byte1252.begin(), byte1252.end(), b.begin() + 11);
    return *this;
  }
  FileGrezzo& Colonne(int32_t n) {
    Poni32(b, 61, n);
    return *this;
  }
  FileGrezzo& Pronostico(std::initializer_list<uint8_t> numeri) {
    b[65] = static_cast<uint8_t>(numeri.size());
    std::copy(numeri.begin(), numeri.end(), b.begin() + 66);
    return *this;
  }
  FileGrezzo& Colonna(std::array<uint8_t, 5> c) {
    b.insert(b.end(), c.begin(), c.end());
    return *this;
  }
  FileGrezzo& Id(int32_t id) {
    Accoda(b, Lungo(id));
    return *this;
  }
  FileGrezzo& Record(int32_t id, const Byte& record) {
    Id(id);
    Accoda(b, record);
    return *this;
  }
};

Byte FiltroGrezzo(std::set<int> numeri, int32_t quanti, int32_t posizioni, int16_t attivo) {
  Byte r(65, 0);
  for (int n : numeri) r[static_cast<size_t>(n - 1)] = 1;
  Poni32(r, 55, quanti);
  Poni32(r, 59, posizioni);
  Poni16(r, 63, attivo);
  return r;
}

Byte FiltroV1Grezzo(std::set<int> numeri, int32_t quanti, int16_t attivo) {
  Byte r(61, 0);
  for (int n : numeri) r[static_cast<size_t>(n - 1)] = 1;
  Poni32(r, 55, quanti);
  Poni16(r, 59, attivo);
  return r;
}

Byte DistanzaMinimaGrezza(uint8_t distanza, int16_t attivo) {
  Byte r(3, 0);
  r[0] = distanza;
  Poni16(r, 1, attivo);
  return r;
}

Byte ConsecutiviGrezzi(int32_t maschera, int16_t attivo) {
  Byte r(6, 0);
  Poni32(r, 0, maschera);
  Poni16(r, 4, attivo);
  return r;
}

Byte DistanzaGrezza(std::vector<uint8_t> coppie, std::set<int> minOk, std::set<int> maxOk, int16_t attivo) {
  Byte r(226, 0);
  r[0] = static_cast<uint8_t>(coppie.size());
  std::copy(coppie.begin(), coppie.end(), r.begin() + 1);
  r[6] = static_cast<uint8_t>(minOk.size());
  for (int g : minOk) Poni16(r, 7 + 2 * static_cast<size_t>(g - 1), -1);
  r[115] = static_cast<uint8_t>(maxOk.size());
  for (int g : maxOk) Poni16(r, 116 + 2 * static_cast<size_t>(g - 1), -1);
  Poni16(r, 224, attivo);
  return r;
}

std::array<uint8_t, 5> Colonna(const Sistema& s, int32_t c) {
  const uint8_t* p = s.Colonne.Colonna(c);
  return {p[0], p[1], p[2], p[3], p[4]};
}

std::set<int> Scelti(const Sistema& s) {
  std::set<int> numeri;
  for (int i = 0; i < NUMERI; ++i)
    if (s.NumeriScelti[static_cast<size_t>(i)] == 1) numeri.insert(i + 1);
  return numeri;
}

std::unique_ptr<Sistema> NuovoSistema() { return std::make_unique<Sistema>(); }

const Messaggio NON_SEQUENZIALE{Icona::Critica, Pulsanti::Ok, "Attenzione!!",
                                "Sviluppo non sequenziale, impossibile continuare"};
const Messaggio VERSIONE_NON_VALIDA{Icona::Critica, Pulsanti::Ok, "Attenzione!!", "Versione non valida"};
Messaggio Sconosciuta(int id) {
  return {Icona::Critica, Pulsanti::Ok, "E R R O R E", "Condizione non riconosciuta\r\nID : " + std::to_string(id)};
}
Messaggio Errore(const std::string& testo) { return {Icona::Nessuna, Pulsanti::Ok, "", testo}; }

// A system with something in every part, to see what a failed open keeps.
void RiempiSistemaPrecedente(Sistema& s) {
  for (int n : {4, 9, 13, 20, 31}) GrigliaNumeriClick(s, n - 1);
  LeggiPronosticoDaGriglia(s);
  s.NumeroColonne = 2;
  std::memcpy(s.Colonne.Colonna(1), "\x04\x09\x0D\x14\x1F\x04\x09\x0D\x14\x1E", 10);
  s.TitoloSistema = "Integrale";
  s.Condizioni.SommaAttiva = VERO;
  s.NumeroFiltriAnd = 1;
  s.FiltriAnd[1].Attivo = VERO;
  s.GuiBloccata = VERO;
  s.MarcatoreCondizioni = MARCATORE_BLOCCO_CONDIZIONI;
  s.TitoloFileSistema = "precedente.tlqvx";
}

void AttendiSistemaVuoto(const Sistema& s) {
  EXPECT_EQ(s.NumeroColonne, 0);
  EXPECT_EQ(Colonna(s, 1), (std::array<uint8_t, 5>{}));
  EXPECT_EQ(Colonna(s, 2), (std::array<uint8_t, 5>{}));
  EXPECT_EQ(s.TitoloSistema.Trimmed(), "");
  EXPECT_EQ(s.NumeriPronostico, 0);
  EXPECT_TRUE(Scelti(s).empty());
  EXPECT_EQ(s.Condizioni, RecordCondizioni{});
  EXPECT_EQ(s.NumeroFiltriAnd, 0);
  EXPECT_EQ(s.FiltriAnd[1], RecordFiltro{});
  EXPECT_EQ(s.NumeroFiltriDistanza, 0);
  EXPECT_EQ(s.Consecutivi, RecordConsecutivi{});
  EXPECT_EQ(s.DistanzaMinima, RecordDistanzaMinima{});
  EXPECT_EQ(s.MarcatoreCondizioni, 0);
  EXPECT_EQ(s.GuiBloccata, 0);
}

void AttendiSistemaPrecedente(const Sistema& s) {
  EXPECT_EQ(s.NumeroColonne, 2);
  EXPECT_EQ(Colonna(s, 2), (std::array<uint8_t, 5>{4, 9, 13, 20, 30}));
  EXPECT_EQ(s.TitoloSistema.Trimmed(), "Integrale");
  EXPECT_EQ(Scelti(s), (std::set<int>{4, 9, 13, 20, 31}));
  EXPECT_EQ(s.NumeriPronostico, 5);
  EXPECT_TRUE(Vero(s.Condizioni.SommaAttiva));
  EXPECT_EQ(s.NumeroFiltriAnd, 1);
  EXPECT_EQ(s.GuiBloccata, VERO);
  EXPECT_EQ(s.TitoloFileSistema, "precedente.tlqvx");
}

// ---- Writing -------------------------------------------------------------------

TEST(FileSistemaScrittura, EmptySystemIsTheFixedPartAtItsOffsets) {
  CartellaTemporanea cartella;
  auto s = NuovoSistema();
  s->TitoloSistema = "  Città €uro";
  for (int n : {55, 3, 17}) GrigliaNumeriClick(*s, n - 1);
  s->Pronostico = {9, 9, 9};  // re-read from the grid on saving
  RecordCondizioni& k = s->Condizioni;
  k.PariAttiva = VERO;
  k.FisseAttiva = VERO;
  k.PariAmmessi[0] = VERO;
  k.PariAmmessi[5] = VERO;
  k.SommaMinMax = {0x0102, 0x0304};
  k.NumeriFissi[1] = 1;
  k.NumeriFissi[55] = 1;
  k.QuantiFissi = 2;
  k.RidottoAttivo = VERO;
  k.Garanzia = 3;

  const std::string percorso = cartella.File("Prova À.TLQVX");
  const RisultatoSalvaFile r = SalvaFile(*s, percorso);
  EXPECT_EQ(r.esito, EsitoSalvaFile::Salvato);
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_EQ(s->TitoloFileSistema, "prova à.tlqvx");
  EXPECT_EQ(s->TitoloSistema.Testo(), "Città €uro" + std::string(40, ' '));
  EXPECT_EQ(s->MarcatoreCondizioni, 0);

  Byte atteso(202, 0);
  const std::string_view magic = "tlxxqvx0002";
  std::copy(magic.begin(), magic.end(), atteso.begin());
  const std::string_view titolo = "Citt\xE0 \x80uro";
  std::fill(atteso.begin() + 11, atteso.begin() + 61, ' ');
  std::copy(titolo.begin(), titolo.end(), atteso.begin() + 11);
  atteso[65] = 3;
  atteso[66] = 3, atteso[67] = 17, atteso[68] = 55;
  Poni16(atteso, 121, -1);
  Poni16(atteso, 125, -1);
  Poni16(atteso, 127, -1);
  Poni16(atteso, 137, -1);
  Poni16(atteso, 139, 0x0102);
  Poni16(atteso, 141, 0x0304);
  atteso[143] = 1;
  atteso[197] = 1;
  atteso[198] = 2;
  Poni16(atteso, 199, -1);
  atteso[201] = 3;
  EXPECT_EQ(LeggiFile(percorso), atteso);
}

TEST(FileSistemaScrittura, ConditionBlockHoldsTheActiveRecordsInOrder) {
  CartellaTemporanea cartella;
  auto s = NuovoSistema();
  s->NumeroColonne = 1;
  std::memcpy(s->Colonne.Colonna(1), "\x01\x02\x03\x04\x05", 5);
  s->DistanzaMinima = {3, VERO};
  s->NumeroFiltriAnd = 3;
  for (int i = 1; i <= 3; ++i) {
    RecordFiltro& f = s->FiltriAnd[static_cast<size_t>(i)];
    f.Numeri[static_cast<size_t>(i)] = 1;
    f.Numeri[static_cast<size_t>(50 + i)] = 1;
    f.QuantiMask = 0x11223300 + i;
    f.PosizioniMask = 2 + 4 * i;
    f.Attivo = ComeFlag(i != 2);
  }
  s->Consecutivi = {0x0A0B0C0D, VERO};
  s->NumeroFiltriDistanza = 3;
  for (int i = 1; i <= 3; ++i) {
    RecordDistanza& d = s->FiltriDistanza[static_cast<size_t>(i)];
    d.NumeroCoppie = 2;
    d.Coppie[1] = 1;
    d.Coppie[2] = static_cast<uint8_t>(1 + i);
    d.MinAttivo = 1;
    d.MinOk[static_cast<size_t>(i)] = VERO;
    d.MaxAttivo = 2;
    d.MaxOk[static_cast<size_t>(40 + i)] = VERO;
    d.MaxOk[54] = VERO;
    d.Attivo = ComeFlag(i != 3);
  }
  s->FiltriOr[1].Attivo = VERO;  // never written
  s->NumeroFiltriOr = 1;

  const std::string percorso = cartella.File("blocco.tlqvx");
  ASSERT_EQ(SalvaFile(*s, percorso).esito, EsitoSalvaFile::Salvato);
  EXPECT_EQ(s->MarcatoreCondizioni, 12345);

  Byte atteso = Lungo(12345);
  Accoda(atteso, Lungo(8));
  Accoda(atteso, DistanzaMinimaGrezza(3, -1));
  for (int i : {1, 3}) {
    Accoda(atteso, Lungo(1));
    Accoda(atteso, FiltroGrezzo({i, 50 + i}, 0x11223300 + i, 2 + 4 * i, -1));
  }
  Accoda(atteso, Lungo(2));
  Accoda(atteso, ConsecutiviGrezzi(0x0A0B0C0D, -1));
  for (int i : {1, 2}) {
    Accoda(atteso, Lungo(32));
    Accoda(atteso, DistanzaGrezza({1, static_cast<uint8_t>(1 + i)}, {i}, {40 + i, 54}, -1));
  }
  Accoda(atteso, Lungo(100));
  Accoda(atteso, Lungo(200));

  const Byte file = LeggiFile(percorso);
  ASSERT_EQ(file.size(), 207 + atteso.size());
  EXPECT_EQ(Byte(file.begin() + 202, file.begin() + 207), (Byte{1, 2, 3, 4, 5}));
  EXPECT_EQ(Byte(file.begin() + 207, file.end()), atteso);
}

TEST(FileSistemaScrittura, EveryColumnFiveBytesInTableOrder) {
  CartellaTemporanea cartella;
  auto s = NuovoSistema();
  // A full table of distinct columns, numbers ascending.
  for (int32_t c = 1; c <= CAPIENZA; ++c) {
    uint8_t* p = s->Colonne.Colonna(c);
    p[0] = static_cast<uint8_t>(1 + c % 40);
    p[1] = static_cast<uint8_t>(p[0] + 1 + c / 40 % 3);
    p[2] = static_cast<uint8_t>(p[1] + 1 + c / 120 % 3);
    p[3] = static_cast<uint8_t>(p[2] + 1 + c / 360 % 3);
    p[4] = static_cast<uint8_t>(p[3] + 1 + c / 1080 % 3);
  }
  s->NumeroColonne = CAPIENZA;
  s->TitoloSistema = "Integrale - ***";
  const std::string percorso = cartella.File("pieno.tlqvx");
  ASSERT_EQ(SalvaFile(*s, percorso).esito, EsitoSalvaFile::Salvato);

  const Byte file = LeggiFile(percorso);
  ASSERT_EQ(file.size(), 9'250'202u);
  EXPECT_EQ(file[61] | file[62] << 8 | file[63] << 16 | file[64] << 24, CAPIENZA);
  for (int32_t c : {1, 2, 925'000, CAPIENZA}) {
    const size_t offset = 202 + 5 * static_cast<size_t>(c - 1);
    EXPECT_EQ(Byte(file.begin() + static_cast<long>(offset), file.begin() + static_cast<long>(offset) + 5),
              Byte(s->Colonne.Colonna(c), s->Colonne.Colonna(c) + 5))
        << c;
  }

  auto letto = NuovoSistema();
  int eventi = 0;
  const RisultatoApriFile r = ApriFile(*letto, percorso, [&] { ++eventi; });
  ASSERT_EQ(r.esito, EsitoApriFile::Letto);
  EXPECT_EQ(letto->NumeroColonne, CAPIENZA);
  EXPECT_EQ(std::memcmp(letto->Colonne.Dati(), s->Colonne.Dati(), 9'250'000), 0);
  // The event loop gets its turns, but not one per column.
  EXPECT_GE(eventi, 1);
  EXPECT_LE(eventi, CAPIENZA / 10'000);
}

TEST(FileSistemaScrittura, CrosswordKeepsThePredictionOrderOthersReadTheGrid) {
  CartellaTemporanea cartella;
  for (const std::string titolo : {" CRUCIVERBA ", "Integrale"}) {
    auto s = NuovoSistema();
    for (int n : {2, 17, 40}) GrigliaNumeriClick(*s, n - 1);
    s->Pronostico = {40, 2, 17};
    s->TitoloSistema = titolo;
    const std::string percorso = cartella.File("ordine.tlqvx");
    ASSERT_EQ(SalvaFile(*s, percorso).esito, EsitoSalvaFile::Salvato);
    const Byte file = LeggiFile(percorso);
    const Byte pronostico(file.begin() + 66, file.begin() + 70);
    if (titolo == "Integrale")
      EXPECT_EQ(pronostico, (Byte{2, 17, 40, 0}));
    else
      EXPECT_EQ(pronostico, (Byte{40, 2, 17, 0}));
    EXPECT_EQ(file[65], 3);
  }
}

TEST(FileSistemaScrittura, SavingOverALongerFileLeavesNothingOfIt) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("lungo.tlqvx");
  ScriviFile(percorso, Byte(10'000, 0xAB));
  auto s = NuovoSistema();
  s->NumeroColonne = 1;
  std::memcpy(s->Colonne.Colonna(1), "\x01\x02\x03\x04\x05", 5);
  ASSERT_EQ(SalvaFile(*s, percorso).esito, EsitoSalvaFile::Salvato);
  const Byte file = LeggiFile(percorso);
  EXPECT_EQ(file.size(), 207u);
  EXPECT_EQ(std::count(file.begin(), file.end(), 0xAB), 0);
  EXPECT_EQ(cartella.Contenuto(), std::vector<std::string>{"lungo.tlqvx"});
}

// Lowers the largest file this process may write, for one scope.
class LimiteDimensioneFile {
 public:
  explicit LimiteDimensioneFile(rlim_t byte) {
    getrlimit(RLIMIT_FSIZE, &prima_);
    segnalePrima_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = prima_;
    limite.rlim_cur = byte;
    setrlimit(RLIMIT_FSIZE, &limite);
  }
  ~LimiteDimensioneFile() {
    setrlimit(RLIMIT_FSIZE, &prima_);
    std::signal(SIGXFSZ, segnalePrima_);
  }

 private:
  rlimit prima_{};
  void (*segnalePrima_)(int) = nullptr;
};

TEST(FileSistemaScrittura, AFailedSaveLeavesThePreviousFileIntact) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("sistema.tlqvx");
  auto s = NuovoSistema();
  RiempiSistemaPrecedente(*s);
  ASSERT_EQ(SalvaFile(*s, percorso).esito, EsitoSalvaFile::Salvato);
  const Byte precedente = LeggiFile(percorso);

  // The disk fills up halfway through a full system.
  s->NumeroColonne = CAPIENZA;
  std::fill(s->Colonne.Dati(), s->Colonne.Dati() + 9'250'000, uint8_t{7});
  s->TitoloFileSistema = "altro.tlqvx";
  RisultatoSalvaFile r;
  {
    LimiteDimensioneFile limite(1 << 20);
    r = SalvaFile(*s, percorso);
  }
  EXPECT_EQ(r.esito, EsitoSalvaFile::ErroreRuntime);
  EXPECT_EQ(r.messaggi, Messaggi{Errore("Error 61 (Disk full) in procedure SalvaFile of Modulo corpo")});
  EXPECT_EQ(LeggiFile(percorso), precedente);
  EXPECT_EQ(cartella.Contenuto(), std::vector<std::string>{"sistema.tlqvx"});
  EXPECT_EQ(s->TitoloFileSistema, "altro.tlqvx");

  // A folder that does not exist, and a folder in place of the file.
  r = SalvaFile(*s, cartella.File("manca/sistema.tlqvx"));
  EXPECT_EQ(r.esito, EsitoSalvaFile::ErroreRuntime);
  EXPECT_EQ(r.messaggi, Messaggi{Errore("Error 76 (Path not found) in procedure SalvaFile of Modulo corpo")});
  fs::create_directory(cartella.File("cartella.tlqvx"));
  r = SalvaFile(*s, cartella.File("cartella.tlqvx"));
  EXPECT_EQ(r.messaggi, Messaggi{Errore("Error 75 (Path/File access error) in procedure SalvaFile of Modulo corpo")});
  EXPECT_TRUE(fs::is_directory(cartella.File("cartella.tlqvx")));
  EXPECT_EQ(cartella.Contenuto(), (std::vector<std::string>{"cartella.tlqvx", "sistema.tlqvx"}));
  EXPECT_EQ(s->TitoloFileSistema, "altro.tlqvx");

  r = SalvaFile(*s, "");
  EXPECT_EQ(r.esito, EsitoSalvaFile::NessunPercorso);
  EXPECT_TRUE(r.messaggi.empty());
}

// ---- Reading -------------------------------------------------------------------

TEST(FileSistemaLettura, FixedPartAndColumnsFromTheirOffsets) {
  CartellaTemporanea cartella;
  FileGrezzo f;
  f.Titolo("Citt\xE0 \x80 \x9C").Colonne(2).Pronostico({21, 4, 55});
  f.b[69] = 99;  // past the chosen numbers: means nothing
  Poni16(f.b, 121, -1);
  Poni16(f.b, 123, 1);  // any non-zero flag reads as true
  Poni16(f.b, 129, -1);
  Poni16(f.b, 139, 0x0102);
  Poni16(f.b, 141, 0x0304);
  f.b[143 + 20] = 1;
  f.b[198] = 1;
  Poni16(f.b, 199, -1);
  f.b[201] = 2;
  f.Colonna({4, 21, 30, 44, 55}).Colonna({1, 2, 3, 4, 5});
  const std::string percorso = cartella.File("Lettura.TLQVX");
  ScriviFile(percorso, f.b);

  auto s = NuovoSistema();
  RiempiSistemaPrecedente(*s);
  const RisultatoApriFile r = ApriFile(*s, "\"" + percorso + "\"");
  EXPECT_EQ(r.esito, EsitoApriFile::Letto);
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_EQ(s->NomeFileSistema, percorso);
  EXPECT_EQ(s->TitoloFileSistema, "lettura.tlqvx");
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Città € œ");
  EXPECT_EQ(s->NumeroColonne, 2);
  EXPECT_EQ(Colonna(*s, 1), (std::array<uint8_t, 5>{4, 21, 30, 44, 55}));
  EXPECT_EQ(Colonna(*s, 2), (std::array<uint8_t, 5>{1, 2, 3, 4, 5}));
  EXPECT_EQ(Colonna(*s, 3), (std::array<uint8_t, 5>{}));
  EXPECT_EQ(s->NumeriPronostico, 3);
  EXPECT_EQ(Scelti(*s), (std::set<int>{4, 21, 55}));
  EXPECT_EQ(std::vector<uint8_t>(s->Pronostico.begin(), s->Pronostico.begin() + 5), (std::vector<uint8_t>{21, 4, 55, 0, 0}));
  RecordCondizioni atteso;
  atteso.PariAttiva = -1;
  atteso.SommaAttiva = 1;
  atteso.PariAmmessi[1] = -1;
  atteso.SommaMinMax = {0x0102, 0x0304};
  atteso.NumeriFissi[21] = 1;
  atteso.QuantiFissi = 1;
  atteso.RidottoAttivo = -1;
  atteso.Garanzia = 2;
  EXPECT_EQ(s->Condizioni, atteso);
  // No condition block: every record-borne condition is off.
  EXPECT_EQ(s->NumeroFiltriAnd, 0);
  EXPECT_EQ(s->MarcatoreCondizioni, 0);
  EXPECT_EQ(s->GuiBloccata, VERO);
}

TEST(FileSistemaLettura, ZeroColumnsLeaveTheWindowUnlockedWithTheNumbersChosen) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("vuoto.tlqvx");
  ScriviFile(percorso, FileGrezzo().Titolo("Integrale").Pronostico({8, 9, 10, 11, 12, 13}).b);
  auto s = NuovoSistema();
  RiempiSistemaPrecedente(*s);
  EXPECT_EQ(ApriFile(*s, percorso).esito, EsitoApriFile::Letto);
  EXPECT_EQ(s->NumeroColonne, 0);
  EXPECT_EQ(s->GuiBloccata, 0);
  EXPECT_EQ(Scelti(*s), (std::set<int>{8, 9, 10, 11, 12, 13}));
  EXPECT_EQ(s->NumeriPronostico, 6);
  EXPECT_EQ(s->TitoloFileSistema, "vuoto.tlqvx");
}

TEST(FileSistemaLettura, ARepeatedNumberTogglesItsCellTwice) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("doppio.tlqvx");
  ScriviFile(percorso, FileGrezzo().Pronostico({5, 5, 7}).b);
  auto s = NuovoSistema();
  ASSERT_EQ(ApriFile(*s, percorso).esito, EsitoApriFile::Letto);
  EXPECT_EQ(Scelti(*s), std::set<int>{7});
  EXPECT_EQ(s->NumeriPronostico, 1);
}

TEST(FileSistemaLettura, ConditionRecordsOfBothVersions) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("condizioni.tlqvx");

  // Version 1 filters have no position mask: they count all five positions.
  FileGrezzo v1("tlxxqvx0001");
  v1.Colonne(1).Colonna({1, 2, 3, 4, 5}).Id(12345);
  v1.Record(1, FiltroV1Grezzo({1, 2, 3}, 0x0C, -1)).Record(1, FiltroV1Grezzo({55}, 0x21, 0));
  v1.Record(8, DistanzaMinimaGrezza(2, -1)).Id(100).Id(200);
  ScriviFile(percorso, v1.b);
  auto s = NuovoSistema();
  EXPECT_EQ(ApriFile(*s, percorso).esito, EsitoApriFile::Letto);
  ASSERT_EQ(s->NumeroFiltriAnd, 2);
  RecordFiltro primo;
  primo.Numeri[1] = primo.Numeri[2] = primo.Numeri[3] = 1;
  primo.QuantiMask = 0x0C;
  primo.PosizioniMask = 62;
  primo.Attivo = VERO;
  EXPECT_EQ(s->FiltriAnd[1], primo);
  RecordFiltro secondo;
  secondo.Numeri[55] = 1;
  secondo.QuantiMask = 0x21;
  secondo.PosizioniMask = 62;
  EXPECT_EQ(s->FiltriAnd[2], secondo);
  EXPECT_EQ(s->DistanzaMinima, (RecordDistanzaMinima{2, VERO}));
  EXPECT_EQ(s->MarcatoreCondizioni, 12345);

  // Version 2, every id, in an order the writer would not use.
  FileGrezzo v2;
  v2.Colonne(1).Colonna({1, 2, 3, 4, 5}).Id(12345);
  v2.Record(2, ConsecutiviGrezzi(0x24, -1));
  v2.Record(32, DistanzaGrezza({4, 1, 2}, {3, 54}, {1}, -1));
  v2.Record(1, FiltroGrezzo({7, 8}, 0x03, 0x06, -1));
  v2.Record(16, FiltroGrezzo({9}, 0x02, 0x3E, -1));
  v2.Record(8, DistanzaMinimaGrezza(4, -1)).Id(100).Id(200);
  ScriviFile(percorso, v2.b);
  const int32_t orPrima = s->NumeroFiltriOr;
  EXPECT_EQ(ApriFile(*s, percorso).esito, EsitoApriFile::Letto);
  EXPECT_EQ(s->Consecutivi, (RecordConsecutivi{0x24, VERO}));
  ASSERT_EQ(s->NumeroFiltriDistanza, 1);
  RecordDistanza d;
  d.NumeroCoppie = 3;
  d.Coppie[1] = 4, d.Coppie[2] = 1, d.Coppie[3] = 2;
  d.MinAttivo = 2;
  d.MinOk[3] = d.MinOk[54] = VERO;
  d.MaxAttivo = 1;
  d.MaxOk[1] = VERO;
  d.Attivo = VERO;
  EXPECT_EQ(s->FiltriDistanza[1], d);
  ASSERT_EQ(s->NumeroFiltriAnd, 1);
  EXPECT_EQ(s->FiltriAnd[1].PosizioniMask, 0x06);
  EXPECT_EQ(s->FiltriAnd[1].Numeri[8], 1);
  ASSERT_EQ(s->NumeroFiltriOr, orPrima + 1);
  EXPECT_EQ(s->FiltriOr[static_cast<size_t>(s->NumeroFiltriOr)].Numeri[9], 1);
  EXPECT_EQ(s->FiltriOr[static_cast<size_t>(s->NumeroFiltriOr)].PosizioniMask, 0x3E);
  EXPECT_EQ(s->DistanzaMinima, (RecordDistanzaMinima{4, VERO}));
}

TEST(FileSistemaLettura, MarkerAndEndMarksOnlyLeaveEveryRecordConditionOff) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("marcatore.tlqvx");
  ScriviFile(percorso, FileGrezzo().Colonne(1).Colonna({6, 7, 8, 9, 10}).Id(12345).Id(100).Id(200).b);
  auto s = NuovoSistema();
  RiempiSistemaPrecedente(*s);
  s->Consecutivi.Attivo = VERO;
  s->DistanzaMinima.Attivo = VERO;
  s->NumeroFiltriDistanza = 1;
  const RisultatoApriFile r = ApriFile(*s, percorso);
  EXPECT_EQ(r.esito, EsitoApriFile::Letto);
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_EQ(s->MarcatoreCondizioni, 12345);
  EXPECT_EQ(s->NumeroFiltriAnd, 0);
  EXPECT_EQ(s->NumeroFiltriDistanza, 0);
  EXPECT_FALSE(Vero(s->Consecutivi.Attivo));
  EXPECT_FALSE(Vero(s->DistanzaMinima.Attivo));
  EXPECT_EQ(Colonna(*s, 1), (std::array<uint8_t, 5>{6, 7, 8, 9, 10}));
}

TEST(FileSistemaLettura, AnUnknownIdIsReportedAndTheNextFourBytesAreAnId) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("sconosciuto.tlqvx");
  FileGrezzo f;
  f.Colonne(1).Colonna({6, 7, 8, 9, 10}).Id(12345).Id(64).Record(2, ConsecutiviGrezzi(6, -1)).Id(-7).Id(100).Id(200);
  ScriviFile(percorso, f.b);
  auto s = NuovoSistema();
  const RisultatoApriFile r = ApriFile(*s, percorso);
  EXPECT_EQ(r.esito, EsitoApriFile::Letto);
  EXPECT_EQ(r.messaggi, (Messaggi{Sconosciuta(64), Sconosciuta(-7)}));
  EXPECT_EQ(s->Consecutivi, (RecordConsecutivi{6, VERO}));
  EXPECT_EQ(s->NumeroColonne, 1);
}

TEST(FileSistemaLettura, TableLimitsAreInclusive) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("limiti.tlqvx");
  FileGrezzo f;
  f.Colonne(1).Colonna({1, 2, 3, 4, 5}).Id(12345);
  for (int i = 0; i < 2000; ++i) f.Record(1, FiltroGrezzo({1 + i % 55}, 1, 62, -1));
  for (int i = 0; i < 2000; ++i) f.Record(16, FiltroGrezzo({1 + i % 55}, 1, 62, -1));
  for (int i = 0; i < 5; ++i) f.Record(32, DistanzaGrezza({1}, {1 + i}, {}, -1));
  ScriviFile(percorso, f.Id(100).Id(200).b);
  auto s = NuovoSistema();
  EXPECT_EQ(ApriFile(*s, percorso).esito, EsitoApriFile::Letto);
  EXPECT_EQ(s->NumeroFiltriAnd, 2000);
  EXPECT_EQ(s->FiltriAnd[2000].Numeri[1 + 1999 % 55], 1);
  EXPECT_EQ(s->NumeroFiltriOr, 2000);
  EXPECT_EQ(s->NumeroFiltriDistanza, 5);
  EXPECT_TRUE(Vero(s->FiltriDistanza[5].MinOk[5]));
}

struct CasoMalformato {
  std::string nome;
  Byte file;
  EsitoApriFile esito;
  Messaggi messaggi;
};

FileGrezzo UnaColonna() { return std::move(FileGrezzo().Colonne(1).Pronostico({1, 2, 3, 4, 5}).Colonna({1, 2, 3, 4, 5})); }

std::vector<CasoMalformato> CasiMalformati() {
  std::vector<CasoMalformato> casi;
  const auto rifiutato = [&](std::string nome, Byte file) {
    casi.push_back({std::move(nome), std::move(file), EsitoApriFile::NonSequenziale, {NON_SEQUENZIALE}});
  };
  casi.push_back({"newer magic", UnaColonna().b, EsitoApriFile::VersioneNonValida, {VERSIONE_NON_VALIDA}});
  std::copy_n("tlxxqvx0003", 11, casi.back().file.begin());
  casi.push_back({"newer short magic", Byte{'u'}, EsitoApriFile::VersioneNonValida, {VERSIONE_NON_VALIDA}});

  rifiutato("negative count", UnaColonna().Colonne(-1).b);
  rifiutato("count over the capacity", UnaColonna().Colonne(CAPIENZA + 1).b);
  Byte troppi = UnaColonna().b;
  troppi[65] = 56;
  rifiutato("56 chosen numbers", troppi);
  rifiutato("chosen number 0", UnaColonna().Pronostico({1, 0, 3}).b);
  rifiutato("chosen number 56", UnaColonna().Pronostico({1, 56, 3}).b);
  Byte tagliata = UnaColonna().Colonne(3).Colonna({6, 7, 8, 9, 10}).b;
  tagliata.insert(tagliata.end(), {11, 12});
  rifiutato("cut inside the columns", tagliata);
  rifiutato("cut between the columns", UnaColonna().Colonne(3).Colonna({6, 7, 8, 9, 10}).b);
  rifiutato("a 0 in the last column", UnaColonna().Colonne(2).Colonna({6, 7, 0, 9, 10}).b);
  FileGrezzo and2001 = UnaColonna();
  and2001.Id(12345);
  for (int i = 0; i < 2001; ++i) and2001.Record(1, FiltroGrezzo({1}, 1, 62, -1));
  rifiutato("2001 AND filters", and2001.Id(100).Id(200).b);
  FileGrezzo or2001 = UnaColonna();
  or2001.Id(12345);
  for (int i = 0; i < 2001; ++i) or2001.Record(16, FiltroGrezzo({1}, 1, 62, -1));
  rifiutato("2001 id-16 filters", or2001.Id(100).Id(200).b);
  FileGrezzo distanze6 = UnaColonna();
  distanze6.Id(12345);
  for (int i = 0; i < 6; ++i) distanze6.Record(32, DistanzaGrezza({1}, {1}, {}, -1));
  rifiutato("6 distance filters", distanze6.Id(100).Id(200).b);

  // Damage the format itself does not name: nothing half-read is kept.
  rifiutato("empty file", Byte{});
  Byte fissaTagliata = UnaColonna().b;
  fissaTagliata.resize(150);
  rifiutato("cut inside the fixed part", fissaTagliata);
  rifiutato("a number above 55", UnaColonna().Colonne(2).Colonna({6, 7, 56, 9, 10}).b);
  rifiutato("a record cut by the end", Byte(UnaColonna().Id(12345).Record(32, Byte(100, 0)).b));
  rifiutato("a block without its end mark", UnaColonna().Id(12345).Record(8, DistanzaMinimaGrezza(2, -1)).b);
  Byte marcatoreTagliato = UnaColonna().b;
  marcatoreTagliato.insert(marcatoreTagliato.end(), {0x39, 0x30});
  rifiutato("a marker cut by the end", marcatoreTagliato);
  rifiutato("columns beyond the count", UnaColonna().Colonna({6, 7, 8, 9, 10}).b);
  FileGrezzo sconosciuti = UnaColonna();
  sconosciuti.Id(12345);
  CasoMalformato troppiSconosciuti{"17 unknown ids", {}, EsitoApriFile::NonSequenziale, {}};
  for (int id = 300; id < 317; ++id) {
    sconosciuti.Id(id);
    troppiSconosciuti.messaggi.push_back(Sconosciuta(id));
  }
  troppiSconosciuti.file = sconosciuti.Id(100).Id(200).b;
  troppiSconosciuti.messaggi.push_back(NON_SEQUENZIALE);
  casi.push_back(troppiSconosciuti);
  return casi;
}

TEST(FileSistemaLettura, EveryMalformedFileGetsItsAnswer) {
  CartellaTemporanea cartella;
  const std::string percorso = cartella.File("rotto.tlqvx");
  for (const CasoMalformato& caso : CasiMalformati()) {
    SCOPED_TRACE(caso.nome);
    ScriviFile(percorso, caso.file);
    auto s = NuovoSistema();
    RiempiSistemaPrecedente(*s);
    s->NumeroFiltriOr = 3;
    const RisultatoApriFile r = ApriFile(*s, percorso);
    EXPECT_EQ(r.esito, caso.esito);
    EXPECT_EQ(r.messaggi, caso.messaggi);
    EXPECT_EQ(s->NomeFileSistema, percorso);
    EXPECT_EQ(s->NumeroFiltriOr, 3);
    if (caso.esito == EsitoApriFile::VersioneNonValida) {
      AttendiSistemaPrecedente(*s);
    } else {
      AttendiSistemaVuoto(*s);
      EXPECT_EQ(s->TitoloFileSistema, "precedente.tlqvx");
    }
  }
}

TEST(FileSistemaLettura, AFileThatCannotBeReadLeavesTheSystemAsItWas) {
  CartellaTemporanea cartella;
  auto s = NuovoSistema();
  RiempiSistemaPrecedente(*s);
  RisultatoApriFile r = ApriFile(*s, cartella.File("manca.tlqvx"));
  EXPECT_EQ(r.esito, EsitoApriFile::ErroreRuntime);
  EXPECT_EQ(r.messaggi, Messaggi{Errore("Error 53 (File not found) in procedure ApriFile of Modulo corpo")});
  EXPECT_EQ(s->NomeFileSistema, cartella.File("manca.tlqvx"));
  AttendiSistemaPrecedente(*s);

  fs::create_directory(cartella.File("cartella.tlqvx"));
  r = ApriFile(*s, cartella.File("cartella.tlqvx"));
  EXPECT_EQ(r.messaggi, Messaggi{Errore("Error 75 (Path/File access error) in procedure ApriFile of Modulo corpo")});
  AttendiSistemaPrecedente(*s);

  r = ApriFile(*s, "");
  EXPECT_EQ(r.esito, EsitoApriFile::NessunPercorso);
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_EQ(s->NomeFileSistema, cartella.File("cartella.tlqvx"));
  AttendiSistemaPrecedente(*s);
}

TEST(FileSistemaLettura, ADevelopedSystemComesBackWhole) {
  CartellaTemporanea cartella;
  auto s = NuovoSistema();
  for (int n = 1; n <= 16; ++n) GrigliaNumeriClick(*s, 3 * n - 1);
  LeggiPronosticoDaGriglia(*s);
  s->Condizioni.SommaAttiva = VERO;
  s->Condizioni.SommaMinMax = {60, 160};
  s->Condizioni.PariAttiva = VERO;
  s->Condizioni.PariAmmessi = {0, VERO, VERO, VERO, 0, 0};
  s->NumeroFiltriAnd = 2;
  for (int i = 1; i <= 2; ++i) {
    RecordFiltro& f = s->FiltriAnd[static_cast<size_t>(i)];
    for (int n = i; n <= 55; n += 4) f.Numeri[static_cast<size_t>(n)] = 1;
    f.QuantiMask = 0b001110;
    f.PosizioniMask = 62;
    f.Attivo = VERO;
  }
  s->Consecutivi = {0b001110, VERO};
  s->NumeroFiltriDistanza = 1;
  RecordDistanza& d = s->FiltriDistanza[1];
  d.NumeroCoppie = 1;
  d.Coppie[1] = 2;
  d.MinAttivo = 40;
  for (size_t g = 3; g <= 42; ++g) d.MinOk[g] = VERO;
  d.Attivo = VERO;
  s->DistanzaMinima = {2, VERO};
  Sviluppo(*s, s->NumeriPronostico, s->Pronostico);
  ASSERT_GT(s->NumeroColonne, 10);
  ASSERT_EQ(s->TitoloSistema.Trimmed(), "Distanza Minima [2] - Condizionato");

  const std::string percorso = cartella.File("Sviluppato.tlqvx");
  ASSERT_EQ(SalvaFile(*s, percorso).esito, EsitoSalvaFile::Salvato);
  auto letto = NuovoSistema();
  const RisultatoApriFile r = ApriFile(*letto, percorso);
  ASSERT_EQ(r.esito, EsitoApriFile::Letto);
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_EQ(letto->NumeroColonne, s->NumeroColonne);
  EXPECT_EQ(std::memcmp(letto->Colonne.Dati(), s->Colonne.Dati(), 9'250'000), 0);
  EXPECT_EQ(letto->TitoloSistema, s->TitoloSistema);
  EXPECT_EQ(letto->Pronostico, s->Pronostico);
  EXPECT_EQ(letto->NumeriPronostico, 16);
  EXPECT_EQ(letto->NumeriScelti, s->NumeriScelti);
  EXPECT_EQ(letto->Condizioni, s->Condizioni);
  EXPECT_EQ(letto->NumeroFiltriAnd, 2);
  EXPECT_TRUE(std::equal(letto->FiltriAnd.begin(), letto->FiltriAnd.begin() + 3, s->FiltriAnd.begin()));
  EXPECT_EQ(letto->Consecutivi, s->Consecutivi);
  EXPECT_EQ(letto->NumeroFiltriDistanza, 1);
  EXPECT_EQ(letto->FiltriDistanza, s->FiltriDistanza);
  EXPECT_EQ(letto->DistanzaMinima, s->DistanzaMinima);
  EXPECT_EQ(letto->MarcatoreCondizioni, 12345);
  EXPECT_EQ(letto->GuiBloccata, VERO);
  EXPECT_EQ(letto->TitoloFileSistema, "sviluppato.tlqvx");
}

// Valid files damaged at random: whatever the damage, the reader either
// loads a system that keeps every invariant or leaves an empty one.
TEST(FileSistemaLettura, RandomDamageNeverLoadsABrokenSystem) {
  CartellaTemporanea cartella;
  std::vector<Byte> validi;
  validi.push_back(FileGrezzo().Pronostico({1, 2, 3, 4, 5}).b);
  FileGrezzo completo = UnaColonna();
  completo.Colonne(3).Colonna({10, 20, 30, 40, 50}).Colonna({11, 21, 31, 41, 51}).Id(12345);
  completo.Record(8, DistanzaMinimaGrezza(2, -1)).Record(1, FiltroGrezzo({1, 2}, 3, 62, -1));
  completo.Record(2, ConsecutiviGrezzi(6, -1)).Record(32, DistanzaGrezza({1}, {2}, {3}, -1));
  completo.Record(16, FiltroGrezzo({5}, 1, 62, -1)).Id(100).Id(200);
  validi.push_back(completo.b);
  FileGrezzo v1("tlxxqvx0001");
  v1.Colonne(1).Pronostico({1, 2, 3, 4, 5}).Colonna({1, 2, 3, 4, 5}).Id(12345);
  v1.Record(1, FiltroV1Grezzo({1}, 2, -1)).Id(100).Id(200);
  validi.push_back(v1.b);

  const std::vector<int32_t> interi = {0, 1, 2, 8, 16, 32, 100, 200, 12345, -1, 55, 56, 2000, CAPIENZA, CAPIENZA + 1};
  std::mt19937 caso(20240611);
  const auto sotto = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(caso); };
  const std::string percorso = cartella.File("mutato.tlqvx");
  auto s = NuovoSistema();
  int letti = 0, rifiutati = 0;
  for (int prova = 0; prova < 1500; ++prova) {
    Byte f = validi[sotto(validi.size())];
    for (size_t m = 0, quante = 1 + sotto(4); m < quante && !f.empty(); ++m) {
      switch (sotto(5)) {
        case 0: f[sotto(f.size())] ^= static_cast<uint8_t>(1 << sotto(8)); break;
        case 1: f[sotto(f.size())] = static_cast<uint8_t>(sotto(256)); break;
        case 2: f.resize(sotto(f.size())); break;
        case 3: f.insert(f.begin() + static_cast<long>(sotto(f.size() + 1)), 1 + sotto(70), static_cast<uint8_t>(sotto(256))); break;
        default:
          if (f.size() >= 4) Poni32(f, sotto(f.size() - 3), interi[sotto(interi.size())]);
      }
    }
    ScriviFile(percorso, f);
    const int32_t orPrima = s->NumeroFiltriOr;
    const int32_t colonnePrima = s->NumeroColonne;
    const RisultatoApriFile r = ApriFile(*s, percorso);
    SCOPED_TRACE(prova);
    if (r.esito == EsitoApriFile::VersioneNonValida) {
      ASSERT_EQ(r.messaggi, Messaggi{VERSIONE_NON_VALIDA});
      ASSERT_EQ(s->NumeroColonne, colonnePrima);
    } else if (r.esito == EsitoApriFile::Letto) {
      ++letti;
      ASSERT_GE(s->NumeroColonne, 0);
      ASSERT_LE(s->NumeroColonne, CAPIENZA);
      const uint8_t* dati = s->Colonne.Dati();
      const size_t byte = static_cast<size_t>(s->NumeroColonne) * 5;
      ASSERT_TRUE(std::all_of(dati, dati + byte, [](uint8_t v) { return v <= NUMERI; }));
      ASSERT_TRUE(byte == 0 || std::count(dati + byte - 5, dati + byte, 0) == 0);
      ASSERT_TRUE(std::all_of(dati + byte, dati + byte + 500, [](uint8_t v) { return v == 0; }));
      ASSERT_EQ(s->GuiBloccata, s->NumeroColonne > 0 ? VERO : FALSO);
      ASSERT_LE(s->NumeroFiltriAnd, MAX_FILTRI);
      ASSERT_LE(s->NumeroFiltriOr, MAX_FILTRI);
      ASSERT_LE(s->NumeroFiltriDistanza, MAX_FILTRI_DISTANZA);
      ASSERT_EQ(s->NumeriPronostico, Scelti(*s).size());
      ASSERT_TRUE(std::all_of(s->Pronostico.begin(), s->Pronostico.end(), [](uint8_t n) { return n <= NUMERI; }));
    } else {
      ASSERT_EQ(r.esito, EsitoApriFile::NonSequenziale);
      ASSERT_EQ(r.messaggi.back(), NON_SEQUENZIALE);
      ++rifiutati;
      ASSERT_EQ(s->NumeroColonne, 0);
      ASSERT_EQ(s->GuiBloccata, 0);
      ASSERT_EQ(s->NumeroFiltriAnd, 0);
      ASSERT_EQ(s->NumeroFiltriDistanza, 0);
      ASSERT_EQ(s->NumeroFiltriOr, orPrima);
      ASSERT_EQ(s->MarcatoreCondizioni, 0);
      ASSERT_TRUE(Scelti(*s).empty());
    }
    if (s->NumeroFiltriOr > 1000) s->NumeroFiltriOr = 0;  // they pile up across files by design
  }
  // The damage is varied enough to exercise both outcomes.
  EXPECT_GT(letti, 50);
  EXPECT_GT(rifiutati, 50);
}

}  // namespace
}  // namespace tlx
