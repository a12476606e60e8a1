// Edge cases of the condition tests, and the settings that only a damaged or
// hand-made system file can carry: they must give the arithmetic's results
// without reading outside any table.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <tuple>
#include <vector>

#include "core/CondizioniTest.h"
#include "core/Sviluppo.h"

namespace tlx {
namespace {

// Develops `numeri` (1..7 by default; past 55 only their count is passed)
// and returns the columns kept.
std::vector<Candidato> Sviluppa(Sistema& s, const std::vector<uint8_t>& numeri = {1, 2, 3, 4, 5, 6, 7}) {
  std::array<uint8_t, NUMERI> p{};
  std::copy_n(numeri.begin(), std::min(numeri.size(), p.size()), p.begin());
  Sviluppo(s, static_cast<uint8_t>(numeri.size()), p);
  std::vector<Candidato> tenute(static_cast<size_t>(s.NumeroColonne));
  for (size_t k = 0; k < tenute.size(); ++k) std::copy_n(s.Colonne.Colonna(int32_t(k + 1)), 5, tenute[k].begin());
  return tenute;
}

RecordFiltro Gruppo(std::initializer_list<int> numeri, int32_t quanti, int32_t posizioni) {
  RecordFiltro r{.QuantiMask = quanti, .PosizioniMask = posizioni};
  for (int n : numeri) r.Numeri[static_cast<size_t>(n)] = 1;
  return r;
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

TEST(Filtri, DevelopmentsWithOddCountsGuaranteesAndDistances) {
  auto s = std::make_unique<Sistema>();
  const std::vector<Candidato> tutte = Sviluppa(*s), prima{tutte.front()};
  for (RecordFiltro& r : s->FiltriAnd) r.QuantiMask = 1;  // no hit: accepted
  s->FiltriAnd[MAX_FILTRI].QuantiMask = 2;                // the last record rejects every column
  for (auto [quanti, colonne] : {std::pair<int32_t, size_t>{MAX_FILTRI - 1, 21}, {MAX_FILTRI, 0},
                                 {MAX_FILTRI + 1, 0}, {INT32_MAX, 0}, {-1, 21}, {INT32_MIN, 21}}) {
    s->NumeroFiltriAnd = quanti;
    EXPECT_EQ(Sviluppa(*s).size(), colonne) << quanti;
  }
  s->Condizioni.RidottoAttivo = VERO;  // the last count, negative, left no AND filter
  s->Condizioni.Garanzia = 1;
  const std::vector<Candidato> garanzia = Sviluppa(*s);
  EXPECT_EQ(std::count(garanzia.begin(), garanzia.end(), Candidato{1, 2, 3, 4, 6}), 0) << "four shared with 1-5";
  EXPECT_EQ(std::count(garanzia.begin(), garanzia.end(), Candidato{1, 2, 3, 6, 7}), 1) << "three shared";
  // Minimum distance d keeps what guarantee d - 1 keeps; then odd values.
  for (const auto& [ridotto, valore, attese] : {std::tuple<bool, uint8_t, std::vector<Candidato>>{false, 2, garanzia},
                                                {true, 0, tutte}, {true, 5, prima}, {true, 255, prima},
                                                {false, 1, tutte}, {false, 0, tutte}, {false, 255, tutte}}) {
    s->Condizioni.RidottoAttivo = ComeFlag(ridotto);
    s->DistanzaMinima.Attivo = ComeFlag(!ridotto);
    s->Condizioni.Garanzia = s->DistanzaMinima.Distanza = valore;
    EXPECT_EQ(Sviluppa(*s), attese) << ridotto << " " << int{valore};
  }
}

TEST(Filtri, APredictionBreakingItsRulesDevelopsNothing) {
  auto s = std::make_unique<Sistema>();
  std::vector<uint8_t> tutti(56);
  std::iota(tutti.begin(), tutti.end(), uint8_t{1});
  const std::vector<uint8_t> cattivi[]{{1, 2, 3, 4}, {1, 2, 3, 4, 4, 6}, {1, 2, 0, 4, 5, 6}, {1, 2, 3, 4, 56}, tutti};
  for (const auto& numeri : cattivi) {
    s->NumeroColonne = 7;
    EXPECT_TRUE(Sviluppa(*s, numeri).empty()) << numeri.size();
  }
}

}  // namespace
}  // namespace tlx
