// The condition tests on columns worked out by hand, and the settings that
// only a damaged or hand-made system file can carry: they must give the
// arithmetic's results without reading outside any table. The reductions and
// the AND filters as the engine applies them are the oracle's.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>
#include <vector>

#include "core/CondizioniTest.h"

namespace tlx {
namespace {

RecordFiltro Gruppo(std::initializer_list<int> numeri, int32_t quanti, int32_t posizioni) {
  RecordFiltro r{.QuantiMask = quanti, .PosizioniMask = posizioni};
  for (int n : numeri) r.Numeri[static_cast<size_t>(n)] = 1;
  return r;
}

// Each test on columns worked out by hand from its definition: the columns it accepts, then those it rejects.
TEST(Filtri, HandWorkedColumns) {
  const RecordCondizioni fisse0{.NumeriFissi = {0, 1, 1, 1}}, fisse2{.NumeriFissi = {0, 1, 1, 1}, .QuantiFissi = 2};
  const RecordCondizioni somma15{.SommaMinMax = {15, 15}}, sommaRovescia{.SommaMinMax = {100, 50}};
  const RecordCondizioni pari2{.PariAmmessi = {0, 0, VERO}}, nessunPari{};
  const std::array<bool, 6> serie3{false, false, false, true};
  RecordDistanza vicini{.NumeroCoppie = 1, .Coppie = {0, 1}, .MinAttivo = 1};
  vicini.MinOk[1] = VERO;
  RecordDistanza largo{.NumeroCoppie = 4, .Coppie = {0, 1, 2, 3, 4}, .MaxAttivo = 1};
  largo.MaxOk[10] = VERO;
  using Colonne = std::vector<Candidato>;
  const std::tuple<const char*, std::function<bool(const Candidato&)>, Colonne, Colonne> casi[] = {
      {"none of 1,2,3", [&](auto& c) { return FiltroFisse(c, fisse0); }, {{4, 5, 6, 7, 8}}, {{1, 5, 6, 7, 8}}},
      {"two of 1,2,3", [&](auto& c) { return FiltroFisse(c, fisse2); }, {{1, 3, 6, 7, 8}}, {{1, 2, 3, 7, 8}}},
      {"sum 15", [&](auto& c) { return FiltroSomma(c, somma15); }, {{1, 2, 3, 4, 5}}, {{1, 2, 3, 4, 6}}},
      {"sum 100..50", [&](auto& c) { return FiltroSomma(c, sommaRovescia); }, {}, {{5, 10, 15, 20, 25}}},
      {"two even", [&](auto& c) { return FiltroPari(c, pari2); }, {{2, 4, 5, 7, 9}}, {{2, 4, 6, 7, 9}}},
      {"no count allowed", [&](auto& c) { return FiltroPari(c, nessunPari); }, {}, {{1, 3, 5, 7, 9}}},
      {"longest run 3", [&](auto& c) { return FiltroConsecutivi(c, serie3); }, {{1, 2, 3, 5, 6}, {1, 2, 4, 5, 6}},
       {{1, 2, 4, 5, 7}, {10, 11, 12, 13, 14}}},
      {"first two neighbours", [&](auto& c) { return FiltroDistanzaNumeri(c, vicini); }, {{7, 8, 20, 30, 40}},
       {{7, 9, 10, 30, 40}}},
      {"largest gap 10", [&](auto& c) { return FiltroDistanzaNumeri(c, largo); }, {{1, 11, 12, 13, 14}},
       {{1, 2, 3, 4, 20}}}};
  for (const auto& [nome, test, accettate, rifiutate] : casi)
    for (const auto& [colonne, accetta] : {std::pair(accettate, true), std::pair(rifiutate, false)})
      for (const Candidato& c : colonne) EXPECT_EQ(test(c), accetta) << nome << " " << int{c[0]} << "-" << int{c[2]};
  EXPECT_EQ(LunghezzaMassimaConsecutivi({10, 11, 12, 13, 14}), 5);
}

// Each record is tried first, last in a word of 64 records, first in the
// next word and in a third, among records that demand five hits.
TEST(Filtri, AndRecordCountsHitsOnItsPositionsWhateverTheMaskBits) {
  const std::tuple<RecordFiltro, Candidato, bool> casi[]{
      {Gruppo({1, 2, 3}, 2, 2), {1, 10, 20, 30, 40}, true},  // exactly one hit, on position 1
      {Gruppo({1, 2, 3}, 2, 2), {10, 20, 30, 40, 50}, false},
      {Gruppo({1, 2}, -1, -1), {1, 2, 3, 40, 50}, true},                   // negative masks have bits 0..5
      {Gruppo({1, 2}, INT32_MIN | (1 << 20), 62), {1, 2, 3, 40, 50}, false},  // these bits allow no count
      {Gruppo({1, 2, 50}, 1, 1 | (1 << 30)), {1, 2, 3, 40, 50}, true}};  // nor name a position
  for (const auto& [record, colonna, accetta] : casi)
    for (size_t posto : {1, 64, 65, 130}) {
      std::vector<RecordFiltro> tabella(posto + 2, Gruppo({1, 2, 3, 5, 10, 20, 30, 40, 50}, 32, 62));
      tabella[posto] = record;
      FiltriCondizione filtri;
      filtri.Prepara(tabella, static_cast<int32_t>(posto + 1));
      EXPECT_EQ(filtri.Accetta(colonna), accetta) << record.QuantiMask << " " << record.PosizioniMask << " " << posto;
    }
}

// No gap evaluated: the largest-gap part passes, the smallest looks at 54.
// Entries 0, 5 and above name no gap; a count above five reads five entries.
TEST(Filtri, NumberDistanceEntriesThatNameNoGap) {
  RecordDistanza r{.Coppie = {4, 0, 5, 6, 255, 4}, .MinAttivo = 200, .MaxAttivo = 200};  // any non-zero count
  r.MinOk[1] = r.MinOk[54] = VERO;
  for (uint8_t coppie : {0, 1, 5, 6, 255}) {
    r.NumeroCoppie = coppie;  // the sixth entry, the gap 4-5, is smallest 1 but also largest 1
    EXPECT_EQ(FiltroDistanzaNumeri({1, 2, 3, 4, 5}, r), coppie < 5) << int{coppie};
  }
}

}  // namespace
}  // namespace tlx
