#include <gtest/gtest.h>

#include "CartellaTemporanea.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/ColonneTxt.h"
#include "core/MescolaColonne.h"
#include "core/Sviluppo.h"

namespace tlx {
namespace {

namespace fs = std::filesystem;
using Numeri5 = std::array<uint8_t, 5>;

using prova::CartellaTemporanea;

void ScriviFile(const std::string& percorso, const std::string& testo) {
  std::ofstream(percorso, std::ios::binary | std::ios::trunc) << testo;
}

std::string LeggiFile(const std::string& percorso) {
  std::ifstream f(percorso, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

Numeri5 Colonna(const Sistema& s, int32_t c) {
  const uint8_t* p = s.Colonne.Colonna(c);
  return {p[0], p[1], p[2], p[3], p[4]};
}

void PoniColonne(Sistema& s, const std::vector<Numeri5>& colonne) {
  s.NumeroColonne = static_cast<int32_t>(colonne.size());
  for (size_t i = 0; i < colonne.size(); ++i)
    std::copy(colonne[i].begin(), colonne[i].end(), s.Colonne.Colonna(static_cast<int32_t>(i + 1)));
}

std::vector<Numeri5> Colonne(const Sistema& s) {
  std::vector<Numeri5> c;
  for (int32_t i = 1; i <= s.NumeroColonne; ++i) c.push_back(Colonna(s, i));
  return c;
}

std::set<int> Scelti(const Sistema& s) {
  std::set<int> numeri;
  for (int i = 0; i < NUMERI; ++i)
    if (s.NumeriScelti[static_cast<size_t>(i)] == 1) numeri.insert(i + 1);
  return numeri;
}

Messaggio Errore(const std::string& testo) { return {Icona::Nessuna, Pulsanti::Ok, "", testo}; }

// ---- Export --------------------------------------------------------------------

TEST(ColonneTxtEsporta, OneLinePerColumnInTheTxtFolder) {
  CartellaTemporanea dati;
  auto s = std::make_unique<Sistema>();
  s->PercorsoDati = dati.Percorso().string();
  PoniColonne(*s, {{1, 2, 3, 4, 5}, {55, 9, 10, 41, 7}, {3, 0, 12, 0, 0}});
  const Messaggio m = SalvaColonneTxt(*s, "nuovo.tlqvx");
  EXPECT_EQ(m, (Messaggio{Icona::Informazione, Pulsanti::Ok, "", "File nuovo.tlqvx esportato"}));
  EXPECT_EQ(LeggiFile(dati.File("txt/nuovo.txt")),
            " 01 02 03 04 05 \r\n"
            " 55 09 10 41 07 \r\n"
            " 03 12 \r\n");
}

TEST(ColonneTxtEsporta, AFailureNamesTheExport) {
  CartellaTemporanea dati;
  auto s = std::make_unique<Sistema>();
  s->PercorsoDati = dati.Percorso().string();
  PoniColonne(*s, {{1, 2, 3, 4, 5}});
  ScriviFile(dati.File("txt"), "a file where the folder should be");
  EXPECT_EQ(SalvaColonneTxt(*s, "nuovo.tlqvx"),
            Errore("Error 76 (Path not found) in procedure SalvaColonneTxt of Modulo corpo"));
  EXPECT_EQ(LeggiFile(dati.File("txt")), "a file where the folder should be");
}

// ---- Import --------------------------------------------------------------------

TEST(ColonneTxtImporta, ExportThenImportGivesTheSameColumns) {
  CartellaTemporanea dati;
  auto s = std::make_unique<Sistema>();
  s->PercorsoDati = dati.Percorso().string();
  for (int n : {2, 5, 11, 23, 31, 40, 47, 55}) GrigliaNumeriClick(*s, n - 1);
  LeggiPronosticoDaGriglia(*s);
  Sviluppo(*s, s->NumeriPronostico, s->Pronostico);
  ASSERT_EQ(s->NumeroColonne, 56);
  MescolaColonne(*s, 7u);  // any order comes back as it was
  ASSERT_EQ(SalvaColonneTxt(*s, "Prova.tlqvx").icona, Icona::Informazione);

  auto letto = std::make_unique<Sistema>();
  int eventi = 0;
  const std::string percorso = dati.File("txt/Prova.txt");
  const RisultatoImportaColonneTxt r = ImportaColonneTxt(*letto, percorso, [&] { ++eventi; });
  EXPECT_EQ(r.esito, EsitoImportaColonneTxt::Importato);
  EXPECT_TRUE(r.messaggi.empty());
  EXPECT_EQ(Colonne(*letto), Colonne(*s));
  EXPECT_EQ(letto->TitoloSistema.Trimmed(), "FILE TXT");
  EXPECT_EQ(Scelti(*letto), (std::set<int>{2, 5, 11, 23, 31, 40, 47, 55}));
  EXPECT_EQ(letto->NumeriPronostico, 8);
  EXPECT_EQ(letto->Pronostico, s->Pronostico);
  EXPECT_EQ(letto->GuiBloccata, VERO);
  EXPECT_EQ(letto->NomeFileSistema, percorso);
  EXPECT_EQ(letto->TitoloFileSistema, "prova.txt");
  EXPECT_GE(eventi, 1);
}

TEST(ColonneTxtImporta, BlanksAndLineEndsDoNotMatter) {
  CartellaTemporanea dati;
  const std::string percorso = dati.File("spazi.txt");
  ScriviFile(percorso,
             "1 2 3 4 5\r\n"
             "\r\n"
             "   01    02  03          04 05   \r\n"
             "        \n"
             "\n"
             "10 9 8 7 6 99 x\r"  // tokens past the fifth are not read
             "44 45 46 47 48");
  auto s = std::make_unique<Sistema>();
  const RisultatoImportaColonneTxt r = ImportaColonneTxt(*s, percorso);
  EXPECT_EQ(r.esito, EsitoImportaColonneTxt::Importato);
  EXPECT_EQ(Colonne(*s), (std::vector<Numeri5>{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {10, 9, 8, 7, 6}, {44, 45, 46, 47, 48}}));
  EXPECT_EQ(Scelti(*s), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 44, 45, 46, 47, 48}));
  const std::vector<uint8_t> pronostico(s->Pronostico.begin(), s->Pronostico.begin() + 16);
  EXPECT_EQ(pronostico, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 44, 45, 46, 47, 48, 0}));
}

TEST(ColonneTxtImporta, AnEmptyFileGivesAnUnlockedEmptySystem) {
  CartellaTemporanea dati;
  const std::string percorso = dati.File("vuoto.txt");
  ScriviFile(percorso, "\r\n  \r\n");
  auto s = std::make_unique<Sistema>();
  GrigliaNumeriClick(*s, 3);
  EXPECT_EQ(ImportaColonneTxt(*s, percorso).esito, EsitoImportaColonneTxt::Importato);
  EXPECT_EQ(s->NumeroColonne, 0);
  EXPECT_EQ(s->GuiBloccata, 0);
  EXPECT_TRUE(Scelti(*s).empty());
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "FILE TXT");
}

TEST(ColonneTxtImporta, ABadLineLeavesAnEmptySystem) {
  CartellaTemporanea dati;
  const std::string percorso = dati.File("rotto.txt");
  const std::map<std::string, std::string> casi = {
      {"1 2 3 4", "Error 9 (Subscript out of range)"},
      {"1 2 3 4 x", "Error 13 (Type mismatch)"},
      {"1 2 3 4 5x", "Error 13 (Type mismatch)"},
      {"1 2 3.5 4 5", "Error 13 (Type mismatch)"},
      {"1\t2 3 4 5 6", "Error 13 (Type mismatch)"},
      {"1 2 3 4 0", "Error 9 (Subscript out of range)"},
      {"1 2 3 4 56", "Error 9 (Subscript out of range)"},
      {"1 2 3 4 99999999999999", "Error 9 (Subscript out of range)"},
  };
  for (const auto& [riga, errore] : casi) {
    SCOPED_TRACE(riga);
    ScriviFile(percorso, " 06 07 08 09 10 \r\n" + riga + "\r\n 11 12 13 14 15 \r\n");
    auto s = std::make_unique<Sistema>();
    PoniColonne(*s, {{20, 21, 22, 23, 24}});
    GrigliaNumeriClick(*s, 30);
    s->GuiBloccata = VERO;
    s->TitoloFileSistema = "prima.tlqvx";
    const RisultatoImportaColonneTxt r = ImportaColonneTxt(*s, percorso);
    EXPECT_EQ(r.esito, EsitoImportaColonneTxt::ErroreRuntime);
    EXPECT_EQ(r.messaggi, Messaggi{Errore(errore + " in procedure ImportaColonneTxt of Modulo corpo")});
    EXPECT_EQ(s->NumeroColonne, 0);
    EXPECT_EQ(Colonna(*s, 1), Numeri5{});
    EXPECT_TRUE(Scelti(*s).empty());
    EXPECT_EQ(s->GuiBloccata, 0);
    EXPECT_EQ(s->NomeFileSistema, percorso);
    EXPECT_EQ(s->TitoloFileSistema, "prima.tlqvx");
  }
}

TEST(ColonneTxtImporta, MoreColumnsThanTheTableHoldsAreRefused) {
  CartellaTemporanea dati;
  const std::string percorso = dati.File("troppe.txt");
  {
    std::ofstream f(percorso, std::ios::binary);
    const std::string riga = " 01 02 03 04 05 \r\n";
    std::string blocco;
    for (int i = 0; i < 10'000; ++i) blocco += riga;
    for (int i = 0; i < CAPIENZA / 10'000; ++i) f << blocco;
    f << riga;
  }
  auto s = std::make_unique<Sistema>();
  int eventi = 0;
  const RisultatoImportaColonneTxt r = ImportaColonneTxt(*s, percorso, [&] { ++eventi; });
  EXPECT_EQ(r.messaggi, Messaggi{Errore("Error 9 (Subscript out of range) in procedure ImportaColonneTxt of Modulo corpo")});
  EXPECT_EQ(s->NumeroColonne, 0);
  EXPECT_EQ(Colonna(*s, CAPIENZA), Numeri5{});
  // The event loop gets its turns, but not one per line.
  EXPECT_GE(eventi, 1);
  EXPECT_LE(eventi, CAPIENZA / 10'000);

  // One line fewer fills the table exactly.
  fs::resize_file(percorso, fs::file_size(percorso) - 18);
  EXPECT_EQ(ImportaColonneTxt(*s, percorso).esito, EsitoImportaColonneTxt::Importato);
  EXPECT_EQ(s->NumeroColonne, CAPIENZA);
  EXPECT_EQ(Colonna(*s, CAPIENZA), (Numeri5{1, 2, 3, 4, 5}));
}

TEST(ColonneTxtImporta, AFileThatCannotBeOpenedLeavesTheSystem) {
  CartellaTemporanea dati;
  auto s = std::make_unique<Sistema>();
  PoniColonne(*s, {{20, 21, 22, 23, 24}});
  RisultatoImportaColonneTxt r = ImportaColonneTxt(*s, dati.File("manca.txt"));
  EXPECT_EQ(r.messaggi, Messaggi{Errore("Error 53 (File not found) in procedure ImportaColonneTxt of Modulo corpo")});
  EXPECT_EQ(s->NumeroColonne, 1);
  r = ImportaColonneTxt(*s, dati.Percorso().string());
  EXPECT_EQ(r.messaggi,
            Messaggi{Errore("Error 75 (Path/File access error) in procedure ImportaColonneTxt of Modulo corpo")});
  EXPECT_EQ(s->NumeroColonne, 1);
  r = ImportaColonneTxt(*s, "");
  EXPECT_EQ(r.esito, EsitoImportaColonneTxt::NessunPercorso);
  EXPECT_EQ(s->NumeroColonne, 1);
}

// ---- Shuffle -------------------------------------------------------------------

TEST(MescolaColonne, FollowsTheIndexTableSwaps) {
  // Three columns A, B, C and the values 0.9, 0, 0.5:
  // i=1, j=int(2.7+1)=3: idx 3 2 1, swap rows 3 and 1 -> C B A
  // i=2, j=1:            idx 2 3 1, swap rows 3 and 2 -> C A B
  // i=3, j=int(1.5+1)=2: idx 2 1 3, swap rows 3 and 1 -> B A C
  auto s = std::make_unique<Sistema>();
  const Numeri5 a{1, 2, 3, 4, 5}, b{6, 7, 8, 9, 10}, c{11, 12, 13, 14, 15};
  PoniColonne(*s, {a, b, c});
  std::vector<double> valori = {0.9, 0.0, 0.5};
  size_t k = 0;
  MescolaColonne(*s, [&] { return valori.at(k++); });
  EXPECT_EQ(k, 3u);
  EXPECT_EQ(Colonne(*s), (std::vector<Numeri5>{b, a, c}));
  EXPECT_EQ(Colonna(*s, 4), Numeri5{});
}

TEST(MescolaColonne, KeepsEveryColumnAndChangesTheOrder) {
  auto s = std::make_unique<Sistema>();
  for (int n = 1; n <= 14; ++n) GrigliaNumeriClick(*s, n - 1);
  LeggiPronosticoDaGriglia(*s);
  Sviluppo(*s, s->NumeriPronostico, s->Pronostico);
  const std::vector<Numeri5> prima = Colonne(*s);
  MescolaColonne(*s, 12345u);
  const std::vector<Numeri5> dopo = Colonne(*s);
  EXPECT_NE(dopo, prima);
  EXPECT_TRUE(std::is_permutation(dopo.begin(), dopo.end(), prima.begin(), prima.end()));
  EXPECT_EQ(Colonna(*s, s->NumeroColonne + 1), Numeri5{});
  // Most columns leave their row.
  size_t ferme = 0;
  for (size_t i = 0; i < prima.size(); ++i) ferme += prima[i] == dopo[i];
  EXPECT_LT(ferme, prima.size() / 10);

  auto uguale = std::make_unique<Sistema>();
  PoniColonne(*uguale, prima);
  MescolaColonne(*uguale, 12345u);
  EXPECT_EQ(Colonne(*uguale), dopo);
}

TEST(MescolaColonne, OneColumnOrNoneStaysAsItIs) {
  auto s = std::make_unique<Sistema>();
  PoniColonne(*s, {{3, 8, 21, 40, 55}});
  MescolaColonne(*s, 99u);
  EXPECT_EQ(Colonne(*s), (std::vector<Numeri5>{{3, 8, 21, 40, 55}}));
  // A value at the top of [0, 1) still names the last column.
  PoniColonne(*s, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
  MescolaColonne(*s, [] { return std::nextafter(1.0, 0.0); });
  EXPECT_EQ(Colonne(*s), (std::vector<Numeri5>{{6, 7, 8, 9, 10}, {1, 2, 3, 4, 5}}));
  // With no columns nothing is drawn and nothing moves.
  s->NumeroColonne = 0;
  int estratti = 0;
  MescolaColonne(*s, [&] { return ++estratti, 0.5; });
  EXPECT_EQ(estratti, 0);
  EXPECT_EQ(Colonna(*s, 1), (Numeri5{6, 7, 8, 9, 10}));
}

}  // namespace
}  // namespace tlx
