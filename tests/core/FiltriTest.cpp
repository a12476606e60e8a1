// The condition tests one by one, and the development with settings that
// only a damaged or hand-made system file can carry.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

#include "core/CondizioniTest.h"
#include "core/Sviluppo.h"

namespace tlx {
namespace {

using Numeri5 = std::array<int, 5>;

std::vector<Numeri5> ColonneDi(const Sistema& s) {
  std::vector<Numeri5> out;
  for (int32_t k = 1; k <= s.NumeroColonne; ++k) {
    const uint8_t* c = s.Colonne.Colonna(k);
    out.push_back({c[0], c[1], c[2], c[3], c[4]});
  }
  return out;
}

std::array<uint8_t, NUMERI> Pronostico(const std::vector<int>& numeri) {
  std::array<uint8_t, NUMERI> p{};
  std::copy(numeri.begin(), numeri.end(), p.begin());
  return p;
}

std::vector<int> DaA(int primo, int ultimo) {
  std::vector<int> v;
  for (int n = primo; n <= ultimo; ++n) v.push_back(n);
  return v;
}

void Sviluppa(Sistema& s, const std::vector<int>& numeri) {
  Sviluppo(s, static_cast<uint8_t>(numeri.size()), Pronostico(numeri));
}

bool Contiene(const std::vector<Numeri5>& colonne, const Numeri5& c) {
  return std::find(colonne.begin(), colonne.end(), c) != colonne.end();
}

// Every 5-subset of `numeri` in lexicographic order.
std::vector<Numeri5> TutteLeCombinazioni(const std::vector<int>& numeri) {
  std::vector<Numeri5> out;
  const size_t n = numeri.size();
  for (size_t a = 0; a < n; ++a)
    for (size_t b = a + 1; b < n; ++b)
      for (size_t c = b + 1; c < n; ++c)
        for (size_t d = c + 1; d < n; ++d)
          for (size_t e = d + 1; e < n; ++e) out.push_back({numeri[a], numeri[b], numeri[c], numeri[d], numeri[e]});
  return out;
}

Candidato C(int a, int b, int c, int d, int e) {
  return {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c), static_cast<uint8_t>(d),
          static_cast<uint8_t>(e)};
}

class Filtri : public ::testing::Test {
 protected:
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
};

// ---- Fixed numbers, sum, even numbers ---------------------------------

TEST_F(Filtri, FixedNumbersNeedTheExactCount) {
  RecordCondizioni& cond = s->Condizioni;
  cond.NumeriFissi[7] = 1;
  cond.NumeriFissi[20] = 1;
  cond.NumeriFissi[30] = 2;  // only 1 marks a number
  cond.QuantiFissi = 0;
  EXPECT_TRUE(FiltroFisse(C(1, 2, 3, 4, 30), cond));
  EXPECT_FALSE(FiltroFisse(C(1, 2, 3, 4, 7), cond));
  cond.QuantiFissi = 1;
  EXPECT_TRUE(FiltroFisse(C(1, 2, 3, 4, 7), cond));
  EXPECT_FALSE(FiltroFisse(C(1, 2, 7, 20, 30), cond));
  EXPECT_FALSE(FiltroFisse(C(1, 2, 3, 4, 5), cond));
  cond.QuantiFissi = 2;
  EXPECT_TRUE(FiltroFisse(C(1, 2, 7, 20, 30), cond));
  cond.QuantiFissi = 6;  // no column holds six numbers
  EXPECT_FALSE(FiltroFisse(C(1, 2, 7, 20, 30), cond));
}

TEST_F(Filtri, FixedCountZeroDevelopsOnlyColumnsWithoutTheMarkedNumbers) {
  s->Condizioni.FisseAttiva = VERO;
  for (int n : {3, 6, 11}) s->Condizioni.NumeriFissi[static_cast<size_t>(n)] = 1;
  s->Condizioni.QuantiFissi = 0;
  Sviluppa(*s, DaA(1, 12));
  EXPECT_EQ(s->NumeroColonne, Combinazioni(9, 5));
  for (const Numeri5& c : ColonneDi(*s))
    for (int n : c) EXPECT_TRUE(n != 3 && n != 6 && n != 11) << n;
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Condizionato");
}

TEST_F(Filtri, SumBoundsAreInclusive) {
  RecordCondizioni& cond = s->Condizioni;
  cond.SommaMinMax = {15, 15};
  EXPECT_TRUE(FiltroSomma(C(1, 2, 3, 4, 5), cond));
  EXPECT_FALSE(FiltroSomma(C(1, 2, 3, 4, 6), cond));
  cond.SommaMinMax = {16, 265};
  EXPECT_FALSE(FiltroSomma(C(1, 2, 3, 4, 5), cond));
  EXPECT_TRUE(FiltroSomma(C(51, 52, 53, 54, 55), cond));
  cond.SommaMinMax = {-32768, 264};
  EXPECT_FALSE(FiltroSomma(C(51, 52, 53, 54, 55), cond));
}

TEST_F(Filtri, SumRangeUpsideDownRejectsEveryColumn) {
  s->Condizioni.SommaAttiva = VERO;
  s->Condizioni.SommaMinMax = {100, 99};
  Sviluppa(*s, DaA(10, 30));
  EXPECT_EQ(s->NumeroColonne, 0);
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Condizionato");
}

TEST_F(Filtri, EvenNumbersLookUpTheCount) {
  RecordCondizioni& cond = s->Condizioni;
  cond.PariAmmessi[2] = VERO;
  EXPECT_TRUE(FiltroPari(C(1, 2, 3, 4, 5), cond));
  EXPECT_FALSE(FiltroPari(C(1, 3, 5, 7, 8), cond));
  cond.PariAmmessi[2] = 1;  // any non-zero flag is true
  EXPECT_TRUE(FiltroPari(C(2, 3, 4, 5, 7), cond));

  s->Condizioni.PariAttiva = VERO;
  s->Condizioni.PariAmmessi.fill(FALSO);
  Sviluppa(*s, DaA(1, 14));
  EXPECT_EQ(s->NumeroColonne, 0);

  s->Condizioni.PariAmmessi[5] = VERO;
  Sviluppa(*s, DaA(1, 14));
  EXPECT_EQ(s->NumeroColonne, Combinazioni(7, 5));
  for (const Numeri5& c : ColonneDi(*s))
    for (int n : c) EXPECT_EQ(n % 2, 0);
}

// ---- AND filters -------------------------------------------------------

RecordFiltro Gruppo(std::initializer_list<int> numeri, int32_t quanti, int32_t posizioni) {
  RecordFiltro r;
  for (int n : numeri) r.Numeri[static_cast<size_t>(n)] = 1;
  r.QuantiMask = quanti;
  r.PosizioniMask = posizioni;
  return r;
}

// The record is tested alone and through a development of just that column,
// where the engine uses its own prepared form of the filters.
void AttesoFiltro(Sistema& s, const RecordFiltro& r, const Numeri5& c, bool accetta) {
  FiltriCondizione solo;
  solo.Prepara({RecordFiltro{}, r}, 1);
  EXPECT_EQ(solo.Accetta(C(c[0], c[1], c[2], c[3], c[4])), accetta);
  CancellaSistema(s, false);
  s.FiltriAnd[1] = r;
  s.NumeroFiltriAnd = 1;
  Sviluppa(s, {c.begin(), c.end()});
  EXPECT_EQ(s.NumeroColonne, accetta ? 1 : 0);
}

TEST_F(Filtri, AndFilterCountsHitsOnTheChosenPositions) {
  const RecordFiltro r = Gruppo({1, 2, 3}, 2, 2);  // exactly one hit, on position 1
  AttesoFiltro(*s, r, {1, 10, 20, 30, 40}, true);
  AttesoFiltro(*s, r, {10, 20, 30, 40, 50}, false);
  AttesoFiltro(*s, r, {5, 10, 20, 30, 40}, false);
  // All five positions: "none of the group".
  const RecordFiltro nessuno = Gruppo({1, 2, 3}, 1, 62);
  AttesoFiltro(*s, nessuno, {4, 10, 20, 30, 40}, true);
  AttesoFiltro(*s, nessuno, {4, 10, 20, 30, 3}, false);
  // Hits on positions 2 and 5 only.
  const RecordFiltro dueCinque = Gruppo({10, 40, 50}, 4, 4 | 32);
  AttesoFiltro(*s, dueCinque, {1, 10, 20, 30, 50}, true);
  AttesoFiltro(*s, dueCinque, {1, 10, 20, 40, 49}, false);
  // Five hits: the whole column in the group.
  AttesoFiltro(*s, Gruppo({1, 10, 20, 30, 40}, 32, 62), {1, 10, 20, 30, 40}, true);
  AttesoFiltro(*s, Gruppo({1, 10, 20, 30, 40}, 31, 62), {1, 10, 20, 30, 40}, false);
}

TEST_F(Filtri, AndFilterMaskGarbageFollowsTheBitArithmetic) {
  const Numeri5 c{1, 2, 3, 40, 50};
  // A negative hit mask has bits 0..5 set; the sign bit alone or bits above
  // 5 accept no count.
  AttesoFiltro(*s, Gruppo({1, 2}, -1, 62), c, true);
  AttesoFiltro(*s, Gruppo({1, 2}, INT_MIN, 62), c, false);
  AttesoFiltro(*s, Gruppo({1, 2}, 1 << 20, 62), c, false);
  AttesoFiltro(*s, Gruppo({1, 2}, (1 << 20) | 4, 62), c, true);
  // A negative position mask counts all five positions; bit 0 and bits
  // above 5 name no position, so nothing is counted.
  AttesoFiltro(*s, Gruppo({1, 2, 50}, 8, -1), c, true);
  AttesoFiltro(*s, Gruppo({1, 2, 50}, 8, INT_MIN | 62), c, true);
  AttesoFiltro(*s, Gruppo({1, 2, 50}, 1, 1), c, true);
  AttesoFiltro(*s, Gruppo({1, 2, 50}, 1, 1 << 30), c, true);
  AttesoFiltro(*s, Gruppo({1, 2, 50}, ~1, 1 | (1 << 12)), c, false);
  // Only 1 marks a number of the group.
  RecordFiltro due = Gruppo({}, 1, 62);
  due.Numeri[1] = 2;
  due.Numeri[2] = 255;
  AttesoFiltro(*s, due, c, true);
}

TEST_F(Filtri, AndFiltersMustAllAccept) {
  s->FiltriAnd[1] = Gruppo({1, 2, 3, 4}, 2 | 4, 62);  // one or two of 1..4
  s->FiltriAnd[2] = Gruppo({10, 11, 12}, 1, 62);      // none of 10..12
  s->FiltriAnd[3] = Gruppo({}, 2, 62);                // past the count: would reject all
  s->NumeroFiltriAnd = 2;
  const std::vector<int> numeri = DaA(1, 15);
  Sviluppa(*s, numeri);
  std::vector<Numeri5> attese;
  for (const Numeri5& c : TutteLeCombinazioni(numeri)) {
    const auto piccoli = std::count_if(c.begin(), c.end(), [](int n) { return n <= 4; });
    const bool vietati = std::any_of(c.begin(), c.end(), [](int n) { return n >= 10 && n <= 12; });
    if ((piccoli == 1 || piccoli == 2) && !vietati) attese.push_back(c);
  }
  EXPECT_EQ(ColonneDi(*s), attese);
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Condizionato");
}

TEST_F(Filtri, AndFilterCountBeyondTheTableUsesTheWholeTable) {
  for (int f = 1; f <= MAX_FILTRI; ++f) s->FiltriAnd[static_cast<size_t>(f)] = Gruppo({}, 1, 62);
  const std::vector<int> numeri = DaA(1, 9);
  for (int32_t quanti : {MAX_FILTRI + 1, 100000, INT32_MAX}) {
    s->NumeroFiltriAnd = quanti;
    Sviluppa(*s, numeri);
    EXPECT_EQ(s->NumeroColonne, Combinazioni(9, 5)) << quanti;
  }
  s->FiltriAnd[MAX_FILTRI] = Gruppo({}, 2, 62);  // the last record rejects every column
  Sviluppa(*s, numeri);
  EXPECT_EQ(s->NumeroColonne, 0);
  for (int32_t quanti : {-1, INT32_MIN}) {
    s->NumeroFiltriAnd = quanti;
    Sviluppa(*s, numeri);
    EXPECT_EQ(s->NumeroColonne, Combinazioni(9, 5)) << quanti;
    EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale");
  }
}

// Many records, tested together: each record is judged on its own hit
// count, whatever word of the prepared table it falls in.
TEST_F(Filtri, EveryAndRecordCountsItsOwnHits) {
  std::mt19937 g(1103);
  std::vector<RecordFiltro> tabella(MAX_FILTRI + 1);
  for (size_t f = 1; f <= 300; ++f) {
    for (size_t n = 1; n <= NUMERI; ++n) tabella[f].Numeri[n] = g() % 4 == 0 ? 1 : 0;
    tabella[f].PosizioniMask = static_cast<int32_t>(g());
    tabella[f].QuantiMask = static_cast<int32_t>(g() | 0x3F) & ~(1 << (g() % 6));  // refuses one count
  }
  const auto colpi = [](const RecordFiltro& r, const Candidato& c) {
    int h = 0;
    for (int p = 1; p <= 5; ++p) h += r.Numeri[c[static_cast<size_t>(p - 1)]] == 1 && ((r.PosizioniMask >> p) & 1);
    return h;
  };
  std::vector<uint8_t> numeri(NUMERI);
  std::iota(numeri.begin(), numeri.end(), uint8_t{1});
  for (int32_t quanti : {1, 63, 64, 65, 128, 129, 300}) {
    FiltriCondizione filtri;
    filtri.Prepara(tabella, quanti);
    for (int prova = 0; prova < 200; ++prova) {
      std::shuffle(numeri.begin(), numeri.end(), g);
      const Candidato c{numeri[0], numeri[1], numeri[2], numeri[3], numeri[4]};
      bool attesa = true;
      for (size_t f = 1; f <= static_cast<size_t>(quanti); ++f)
        attesa = attesa && ((tabella[f].QuantiMask >> colpi(tabella[f], c)) & 1);
      ASSERT_EQ(filtri.Accetta(c), attesa) << quanti << " records, trial " << prova;
    }
  }
}

// ---- Consecutive numbers ----------------------------------------------

TEST_F(Filtri, LongestRunOfConsecutiveNumbers) {
  EXPECT_EQ(LunghezzaMassimaConsecutivi(C(1, 2, 3, 5, 6)), 3);
  EXPECT_EQ(LunghezzaMassimaConsecutivi(C(1, 3, 5, 7, 9)), 1);
  EXPECT_EQ(LunghezzaMassimaConsecutivi(C(10, 11, 12, 13, 14)), 5);
  EXPECT_EQ(LunghezzaMassimaConsecutivi(C(1, 2, 4, 5, 6)), 3);
  EXPECT_EQ(LunghezzaMassimaConsecutivi(C(1, 2, 4, 5, 9)), 2);
  std::array<bool, 6> soloTre{};
  soloTre[3] = true;
  EXPECT_TRUE(FiltroConsecutivi(C(1, 2, 3, 5, 6), soloTre));
  EXPECT_FALSE(FiltroConsecutivi(C(1, 2, 4, 5, 9), soloTre));
  EXPECT_FALSE(FiltroConsecutivi(C(10, 11, 12, 13, 14), soloTre));
}

TEST_F(Filtri, ConsecutiveMaskBitsOutsideOneToFiveAllowNothing) {
  s->Consecutivi.Attivo = VERO;
  const std::vector<int> numeri = DaA(1, 10);
  for (int32_t maschera : {0, 1, INT32_MIN, 1 << 6, 1 << 30}) {
    s->Consecutivi.LunghezzeMask = maschera;
    Sviluppa(*s, numeri);
    EXPECT_EQ(s->NumeroColonne, 0) << maschera;
  }
  s->Consecutivi.LunghezzeMask = -1;
  Sviluppa(*s, numeri);
  EXPECT_EQ(s->NumeroColonne, Combinazioni(10, 5));
  s->Consecutivi.LunghezzeMask = (1 << 5) | (1 << 20) | 1;
  Sviluppa(*s, numeri);
  EXPECT_EQ(
      ColonneDi(*s),
      (std::vector<Numeri5>{
          {1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}, {3, 4, 5, 6, 7}, {4, 5, 6, 7, 8}, {5, 6, 7, 8, 9}, {6, 7, 8, 9, 10}}));
}

// ---- Number-distance filters ------------------------------------------

RecordDistanza Vicini(uint8_t coppia) {
  RecordDistanza r;
  r.NumeroCoppie = 1;
  r.Coppie[1] = coppia;
  r.MinAttivo = 1;
  r.MinOk[1] = VERO;
  return r;
}

TEST_F(Filtri, NumberDistanceOnTheFirstPair) {
  const RecordDistanza r = Vicini(1);
  EXPECT_TRUE(FiltroDistanzaNumeri(C(4, 5, 20, 30, 40), r));
  EXPECT_FALSE(FiltroDistanzaNumeri(C(4, 6, 7, 8, 9), r));

  s->FiltriDistanza[1] = r;
  s->NumeroFiltriDistanza = 1;
  const std::vector<int> numeri = DaA(1, 12);
  Sviluppa(*s, numeri);
  std::vector<Numeri5> attese;
  for (const Numeri5& c : TutteLeCombinazioni(numeri))
    if (c[1] - c[0] == 1) attese.push_back(c);
  EXPECT_EQ(ColonneDi(*s), attese);
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Condizionato");
}

TEST_F(Filtri, NumberDistanceSmallestAndLargestGap) {
  RecordDistanza r;
  r.NumeroCoppie = 4;
  r.Coppie = {0, 1, 2, 3, 4, 0};
  r.MaxAttivo = 1;
  r.MaxOk[10] = VERO;
  EXPECT_TRUE(FiltroDistanzaNumeri(C(1, 11, 12, 20, 21), r));
  EXPECT_FALSE(FiltroDistanzaNumeri(C(1, 12, 13, 20, 21), r));
  r.MinAttivo = 1;
  r.MinOk[1] = VERO;
  EXPECT_TRUE(FiltroDistanzaNumeri(C(1, 11, 12, 20, 21), r));
  EXPECT_FALSE(FiltroDistanzaNumeri(C(1, 11, 13, 20, 22), r));
  r.MinAttivo = 200;  // any non-zero count switches the part on
  EXPECT_FALSE(FiltroDistanzaNumeri(C(1, 11, 13, 20, 22), r));
}

TEST_F(Filtri, NumberDistanceWithNoGapLooksAtSmallestGap54) {
  RecordDistanza r;
  r.MaxAttivo = 1;  // no MaxOk set: with no gap the largest-gap part still passes
  r.MinAttivo = 1;
  for (uint8_t coppie : {0, 1, 3}) {
    r.NumeroCoppie = coppie;
    r.Coppie = {0, 5, 5, 5, 5, 5};  // 5 names no gap
    r.MinOk[54] = FALSO;
    EXPECT_FALSE(FiltroDistanzaNumeri(C(1, 2, 3, 4, 5), r)) << int{coppie};
    r.MinOk[54] = VERO;
    EXPECT_TRUE(FiltroDistanzaNumeri(C(1, 2, 3, 4, 5), r)) << int{coppie};
  }
}

TEST_F(Filtri, NumberDistanceGarbageEntriesNameNoGap) {
  RecordDistanza r;
  r.MinAttivo = 1;
  r.MinOk[54] = VERO;  // accepted only when no gap is evaluated
  r.NumeroCoppie = 5;
  r.Coppie = {0, 0, 6, 255, 5, 0};
  EXPECT_TRUE(FiltroDistanzaNumeri(C(1, 2, 3, 4, 5), r));
  r.Coppie[5] = 2;
  EXPECT_FALSE(FiltroDistanzaNumeri(C(1, 2, 3, 4, 5), r));
  // A count above five reads the five stored entries and no more.
  for (uint8_t coppie : {6, 100, 255}) {
    r.NumeroCoppie = coppie;
    r.Coppie = {7, 0, 6, 255, 5, 0};
    EXPECT_TRUE(FiltroDistanzaNumeri(C(1, 2, 3, 4, 5), r)) << int{coppie};
    r.Coppie[5] = 4;
    EXPECT_FALSE(FiltroDistanzaNumeri(C(1, 2, 3, 4, 5), r)) << int{coppie};
  }
}

TEST_F(Filtri, NumberDistanceFiltersAcceptWhenAnyOneDoes) {
  RecordDistanza nessuna;  // smallest-gap part on, no gap accepted
  nessuna.MinAttivo = 1;
  s->FiltriDistanza = {RecordDistanza{}, Vicini(1), Vicini(4), nessuna, nessuna, Vicini(2)};
  const std::vector<int> numeri = DaA(1, 12);
  const auto attese = [&](auto accetta) {
    std::vector<Numeri5> out;
    for (const Numeri5& c : TutteLeCombinazioni(numeri))
      if (accetta(c)) out.push_back(c);
    return out;
  };

  s->NumeroFiltriDistanza = 2;
  Sviluppa(*s, numeri);
  EXPECT_EQ(ColonneDi(*s), attese([](const Numeri5& c) { return c[1] - c[0] == 1 || c[4] - c[3] == 1; }));
  s->NumeroFiltriDistanza = 1;  // records past the count are not consulted
  Sviluppa(*s, numeri);
  EXPECT_EQ(ColonneDi(*s), attese([](const Numeri5& c) { return c[1] - c[0] == 1; }));
  // A count beyond the table reads its five records and no more.
  for (uint8_t quanti : {5, 6, 255}) {
    s->NumeroFiltriDistanza = quanti;
    Sviluppa(*s, numeri);
    EXPECT_EQ(ColonneDi(*s),
              attese([](const Numeri5& c) { return c[1] - c[0] == 1 || c[4] - c[3] == 1 || c[2] - c[1] == 1; }))
        << int{quanti};
  }
}

// ---- The two reductions -----------------------------------------------

TEST_F(Filtri, GuaranteeOneAndMinimumDistanceTwoRejectFourSharedNumbers) {
  const std::vector<int> numeri = DaA(1, 7);
  s->Condizioni.RidottoAttivo = VERO;
  s->Condizioni.Garanzia = 1;
  Sviluppa(*s, numeri);
  const std::vector<Numeri5> garanzia = ColonneDi(*s);
  ASSERT_FALSE(garanzia.empty());
  EXPECT_EQ(garanzia.front(), (Numeri5{1, 2, 3, 4, 5}));
  EXPECT_FALSE(Contiene(garanzia, {1, 2, 3, 4, 6}));
  EXPECT_TRUE(Contiene(garanzia, {1, 2, 3, 6, 7}));

  CancellaSistema(*s, false);
  s->DistanzaMinima.Attivo = VERO;
  s->DistanzaMinima.Distanza = 2;
  Sviluppa(*s, numeri);
  EXPECT_EQ(ColonneDi(*s), garanzia);

  s->DistanzaMinima.Distanza = 1;
  Sviluppa(*s, numeri);
  EXPECT_EQ(ColonneDi(*s), TutteLeCombinazioni(numeri));
}

TEST_F(Filtri, MinimumDistanceKeepsTheColumnsOfTheGuaranteeOneBelow) {
  const std::vector<int> numeri = DaA(20, 35);
  for (int d = 1; d <= 5; ++d) {
    CancellaSistema(*s, false);
    s->DistanzaMinima.Attivo = VERO;
    s->DistanzaMinima.Distanza = static_cast<uint8_t>(d);
    Sviluppa(*s, numeri);
    const std::vector<Numeri5> distanza = ColonneDi(*s);
    CancellaSistema(*s, false);
    s->Condizioni.RidottoAttivo = VERO;
    s->Condizioni.Garanzia = static_cast<uint8_t>(d - 1);
    Sviluppa(*s, numeri);
    EXPECT_EQ(ColonneDi(*s), distanza) << d;
    // Any two kept columns share at most 5 - d numbers.
    std::vector<uint64_t> insiemi;
    for (const Numeri5& c : distanza)
      insiemi.push_back(
          std::accumulate(c.begin(), c.end(), uint64_t{0}, [](uint64_t m, int n) { return m | uint64_t{1} << n; }));
    for (size_t a = 0; a < insiemi.size(); ++a)
      for (size_t b = a + 1; b < insiemi.size(); ++b) ASSERT_LE(std::popcount(insiemi[a] & insiemi[b]), 5 - d);
  }
}

TEST_F(Filtri, GuaranteeFiveOrMoreKeepsOnlyTheFirstColumn) {
  s->Condizioni.RidottoAttivo = VERO;
  s->Condizioni.SommaAttiva = VERO;
  s->Condizioni.SommaMinMax = {40, 200};
  const std::vector<Numeri5> tutte = TutteLeCombinazioni(DaA(1, 20));
  const Numeri5 prima = *std::find_if(tutte.begin(), tutte.end(),
                                      [](const Numeri5& c) { return c[0] + c[1] + c[2] + c[3] + c[4] >= 40; });
  for (uint8_t g : {5, 6, 200, 255}) {
    s->Condizioni.Garanzia = g;
    Sviluppa(*s, DaA(1, 20));
    EXPECT_EQ(ColonneDi(*s), std::vector<Numeri5>{prima}) << int{g};
    EXPECT_EQ(s->TitoloSistema.Trimmed(), "Ridotto N-" + std::to_string(g) + " Condizionato");
  }
}

TEST_F(Filtri, MinimumDistanceZeroOrAboveFiveRejectsNothing) {
  s->DistanzaMinima.Attivo = VERO;
  const std::vector<int> numeri = DaA(30, 42);
  for (uint8_t d : {0, 1, 6, 7, 128, 255}) {
    s->DistanzaMinima.Distanza = d;
    Sviluppa(*s, numeri);
    EXPECT_EQ(ColonneDi(*s), TutteLeCombinazioni(numeri)) << int{d};
    EXPECT_EQ(s->TitoloSistema.Trimmed(), "Distanza Minima [" + std::to_string(d) + "]");
  }
}

TEST_F(Filtri, GuaranteeZeroRejectsNothing) {
  s->Condizioni.RidottoAttivo = VERO;
  s->Condizioni.Garanzia = 0;
  const std::vector<int> numeri = DaA(30, 42);
  Sviluppa(*s, numeri);
  EXPECT_EQ(ColonneDi(*s), TutteLeCombinazioni(numeri));
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Ridotto N-0");
}

// ---- The prediction ----------------------------------------------------

TEST_F(Filtri, APredictionBreakingItsRulesDevelopsNothing) {
  const std::vector<std::vector<int>> cattivi{
      {1, 2, 3, 4},        // fewer than five
      {1, 2, 3, 4, 4, 6},  // repeated number
      {1, 2, 0, 4, 5, 6},  // empty entry among the numbers
      {1, 2, 3, 4, 56},    // outside 1..55
      {1, 2, 3, 4, 255},
  };
  for (const auto& numeri : cattivi) {
    s->NumeroColonne = 7;
    Sviluppa(*s, numeri);
    EXPECT_EQ(s->NumeroColonne, 0) << numeri.size();
  }
  s->NumeroColonne = 7;
  Sviluppo(*s, 56, Pronostico(DaA(1, 55)));
  EXPECT_EQ(s->NumeroColonne, 0);
  Sviluppo(*s, 255, Pronostico(DaA(1, 55)));
  EXPECT_EQ(s->NumeroColonne, 0);
}

}  // namespace
}  // namespace tlx
