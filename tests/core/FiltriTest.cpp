// The condition tests on columns worked out by hand, and the settings that
// only a damaged or hand-made system file can carry: they must give the
// arithmetic's results without reading outside any table.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "core/CondizioniTest.h"
#include "core/Sviluppo.h"

namespace tlx {
namespace {

// Develops the numbers 1..7 and returns the columns kept.
std::vector<Candidato> Sviluppa(Sistema& s) {
  const std::array<uint8_t, NUMERI> p{1, 2, 3, 4, 5, 6, 7};
  Sviluppo(s, 7, p);
  std::vector<Candidato> tenute(static_cast<size_t>(s.NumeroColonne));
  for (size_t k = 0; k < tenute.size(); ++k) std::copy_n(s.Colonne.Colonna(int32_t(k + 1)), 5, tenute[k].begin());
  return tenute;
}

RecordFiltro Gruppo(std::initializer_list<int> numeri, int32_t quanti, int32_t posizioni) {
  RecordFiltro r{.QuantiMask = quanti, .PosizioniMask = posizioni};
  for (int n : numeri) r.Numeri[static_cast<size_t>(n)] = 1;
  return r;
}

// Each test on columns worked out by hand from its definition.
TEST(Filtri, HandWorkedColumns) {
  const RecordCondizioni fisse0{.NumeriFissi = {0, 1, 1, 1}}, fisse2{.NumeriFissi = {0, 1, 1, 1}, .QuantiFissi = 2};
  const RecordCondizioni somma15{.SommaMinMax = {15, 15}}, sommaRovescia{.SommaMinMax = {100, 50}};
  const RecordCondizioni pari2{.PariAmmessi = {0, 0, VERO}}, nessunPari{};
  const std::array<bool, 6> serie3{false, false, false, true};
  RecordDistanza vicini{.NumeroCoppie = 1, .Coppie = {0, 1}, .MinAttivo = 1};
  vicini.MinOk[1] = VERO;
  RecordDistanza largo{.NumeroCoppie = 4, .Coppie = {0, 1, 2, 3, 4}, .MaxAttivo = 1};
  largo.MaxOk[10] = VERO;
  std::vector<RecordFiltro> dueDelGruppo(2, Gruppo({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 4, 62));
  FiltriCondizione e;
  e.Prepara(dueDelGruppo, 1);
  using Test = std::function<bool(const Candidato&)>;
  const std::tuple<const char*, Test, Candidato, bool> casi[] = {
      {"none of 1,2,3", [&](auto& c) { return FiltroFisse(c, fisse0); }, {4, 5, 6, 7, 8}, true},
      {"none of 1,2,3", [&](auto& c) { return FiltroFisse(c, fisse0); }, {1, 5, 6, 7, 8}, false},
      {"two of 1,2,3", [&](auto& c) { return FiltroFisse(c, fisse2); }, {1, 3, 6, 7, 8}, true},
      {"two of 1,2,3", [&](auto& c) { return FiltroFisse(c, fisse2); }, {1, 2, 3, 7, 8}, false},
      {"sum 15", [&](auto& c) { return FiltroSomma(c, somma15); }, {1, 2, 3, 4, 5}, true},
      {"sum 15", [&](auto& c) { return FiltroSomma(c, somma15); }, {1, 2, 3, 4, 6}, false},
      {"sum 100..50", [&](auto& c) { return FiltroSomma(c, sommaRovescia); }, {5, 10, 15, 20, 25}, false},
      {"two even", [&](auto& c) { return FiltroPari(c, pari2); }, {2, 4, 5, 7, 9}, true},
      {"two even", [&](auto& c) { return FiltroPari(c, pari2); }, {2, 4, 6, 7, 9}, false},
      {"no count allowed", [&](auto& c) { return FiltroPari(c, nessunPari); }, {1, 3, 5, 7, 9}, false},
      {"longest run 3", [&](auto& c) { return FiltroConsecutivi(c, serie3); }, {1, 2, 3, 5, 6}, true},
      {"longest run 3", [&](auto& c) { return FiltroConsecutivi(c, serie3); }, {1, 2, 4, 5, 6}, true},
      {"longest run 3", [&](auto& c) { return FiltroConsecutivi(c, serie3); }, {1, 2, 4, 5, 7}, false},
      {"longest run 3", [&](auto& c) { return FiltroConsecutivi(c, serie3); }, {10, 11, 12, 13, 14}, false},
      {"first two neighbours", [&](auto& c) { return FiltroDistanzaNumeri(c, vicini); }, {7, 8, 20, 30, 40}, true},
      {"first two neighbours", [&](auto& c) { return FiltroDistanzaNumeri(c, vicini); }, {7, 9, 10, 30, 40}, false},
      {"largest gap 10", [&](auto& c) { return FiltroDistanzaNumeri(c, largo); }, {1, 11, 12, 13, 14}, true},
      {"largest gap 10", [&](auto& c) { return FiltroDistanzaNumeri(c, largo); }, {1, 2, 3, 4, 20}, false},
      {"two of 1..10", [&](auto& c) { return e.Accetta(c); }, {1, 2, 20, 30, 40}, true},
      {"two of 1..10", [&](auto& c) { return e.Accetta(c); }, {1, 2, 3, 30, 40}, false}};
  for (const auto& [nome, test, colonna, accetta] : casi)
    EXPECT_EQ(test(colonna), accetta) << nome << " " << int{colonna[0]} << "-" << int{colonna[1]} << "-" << int{colonna[2]};
  for (const auto& [colonna, serie] : {std::pair<Candidato, int>{{1, 2, 3, 5, 6}, 3}, {{1, 3, 5, 7, 9}, 1},
                                       {{10, 11, 12, 13, 14}, 5}, {{1, 2, 4, 5, 6}, 3}})
    EXPECT_EQ(LunghezzaMassimaConsecutivi(colonna), serie);
}

// Each record is tried first, last in a word of 64 records, first in the
// next word and in a third, among records that demand five hits.
TEST(Filtri, AndRecordCountsHitsOnItsPositionsWhateverTheMaskBits) {
  const RecordFiltro cinque = Gruppo({1, 2, 3, 5, 10, 20, 30, 40, 50}, 32, 62);
  const std::tuple<RecordFiltro, Candidato, bool> casi[]{
      {Gruppo({1, 2, 3}, 2, 2), {1, 10, 20, 30, 40}, true},  // exactly one hit, on position 1
      {Gruppo({1, 2, 3}, 2, 2), {10, 20, 30, 40, 50}, false},
      {Gruppo({1, 2}, -1, -1), {1, 2, 3, 40, 50}, true},                   // negative masks have bits 0..5
      {Gruppo({1, 2}, INT32_MIN | (1 << 20), 62), {1, 2, 3, 40, 50}, false},  // these bits allow no count
      {Gruppo({1, 2, 50}, 1, 1 | (1 << 30)), {1, 2, 3, 40, 50}, true}};  // nor name a position
  for (const auto& [record, colonna, accetta] : casi)
    for (size_t posto : {1, 64, 65, 130}) {
      std::vector<RecordFiltro> tabella(posto + 2, cinque);
      tabella[posto] = record;
      FiltriCondizione filtri;
      filtri.Prepara(tabella, static_cast<int32_t>(posto + 1));
      EXPECT_EQ(filtri.Accetta(colonna), accetta) << record.QuantiMask << " " << record.PosizioniMask << " " << posto;
    }
}

// No gap evaluated: the largest-gap part passes, the smallest looks at 54.
// Entries 0, 5 and above name no gap; a count above five reads five entries.
TEST(Filtri, NumberDistanceEntriesThatNameNoGap) {
  RecordDistanza r;
  r.MaxAttivo = r.MinAttivo = 200;  // any non-zero count switches a part on
  r.MinOk[1] = VERO;
  EXPECT_FALSE(FiltroDistanzaNumeri({1, 2, 3, 4, 5}, r)) << "no entry, MinOk(54) false";
  r.MinOk[54] = VERO;
  for (uint8_t coppie : {0, 1, 5, 6, 255}) {
    r.NumeroCoppie = coppie;
    r.Coppie = {4, 0, 5, 6, 255, 0};
    EXPECT_TRUE(FiltroDistanzaNumeri({1, 2, 3, 4, 5}, r)) << int{coppie};
    r.Coppie[5] = 4;  // the gap 4-5, smallest 1 but also largest 1
    EXPECT_EQ(FiltroDistanzaNumeri({1, 2, 3, 4, 5}, r), coppie < 5) << int{coppie};
  }
}

// After 1-2-3-4-5 is kept, 1-2-3-4-6 shares four numbers with it and 1-2-3-6-7 three.
TEST(Filtri, ReductionsCountTheNumbersSharedWithTheKeptColumns) {
  auto s = std::make_unique<Sistema>();
  const auto tenuta = [&s](const Candidato& c) { return std::ranges::count(Sviluppa(*s), c) == 1; };
  // Guarantee or minimum distance, its value, whether each of the two columns is kept.
  for (const auto& [ridotto, valore, quattro, tre] : {std::tuple{true, 1, false, true}, std::tuple{false, 2, false, true},
                                                      std::tuple{false, 1, true, true}}) {
    s->Condizioni.RidottoAttivo = ComeFlag(ridotto);
    s->DistanzaMinima.Attivo = ComeFlag(!ridotto);
    s->Condizioni.Garanzia = s->DistanzaMinima.Distanza = static_cast<uint8_t>(valore);
    EXPECT_EQ(std::pair(tenuta({1, 2, 3, 4, 6}), tenuta({1, 2, 3, 6, 7})), std::pair(quattro, tre)) << valore;
  }
}

}  // namespace
}  // namespace tlx
