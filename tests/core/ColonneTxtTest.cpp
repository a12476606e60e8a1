#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <tuple>

#include "CartellaTemporanea.h"
#include "core/ColonneTxt.h"
#include "core/MescolaColonne.h"

namespace tlx {
namespace {

using Colonne = std::vector<std::array<uint8_t, 5>>;

void PoniColonne(Sistema& s, const Colonne& colonne) {
  s.NumeroColonne = static_cast<int32_t>(colonne.size());
  for (size_t i = 0; i < colonne.size(); ++i) std::ranges::copy(colonne[i], s.Colonne.Dati() + 5 * i);
}
Colonne Leggi(const Sistema& s) {
  Colonne c(static_cast<size_t>(s.NumeroColonne));
  for (size_t i = 0; i < c.size(); ++i) std::copy_n(s.Colonne.Dati() + 5 * i, 5, c[i].begin());
  return c;
}
std::string Testo(const std::string& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ColonneTxt, ExportedColumnsComeBackInTheirOrder) {
  prova::CartellaTemporanea dati;
  auto s = std::make_unique<Sistema>();
  s->PercorsoDati = dati.Percorso().string();
  PoniColonne(*s, {{1, 2, 3, 4, 5}, {55, 9, 10, 41, 7}});
  EXPECT_EQ(SalvaColonneTxt(*s, "Uno.tlqvx"),
            (Messaggio{Icona::Informazione, Pulsanti::Ok, "", "File Uno.tlqvx esportato"}));
  EXPECT_EQ(Testo(dati.File("txt/Uno.txt")), " 01 02 03 04 05 \r\n 55 09 10 41 07 \r\n");
  auto letto = std::make_unique<Sistema>();
  ImportaColonneTxt(*letto, dati.File("txt/Uno.txt"));
  EXPECT_EQ(Leggi(*letto), Leggi(*s));
  // Every number met is chosen on the grid, and Pronostico lists them.
  EXPECT_EQ(std::vector(letto->Pronostico.begin(), letto->Pronostico.begin() + 11),
            (std::vector<uint8_t>{1, 2, 3, 4, 5, 7, 9, 10, 41, 55, 0}));
  EXPECT_EQ(std::tuple(letto->TitoloSistema.Trimmed(), letto->GuiBloccata, letto->TitoloFileSistema,
                       letto->NumeriPronostico), std::tuple("FILE TXT", VERO, "uno.txt", 10));

  // Empty positions are left out; a failed export says so and nothing else.
  PoniColonne(*s, {{3, 0, 8, 0, 9}});
  SalvaColonneTxt(*s, "Due.tlqvx");
  EXPECT_EQ(Testo(dati.File("txt/Due.txt")), " 03 08 09 \r\n");
  s->PercorsoDati = dati.File("txt/Due.txt");
  EXPECT_EQ(SalvaColonneTxt(*s, "Tre.tlqvx"),
            (Messaggio{Icona::Nessuna, Pulsanti::Ok, "", "Error 76 (Path not found) in procedure SalvaColonneTxt of Modulo corpo"}));
}

TEST(ColonneTxt, ABadLineOrTooManyColumnsLeaveAnEmptySystem) {
  prova::CartellaTemporanea dati;
  const std::string percorso = dati.File("rotto.txt");
  std::string quasiPiene;  // with the lines around it, one column more than the table holds
  for (int i = 1; i < CAPIENZA; ++i) quasiPiene += " 01 02 03 04 05 \r\n";
  const std::pair<std::string, std::string> casi[] = {
      {"1 2 3 4", "9 (Subscript out of range)"},     {"1 2 3 4 5x", "13 (Type mismatch)"},
      {"1 2 3.5 4 5", "13 (Type mismatch)"},         {"1 2 3 4 0", "9 (Subscript out of range)"},
      {"1 2 3 4 99999999999999", "9 (Subscript out of range)"}, {quasiPiene, "9 (Subscript out of range)"},
      {" 01 02 03 04 05" + std::string(BYTE_MASSIMI_RIGA_COLONNE_TXT, ' '), "9 (Subscript out of range)"}};
  for (const auto& [righe, errore] : casi) {
    SCOPED_TRACE(righe.substr(0, 25));
    std::ofstream(percorso, std::ios::binary) << " 06 07 08 09 10 \r\n" << righe << "\r\n 11 12 13 14 15 \r\n";
    auto s = std::make_unique<Sistema>();
    PoniColonne(*s, {{20, 21, 22, 23, 24}}), GrigliaNumeriClick(*s, 30), s->GuiBloccata = VERO;
    EXPECT_EQ(ImportaColonneTxt(*s, percorso).messaggi.at(0).testo,
              "Error " + errore + " in procedure ImportaColonneTxt of Modulo corpo");
    EXPECT_EQ(std::tuple(s->NumeroColonne, s->Colonne.Dati()[0], s->NumeriPronostico, s->GuiBloccata),
              std::tuple(0, 0, 0, 0));
  }
  // One column fewer fills the table exactly. Blank lines, any blanks, CR LF, LF or CR alone, one digit or
  // two: all the same; tokens past the fifth are not read; blanks may pad a line up to its bound.
  const std::string ultima = "   6    07 8  9 10 99 x";
  std::ofstream(percorso, std::ios::binary) << "\r\n  \n\n" << quasiPiene << ultima
                                            << std::string(BYTE_MASSIMI_RIGA_COLONNE_TXT - ultima.size(), ' ') << "\r";
  auto s = std::make_unique<Sistema>();
  int eventi = 0;  // turns for the event loop, but not one a line
  ImportaColonneTxt(*s, percorso, [&] { ++eventi; });
  ASSERT_EQ(s->NumeroColonne, CAPIENZA);
  EXPECT_TRUE(eventi >= 1 && eventi <= CAPIENZA / 10'000) << eventi;
  EXPECT_EQ(Leggi(*s).back(), (std::array<uint8_t, 5>{6, 7, 8, 9, 10}));
  // A folder cannot be opened: the system stays as it was.
  EXPECT_EQ(ImportaColonneTxt(*s, dati.Percorso().string()).messaggi.at(0).testo,
            "Error 75 (Path/File access error) in procedure ImportaColonneTxt of Modulo corpo");
  EXPECT_EQ(s->NumeroColonne, CAPIENZA);
}

TEST(MescolaColonne, SwapsThroughTheIndexTableAndLosesNoColumn) {
  // Columns A, B, C and the values 0.9, 0, 0.9:
  // i=1, j=int(2.7+1)=3: idx 3 2 1, swap rows 3 and 1 -> C B A
  // i=2, j=1:            idx 2 3 1, swap rows 3 and 2 -> C A B
  // i=3, j=3:            idx 2 3 1, row 1 with itself -> C A B
  auto s = std::make_unique<Sistema>();
  const std::array<uint8_t, 5> a{1, 2, 3, 4, 5}, b{6, 7, 8, 9, 10}, c{11, 12, 13, 14, 15};
  PoniColonne(*s, {a, b, c});
  MescolaColonne(*s, [k = 0u]() mutable { return std::array{0.9, 0.0, 0.9}.at(k++); });  // no fourth draw
  EXPECT_EQ(Leggi(*s), (Colonne{c, a, b}));
  // A value at the top of [0, 1) still names the last column.
  PoniColonne(*s, {a, b});
  MescolaColonne(*s, [] { return std::nextafter(1.0, 0.0); });
  EXPECT_EQ(Leggi(*s), (Colonne{b, a}));
}

}  // namespace
}  // namespace tlx
