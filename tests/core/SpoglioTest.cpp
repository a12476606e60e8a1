// The range check counts hits through rows of bits or an index of shared
// subsets, the single check through a hit table per draw. The check written
// the long way (a 55-flag table per draw, five reads per column, the totals
// updated column by column) is the reference all must match, on systems with
// repeated, unsorted and odd columns too.

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
using Cinque = std::array<uint8_t, 5>;

// One draw checked the long way: the row, and the winning columns by category.
using Vincenti = std::array<std::vector<int32_t>, 4>;
std::pair<RigaSpoglio, Vincenti> Letterale(const Colonne& colonne, const Cinque& estrazione,
                                           const std::array<uint8_t, NUMERI>& pronostico, int numeriPronostico) {
  RigaSpoglio r;
  Vincenti vincenti;
  bool flag[256] = {};
  for (uint8_t x : estrazione) flag[x] = x >= 1 && x <= 55;
  for (int i = 0; i < numeriPronostico; ++i) r.Base += flag[pronostico[static_cast<size_t>(i)]];
  for (size_t c = 0; c < colonne.size() / 5; ++c) {
    int punti = 0;
    for (size_t p = 0; p < 5; ++p) punti += flag[colonne[c * 5 + p]];
    ++r.Punti[static_cast<size_t>(punti)];
    if (punti >= 2) vincenti[static_cast<size_t>(5 - punti)].push_back(static_cast<int32_t>(c + 1));
    r.Vincita += PremiPunti[static_cast<size_t>(punti)] * 100;
    r.Max = std::max(r.Max, punti), r.Min = std::min(r.Min, punti);
  }
  return {r, vincenti};
}
auto Campi(const RigaSpoglio& r) { return std::tie(r.Base, r.Max, r.Min, r.Punti, r.Vincita); }

// Five different numbers of 1..`numeri` in the drawn order; the fourth
// repeats the second when `ripetuti`.
Cinque Estrai(std::mt19937& g, int numeri = 55, bool ripetuti = false) {
  std::array<uint8_t, 55> tutti{};
  std::iota(tutti.begin(), tutti.end(), uint8_t{1});
  std::shuffle(tutti.begin(), tutti.begin() + numeri, g);
  if (ripetuti) tutti[3] = tutti[1];
  return {tutti[0], tutti[1], tutti[2], tutti[3], tutti[4]};
}

// Columns drawn from `numeri` numbers, some repeated, and when `strane` a
// few odd ones (a repeated number, a 0, a number above 55) and a few left
// unsorted, as a text file may give them.
Colonne SistemaCasuale(std::mt19937& g, int32_t n, int numeri, bool strane) {
  Colonne c;
  std::uniform_int_distribution<size_t> caso(0, 99);
  for (int32_t i = 0; i < n; ++i) {
    Cinque col = Estrai(g, numeri);
    if (!strane || caso(g) >= 3) std::sort(col.begin(), col.end());
    if (strane && caso(g) < 3) col[caso(g) % 5] = Cinque{0, 56, col[0]}[caso(g) % 3];
    if (caso(g) < 5 && i > 0) std::copy_n(c.end() - 5, 5, col.begin());  // the previous column again
    c.insert(c.end(), col.begin(), col.end());
  }
  return c;
}

TEST(SpoglioTest, EveryWayMatchesTheLongWayOnRandomSystems) {
  std::mt19937 g(104);
  const std::array<uint8_t, NUMERI> pronostico = {3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37, 39, 41};
  // Small and large systems, past the scan's blocks of 32,768 columns. One
  // column at 0,50 checks the amount played is not rounded draw by draw.
  for (const auto& [n, numeri, strane] : {std::tuple{0, 55, false}, std::tuple{1, 8, false}, std::tuple{5000, 20, true},
                                          std::tuple{40'000, 55, false}, std::tuple{150'000, 30, true}}) {
    const Colonne colonne = SistemaCasuale(g, n, numeri, strane);
    // The lowest and highest numbers, none of the system's, a draw equal to a
    // column, then random draws (some with a number twice), two to a date.
    std::vector<Estrazione> archivio = {{"d0", {1, 2, 3, 54, 55}}, {"d0", {51, 52, 53, 54, 55}}};
    if (n > 0) archivio.push_back({"d1", {colonne[0], colonne[1], colonne[2], colonne[3], colonne[4]}});
    while (archivio.size() < 120) archivio.push_back({"d" + std::to_string(archivio.size() / 2), Estrai(g, 55, archivio.size() % 5 == 0)});
    std::vector<RigaSpoglio> lunghe;
    TotaliSpoglio atteso;
    for (const Estrazione& e : archivio) {
      const auto [l, vincenti] = Letterale(colonne, e.Numeri, pronostico, 20);
      // One draw alone also lists the winning columns; without columns there is no best or worst.
      const EsitoSpoglio uno = SpoglioColonne(colonne.data(), n, e.Numeri);
      const auto massimo = n ? std::optional(l.Max) : std::nullopt, minimo = n ? std::optional(l.Min) : std::nullopt;
      EXPECT_EQ(std::tie(uno.VincitePunti, uno.Totale, uno.Vincenti, uno.MaxPunti, uno.MinPunti),
                std::tie(l.Punti, l.Vincita, vincenti, massimo, minimo))
          << n << " draw " << lunghe.size();
      lunghe.push_back(l);
      for (size_t k = 2; k <= 5; ++k) atteso.Punti[k] += l.Punti[k];
      atteso.MaxBase = std::max(atteso.MaxBase, l.Base), atteso.MaxMax = std::max(atteso.MaxMax, l.Max);
      atteso.MinMin = std::min(atteso.MinMin, l.Min), atteso.TotVinto += l.Vincita;
      ++(l.Max >= 2 ? atteso.EstrazioniConMax[static_cast<size_t>(l.Max)] : atteso.EstrNonVincenti);
    }
    // Each way, on the whole range and on ranges of one draw and of none.
    for (const MetodoPunti metodo : {MetodoPunti::Scelto, MetodoPunti::Scansione, MetodoPunti::Indice}) {
      for (const size_t quante : {archivio.size(), size_t{1}, size_t{0}}) {
        const std::vector<Estrazione> intervallo(archivio.end() - static_cast<std::ptrdiff_t>(quante), archivio.end());
        const auto esito = SpoglioEstrazioni(colonne.data(), n, intervallo, pronostico, 20, 50, {}, metodo);
        ASSERT_EQ(esito.Righe.size(), quante);
        for (size_t i = 0; i < quante; ++i)
          EXPECT_EQ(Campi(esito.Righe[i]), Campi(lunghe[archivio.size() - quante + i]))
              << n << " way " << int(metodo) << " draw " << i << " of " << quante;
      }
      const TotaliSpoglio& t = SpoglioEstrazioni(colonne.data(), n, archivio, pronostico, 20, 50, {}, metodo).Totali;
      EXPECT_EQ(std::tie(t.Punti, t.MaxBase, t.MaxMax, t.MinMin, t.EstrazioniConMax, t.EstrNonVincenti, t.TotVinto,
                         t.TotEstrazioni, t.TotGiocato),
                std::tuple(atteso.Punti, atteso.MaxBase, atteso.MaxMax, atteso.MinMin, atteso.EstrazioniConMax,
                           atteso.EstrNonVincenti, atteso.TotVinto, 120, Centesimi{50} * n * 120))
          << n << " way " << int(metodo);
    }
  }
  // Few draws are scanned; a full system against a long archive pays for the index.
  EXPECT_EQ(std::tuple(MetodoConveniente(1'850'000, 1), MetodoConveniente(1'850'000, 400), MetodoConveniente(150'000, 120)),
            std::tuple(MetodoPunti::Scansione, MetodoPunti::Indice, MetodoPunti::Scansione));
}

TEST(SpoglioTest, TotalsNeverWrapAndAStopEndsTheRangeCheck) {
  // 3,000 columns of 5 hits: the total stays exact.
  const Cinque estrazione = {33, 7, 55, 12, 41};
  Colonne uguali;
  for (int i = 0; i < 3000; ++i) uguali.insert(uguali.end(), {7, 12, 33, 41, 55});
  EXPECT_EQ(SpoglioColonne(uguali.data(), 3000, estrazione).Totale, Centesimi{3000} * 100'000'000);
  // A stop asked at a yield ends the range check and says so; the single check's is its window's test.
  Colonne molte(static_cast<size_t>(PASSO_CEDI) * 5 * 2, 1);
  const std::vector<Estrazione> archivio(2, Estrazione{"01/02/2020", estrazione});
  EXPECT_TRUE(SpoglioEstrazioni(molte.data(), PASSO_CEDI * 2, archivio, {}, 0, 50, [] { return false; }).Interrotto);
  // So does a stop asked at any one yield, in every pass of either way: the
  // columns read, the scan or the index built, the odd columns counted.
  Colonne miste;
  for (int i = 0; i < 2 * PASSO_CEDI; ++i) miste.insert(miste.end(), {1, 2, 3, 4, 5});
  for (int i = 0; i < PASSO_CEDI / 8; ++i) miste.insert(miste.end(), {1, 1, 2, 3, 4});
  const auto n = static_cast<int32_t>(miste.size() / 5);
  const std::vector<Estrazione> lungo(64, Estrazione{"01/02/2020", estrazione});
  for (const MetodoPunti metodo : {MetodoPunti::Scansione, MetodoPunti::Indice}) {
    int cedute = 0;
    ASSERT_FALSE(SpoglioEstrazioni(miste.data(), n, lungo, {}, 0, 50, [&] { return ++cedute > 0; }, metodo).Interrotto);
    for (int ferma = 1; ferma <= cedute; ++ferma) {
      int volta = 0;
      EXPECT_TRUE(SpoglioEstrazioni(miste.data(), n, lungo, {}, 0, 50, [&] { return ++volta != ferma; }, metodo).Interrotto)
          << "way " << int(metodo) << " yield " << ferma << " of " << cedute;
    }
  }
  // An amount played beyond 64 bits is none: neither wrapped nor nothing at all.
  EXPECT_EQ(SpoglioEstrazioni(uguali.data(), 3000, lungo, {}, 0, INT64_MAX / 1000).Totali.TotGiocato, std::nullopt);
}

// The window's test has a good draw and one above 55.
TEST(SpoglioTest, BoxesAreSortedThenRefusedForDuplicatesBeforeRange) {
  const std::tuple<std::array<std::string, 5>, std::array<int, 5>, std::string, int> casi[] = {
      {{"07", "07", "12", "33", "41"}, {0, 1, 2, 3, 4}, "Duplicazione di numeri", 0},
      {{"", "5_", "", "12", "33"}, {0, 2, 1, 3, 4}, "Duplicazione di numeri", 0},
      {{"07", "", "12", "33", "41"}, {1, 0, 2, 3, 4}, "Valore 0 non ammesso", 0},
  };
  for (const auto& [testi, ordine, errore, casella] : casi) {
    std::array<int, 5> valori{};
    std::transform(testi.begin(), testi.end(), valori.begin(), ValoreCasella);
    const ControlloColonna k = ControllaColonnaSpoglio(valori);
    const auto messaggio = errore.empty() ? std::nullopt : std::optional(Messaggio{Icona::Esclamazione, Pulsanti::Ok, "Colonna Errata", errore});
    EXPECT_EQ(std::tie(k.ordine, k.errore, k.casellaErrata), std::tie(ordine, messaggio, casella)) << errore;
  }
}

TEST(SpoglioTest, DateListsRangesAndTheOrderOfDatesDayFirstOrYearFirst) {
  auto E = [](std::string d) { return Estrazione{std::move(d), {1, 2, 3, 4, 5}}; };
  const std::vector<Estrazione> archivio = {E("01/02/2020"), E("03/02/2020"), E("03/02/2020"), E("05/02/2020"),
                                            E("07/02/2020")};
  // Dal, al, the first and last record; none when DAL is gone. The window's test lists a repeated date once.
  using Da = std::optional<std::pair<size_t, size_t>>;
  const std::tuple<const char*, const char*, Da> casi[] = {
      {"05/02/2020", "05/02/2020", Da({3, 3})}, {"03/02/2020", "07/02/2020", Da({1, 4})},
      {"01/02/2020", "03/02/2020", Da({0, 1})}, {"05/02/2020", "01/02/2020", Da({3, 4})},
      {"09/02/2020", "07/02/2020", std::nullopt}};
  for (const auto& [dal, al, atteso] : casi) {
    const auto i = TrovaIntervallo(archivio, dal, al);
    EXPECT_EQ(i ? Da({i->inizio, i->fine}) : std::nullopt, atteso) << dal << al;
  }
  // An empty slot of DAL's date starts no range.
  const auto dopoVuoto = TrovaIntervallo({Estrazione{"05/02/2020", {}}, E("05/02/2020")}, "05/02/2020", "05/02/2020");
  EXPECT_EQ(dopoVuoto ? Da({dopoVuoto->inizio, dopoVuoto->fine}) : std::nullopt, Da({1, 1}));
  // An empty archive, or empty slots with a date, offer no date; 32,000 dates are
  // offered, one more is refused with the size message.
  std::vector<Estrazione> grande;
  for (int i = 0; i <= 32000; ++i) grande.push_back(E(std::to_string(i)));
  const DateArchivio troppe = ElencoDate(grande);
  EXPECT_EQ(std::tuple(ElencoDate({Estrazione{"          ", {}}, Estrazione{"09/02/2020", {}}}).Date.size(),
                       ElencoDate({grande.begin(), grande.end() - 1}).Date.size(), troppe.Date.size(),
                       troppe.errore ? troppe.errore->titolo : ""),
            std::tuple(0u, 32000u, 0u, "Errore dimensione archivio"));

  // Dates order day first or year first; what is no date has no order.
  EXPECT_LT(GiornoDaData("31/12/2019"), GiornoDaData("01/01/2020"));
  EXPECT_EQ(GiornoDaData("07/02/2018  "), GiornoDaData("2018-02-07"));
  EXPECT_EQ(GiornoDaData("7.2.2018"), GiornoDaData("07-02-2018"));
  for (const char* cattiva : {"", "          ", "31/02/2020", "07/02/18", "01/01/0000", "07/02-2018", "ieri", "07/13/2020", "1/2/3/2020"})
    EXPECT_FALSE(GiornoDaData(cattiva)) << cattiva;

  // The clipboard's rectangle is the same from either corner.
  const auto cella = [](int r, int c) { return std::to_string(r * 10 + c); };
  EXPECT_EQ(TestoAppunti(cella, 3, 2, 2, 1), "21\t22\r\n31\t32\r\n");
}

}  // namespace
}  // namespace tlx
