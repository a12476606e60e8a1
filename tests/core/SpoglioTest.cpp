// The checks count hits through an index of shared subsets and a hit table
// per draw. The check written the long way (a 55-flag table per draw, five
// reads per column, the totals updated column by column) is the reference
// both must match, on systems with repeated columns and odd columns too.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <tuple>

#include "checking/Spoglio.h"
#include "checking/SpoglioEstrazioni.h"

namespace tlx {
namespace {

using Colonne = std::vector<uint8_t>;  // five bytes a column

// One draw checked the long way: the row and every column's hits.
struct RigaLetterale {
  int base = 0, max = 0, min = 5;
  std::array<int64_t, 6> punti{};
  Centesimi vincita = 0;
  std::array<std::vector<int32_t>, 4> vincenti;
};

RigaLetterale Letterale(const Colonne& colonne, const std::array<uint8_t, 5>& estrazione,
                        const std::array<uint8_t, NUMERI>& pronostico = {}, int numeriPronostico = 0) {
  RigaLetterale r;
  bool flag[56] = {};
  for (uint8_t x : estrazione)
    if (x >= 1 && x <= 55) flag[x] = true;
  for (int i = 0; i < numeriPronostico; ++i) r.base += flag[pronostico[static_cast<size_t>(i)]];
  const auto n = static_cast<int32_t>(colonne.size() / 5);
  for (int32_t c = 0; c < n; ++c) {
    int punti = 0;
    for (int p = 0; p < 5; ++p) {
      const uint8_t x = colonne[static_cast<size_t>(c) * 5 + static_cast<size_t>(p)];
      punti += x <= 55 && flag[x];
    }
    ++r.punti[static_cast<size_t>(punti)];
    if (punti >= 2) r.vincenti[5 - punti].push_back(c + 1);
    r.vincita += PremiPunti[static_cast<size_t>(punti)] * 100;
    if (r.max != 5 && punti > r.max) r.max = punti;
    if (punti < r.min) r.min = punti;
  }
  return r;
}

std::array<uint8_t, 5> Estrai(std::mt19937& g, bool ripetuti = false) {
  std::vector<uint8_t> tutti(55);
  std::iota(tutti.begin(), tutti.end(), uint8_t{1});
  std::shuffle(tutti.begin(), tutti.end(), g);
  std::array<uint8_t, 5> e{};
  std::copy_n(tutti.begin(), 5, e.begin());
  if (ripetuti) e[3] = e[1];
  return e;
}

// Columns drawn from `numeri` numbers, some repeated, and a few odd ones
// (a repeated number, a 0, a number above 55) when `strane`.
Colonne SistemaCasuale(std::mt19937& g, int32_t n, int numeri, bool strane) {
  Colonne c;
  std::uniform_int_distribution<int> caso(0, 99);
  for (int32_t i = 0; i < n; ++i) {
    std::array<uint8_t, 5> col = Estrai(g);
    for (uint8_t& x : col) x = static_cast<uint8_t>(1 + (x - 1) % numeri);
    std::sort(col.begin(), col.end());
    if (std::adjacent_find(col.begin(), col.end()) != col.end() && !strane) {
      --i;
      continue;
    }
    if (strane && caso(g) < 3) col[static_cast<size_t>(caso(g) % 5)] = std::array<uint8_t, 3>{0, 56, col[0]}[static_cast<size_t>(caso(g) % 3)];
    if (caso(g) < 5 && i > 0) std::copy_n(c.end() - 5, 5, col.begin());  // the previous column again
    c.insert(c.end(), col.begin(), col.end());
  }
  return c;
}

TEST(SpoglioTest, OneDrawMatchesTheLongWayOnRandomSystems) {
  std::mt19937 g(13);
  for (const auto& [n, numeri, strane] : {std::tuple{0, 55, false}, std::tuple{1, 8, false}, std::tuple{3000, 12, true},
                                          std::tuple{200'000, 55, false}}) {
    const Colonne colonne = SistemaCasuale(g, n, numeri, strane);
    for (int prova = 0; prova < 4; ++prova) {
      // The lowest and highest numbers first, then random draws.
      const auto estrazione = prova == 0 ? std::array<uint8_t, 5>{1, 2, 3, 54, 55} : Estrai(g, prova == 3);
      const RigaLetterale atteso = Letterale(colonne, estrazione);
      const EsitoSpoglio esito = SpoglioColonne(colonne.data(), n, estrazione);
      // Without columns there is no best or worst column.
      const auto massimo = n ? std::optional(atteso.max) : std::nullopt, minimo = n ? std::optional(atteso.min) : std::nullopt;
      EXPECT_EQ(std::tie(esito.VincitePunti, esito.Totale, esito.Vincenti, esito.MaxPunti, esito.MinPunti),
                std::tie(atteso.punti, atteso.vincita, atteso.vincenti, massimo, minimo))
          << n;
    }
  }
}

TEST(SpoglioTest, RangeMatchesTheLongWayRowByRowAndInTotal) {
  std::mt19937 g(104);
  std::array<uint8_t, NUMERI> pronostico{};
  for (int i = 0; i < 20; ++i) pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(2 * i + 3);
  // Few columns add their own subsets; many go through the 5-set counts.
  for (const auto& [n, numeri, strane] : {std::tuple{5000, 20, true}, std::tuple{40'000, 55, false},
                                          std::tuple{150'000, 30, true}, std::tuple{0, 55, false}}) {
    const Colonne colonne = SistemaCasuale(g, n, numeri, strane);
    std::vector<Estrazione> archivio;
    for (int i = 0; i < 120; ++i) archivio.push_back({"d" + std::to_string(i / 2), Estrai(g, i % 17 == 0)});
    // A draw that equals a column, and one without any number of the system.
    if (n > 0) std::copy_n(colonne.begin(), 5, archivio[7].Numeri.begin());
    archivio[8].Numeri = {51, 52, 53, 54, 55};

    const auto esito = SpoglioEstrazioni(colonne.data(), n, archivio, pronostico, 20, 50);
    ASSERT_EQ(esito.Righe.size(), archivio.size());
    TotaliSpoglio atteso;
    for (size_t i = 0; i < archivio.size(); ++i) {
      const RigaLetterale l = Letterale(colonne, archivio[i].Numeri, pronostico, 20);
      const RigaSpoglio& r = esito.Righe[i];
      EXPECT_EQ(std::tie(r.Base, r.Max, r.Min, r.Punti, r.Vincita), std::tie(l.base, l.max, l.min, l.punti, l.vincita))
          << n << " draw " << i;
      for (int k = 2; k <= 5; ++k) atteso.Punti[static_cast<size_t>(k)] += l.punti[static_cast<size_t>(k)];
      atteso.MaxBase = std::max(atteso.MaxBase, l.base);
      atteso.MaxMax = std::max(atteso.MaxMax, l.max);
      atteso.MinMin = std::min(atteso.MinMin, l.min);
      atteso.TotVinto += l.vincita;
      ++(l.max >= 2 ? atteso.EstrazioniConMax[static_cast<size_t>(l.max)] : atteso.EstrNonVincenti);
    }
    const TotaliSpoglio& t = esito.Totali;
    EXPECT_EQ(std::tie(t.Punti, t.MaxBase, t.MaxMax, t.MinMin, t.EstrazioniConMax, t.EstrNonVincenti, t.TotVinto),
              std::tie(atteso.Punti, atteso.MaxBase, atteso.MaxMax, atteso.MinMin, atteso.EstrazioniConMax,
                       atteso.EstrNonVincenti, atteso.TotVinto));
    EXPECT_EQ(t.TotEstrazioni, 120);
    EXPECT_EQ(t.TotGiocato, Centesimi{50} * n * 120);
  }
}

TEST(SpoglioTest, TotalsNeverWrapAndAStopEndsEitherCheck) {
  // 3,000 columns of 5 hits: the total stays exact.
  const std::array<uint8_t, 5> estrazione = {33, 7, 55, 12, 41};
  Colonne uguali;
  for (int i = 0; i < 3000; ++i) uguali.insert(uguali.end(), {7, 12, 33, 41, 55});
  EXPECT_EQ(SpoglioColonne(uguali.data(), 3000, estrazione).Totale, Centesimi{3000} * 100'000'000);
  // A stop asked at a yield ends the check and says so.
  Colonne molte(static_cast<size_t>(PASSO_CEDI) * 5 * 2, 1);
  EXPECT_TRUE(SpoglioColonne(molte.data(), PASSO_CEDI * 2, estrazione, [] { return false; }).Interrotto);
  const std::vector<Estrazione> archivio(2, Estrazione{"01/02/2020", estrazione});
  EXPECT_TRUE(SpoglioEstrazioni(molte.data(), PASSO_CEDI * 2, archivio, {}, 0, 50, [] { return false; }).Interrotto);
}

TEST(SpoglioTest, BoxesAreSortedThenRefusedForDuplicatesBeforeRange) {
  struct Caso {
    std::array<std::string, 5> testi;
    std::array<int, 5> ordine;
    std::string errore;
    int casella;
  };
  const Caso casi[] = {
      {{"33", "07", "55", "12", "41"}, {1, 3, 0, 4, 2}, "", 0},
      {{"07", "07", "12", "33", "41"}, {0, 1, 2, 3, 4}, "Duplicazione di numeri", 0},
      {{"", "5_", "", "12", "33"}, {0, 2, 1, 3, 4}, "Duplicazione di numeri", 0},
      {{"07", "", "12", "33", "41"}, {1, 0, 2, 3, 4}, "Valore 0 non ammesso", 0},
      {{"56", "07", "12", "33", "41"}, {1, 2, 3, 4, 0}, "Valore 56 non ammesso", 4},
  };
  for (const Caso& c : casi) {
    std::array<int, 5> valori{};
    for (size_t i = 0; i < 5; ++i) valori[i] = ValoreCasella(c.testi[i]);
    const ControlloColonna k = ControllaColonnaSpoglio(valori);
    EXPECT_EQ(k.ordine, c.ordine) << c.errore;
    const auto atteso = c.errore.empty() ? std::nullopt : std::optional(Messaggio{Icona::Esclamazione, Pulsanti::Ok, "Colonna Errata", c.errore});
    EXPECT_EQ(k.errore, atteso);
    if (k.errore) {
      EXPECT_EQ(k.casellaErrata, c.casella) << c.errore;
    } else {
      EXPECT_EQ(k.numeri, (std::array<uint8_t, 5>{7, 12, 33, 41, 55}));
    }
  }
}

TEST(SpoglioTest, AmountPlayedIsExactAndBaseCountsTheFirstChosenNumber) {
  // 0.50 a column, 3 columns, four draws: 6.00, not 8 as rounding each draw gave.
  const Colonne colonne = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  std::array<uint8_t, NUMERI> pronostico{1, 2, 3, 4, 5};
  const std::vector<Estrazione> archivio(4, Estrazione{"01/02/2020", {1, 10, 20, 30, 40}});
  const auto esito = SpoglioEstrazioni(colonne.data(), 3, archivio, pronostico, 5, 50);
  EXPECT_EQ(esito.Totali.TotGiocato, 600);
  EXPECT_EQ(esito.Righe[0].Base, 1);
  // A draw whose best column scores 1 hit wins nothing.
  EXPECT_EQ(std::tie(esito.Righe[0].Max, esito.Righe[0].Min, esito.Totali.EstrNonVincenti), std::tuple(1, 0, 4));
  EXPECT_EQ(TestoRiga(esito.Righe[0], {}), "01/02/2020\t01.10.20.30.40\t1\t1\t0\t0\t0\t0\t0\t0");
}

TEST(SpoglioTest, DateListsAndRanges) {
  auto E = [](std::string d) { return Estrazione{std::move(d), {1, 2, 3, 4, 5}}; };
  const std::vector<Estrazione> archivio = {E("01/02/2020"), E("03/02/2020"), E("03/02/2020"), E("05/02/2020"),
                                            E("07/02/2020")};
  EXPECT_EQ(ElencoDate(archivio).Date,
            (std::vector<std::string>{"01/02/2020", "03/02/2020", "05/02/2020", "07/02/2020"}));
  // Dal, al, the first and last record; none when DAL is gone.
  using Da = std::optional<std::pair<size_t, size_t>>;
  const std::tuple<const char*, const char*, Da> casi[] = {
      {"05/02/2020", "05/02/2020", Da({3, 3})}, {"03/02/2020", "07/02/2020", Da({1, 4})},
      {"01/02/2020", "03/02/2020", Da({0, 1})}, {"05/02/2020", "01/02/2020", Da({3, 4})},
      {"09/02/2020", "07/02/2020", std::nullopt}};
  for (const auto& [dal, al, atteso] : casi) {
    const auto i = TrovaIntervallo(archivio, dal, al);
    EXPECT_EQ(i ? Da({i->inizio, i->fine}) : std::nullopt, atteso) << dal << al;
  }
  // An empty archive (one empty slot) offers no date.
  EXPECT_TRUE(ElencoDate({Estrazione{"          ", {}}}).Date.empty());
  // 32,000 dates are offered; one more is refused with the size message.
  std::vector<Estrazione> grande;
  for (int i = 0; i <= 32000; ++i) grande.push_back(E(std::to_string(i)));
  EXPECT_EQ(ElencoDate({grande.begin(), grande.end() - 1}).Date.size(), 32000u);
  const DateArchivio troppe = ElencoDate(grande);
  ASSERT_TRUE(troppe.errore);
  EXPECT_EQ(troppe.errore->titolo, "Errore dimensione archivio");
  EXPECT_TRUE(troppe.Date.empty());
}

TEST(SpoglioTest, DatesOrderDayFirstOrYearFirst) {
  EXPECT_LT(GiornoDaData("31/12/2019"), GiornoDaData("01/01/2020"));
  EXPECT_EQ(GiornoDaData("07/02/2018  "), GiornoDaData("2018-02-07"));
  EXPECT_EQ(GiornoDaData("7.2.2018"), GiornoDaData("07-02-2018"));
  for (const char* cattiva : {"", "          ", "31/02/2020", "07/02/18", "01/01/0000", "07/02-2018", "ieri", "07/13/2020", "1/2/3/2020"})
    EXPECT_FALSE(GiornoDaData(cattiva)) << cattiva;
}

}  // namespace
}  // namespace tlx
