#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "core/Sviluppo.h"

namespace tlx {
namespace {

using Numeri5 = std::array<int, 5>;

// What the progress window is told; `alPasso` plays the user at the window.
struct Registro : OsservatoreSviluppo {
  std::vector<AvanzamentoSviluppo> passi, capienze;
  std::function<void()> alPasso = [] {};
  void Inizio(double) override {}
  void Passo(const AvanzamentoSviluppo& a) override {
    passi.push_back(a);
    alPasso();
  }
  void CapienzaRaggiunta(const AvanzamentoSviluppo& a) override { capienze.push_back(a); }
};

// Develops the numbers 1..n.
void Sviluppa(Sistema& s, int n, OsservatoreSviluppo* o = nullptr) {
  std::array<uint8_t, NUMERI> p{};
  for (int v = 1; v <= n; ++v) p[static_cast<size_t>(v - 1)] = static_cast<uint8_t>(v);
  Sviluppo(s, static_cast<uint8_t>(n), p, o);
}

Numeri5 Colonna(const Sistema& s, int32_t k) {
  const uint8_t* c = s.Colonne.Colonna(k);
  return {c[0], c[1], c[2], c[3], c[4]};
}

// Columns 1..NumeroColonne strictly increase from 1-2-3-4-5 to the
// combination of 1..n whose lexicographic rank is NumeroColonne: they are
// the first combinations, in order.
void PrimeCombinazioni(const Sistema& s, int n) {
  ASSERT_GT(s.NumeroColonne, 0);
  EXPECT_EQ(Colonna(s, 1), (Numeri5{1, 2, 3, 4, 5}));
  for (int32_t k = 2; k <= s.NumeroColonne; ++k) ASSERT_LT(Colonna(s, k - 1), Colonna(s, k)) << k;
  const Numeri5 c = Colonna(s, s.NumeroColonne);
  double rango = 1;
  for (size_t p = 0; p < 5; ++p)
    for (int v = p == 0 ? 1 : c[p - 1] + 1; v < c[p]; ++v) rango += Combinazioni(n - v, 4 - static_cast<int>(p));
  EXPECT_EQ(rango, s.NumeroColonne);
}

struct SviluppoTest : ::testing::Test {
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
};

TEST_F(SviluppoTest, AFullSystemHoldsAllTheCombinationsInLexicographicOrder) {
  for (auto [n, attese] : {std::pair{5, 1}, {6, 6}, {20, 15'504}, {48, 1'712'304}}) {
    Sviluppa(*s, n);
    EXPECT_EQ(std::pair(s->NumeroColonne, s->TitoloSistema.Trimmed()), std::pair(attese, std::string("Integrale")));
    PrimeCombinazioni(*s, n);
  }
}

TEST_F(SviluppoTest, FiftyFiveNumbersStopWhenAskedOrAtTheCapacity) {
  Registro r;
  r.alPasso = [&] { s->InterrompiSviluppo = ComeFlag(r.passi.size() == 120); };
  Sviluppa(*s, 55, &r);
  ASSERT_EQ(r.passi.size(), 120u) << "no progress after the stop";
  PrimeCombinazioni(*s, 55);
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale - ***");

  r.alPasso = [] {};
  Sviluppa(*s, 55, &r);  // the stop asked for before is not this development's
  ASSERT_EQ(s->NumeroColonne, CAPIENZA);
  PrimeCombinazioni(*s, 55);
  EXPECT_EQ(s->TitoloSistema.Testo(), "Integrale - ***" + std::string(35, ' ')) << "blank-padded to 50";
  EXPECT_EQ(r.capienze.at(0).colonneElaborate, CAPIENZA);

  Sviluppa(*s, 10);  // the rows after the new columns are cleared
  EXPECT_EQ(std::pair(s->NumeroColonne, Colonna(*s, 253)), std::pair(252, Numeri5{}));

  s->Condizioni.PariAttiva = VERO;  // the capacity counts kept columns, not candidates
  s->Condizioni.PariAmmessi = {VERO, VERO, VERO, VERO, VERO, FALSO};
  Sviluppa(*s, 55, &r);
  EXPECT_EQ(std::tuple(s->NumeroColonne, s->TitoloSistema.Trimmed(), r.capienze.size()),
            std::tuple(CAPIENZA, "Condizionato - ***", 2u));
  EXPECT_GT(r.capienze.at(1).colonneElaborate, CAPIENZA);
}

// Fixed numbers 3, 7 and 9 with 7 no longer chosen on the grid: 3 and 9 stay fixed, and the prediction is
// the grid's numbers ascending.
TEST(PreparaSviluppo, ReadsThePredictionAndDropsFixedNumbersNoLongerChosen) {
  auto s = std::make_unique<Sistema>();
  for (int n : {9, 3, 12, 4, 5, 1}) GrigliaNumeriClick(*s, n - 1);
  for (int n : {3, 7, 9}) s->Condizioni.NumeriFissi[static_cast<size_t>(n)] = 1;
  s->Condizioni.QuantiFissi = 3;
  PreparaSviluppo(*s);
  EXPECT_EQ(std::vector(s->Pronostico.begin(), s->Pronostico.begin() + 7), (std::vector<uint8_t>{1, 3, 4, 5, 9, 12, 0}));
  std::vector<int> fissi;
  for (int n = 1; n <= NUMERI; ++n)
    if (s->Condizioni.NumeriFissi[static_cast<size_t>(n)] == 1) fissi.push_back(n);
  EXPECT_EQ(std::tuple(fissi, s->Condizioni.QuantiFissi), std::tuple(std::vector<int>{3, 9}, 2));
}

TEST(Descrizione, NamesTheReductionAndWhetherAConditionIsOn) {
  const std::pair<std::function<void(Sistema&)>, const char*> casi[] = {
      {[](Sistema& k) { k.Condizioni.FisseAttiva = VERO; }, "Condizionato"},
      {[](Sistema& k) { k.NumeroFiltriDistanza = 1, k.FiltriDistanza[1].Attivo = VERO; }, "Condizionato"},
      {[](Sistema& k) { k.Consecutivi = {62, VERO}; }, "Condizionato"},
      {[](Sistema& k) { k.Condizioni = {.PariAttiva = VERO, .PariAmmessi = {VERO, VERO, VERO}}; }, "Condizionato"},
      {[](Sistema& k) { k.Condizioni.RidottoAttivo = VERO, k.Condizioni.Garanzia = 2; }, "Ridotto N-2"},
      {[](Sistema& k) { k.Condizioni = {.SommaAttiva = VERO, .SommaMinMax = {0, 300}, .RidottoAttivo = VERO,
                                        .Garanzia = 2}; }, "Ridotto N-2 Condizionato"},
      {[](Sistema& k) { k.DistanzaMinima = {3, VERO}; }, "Distanza Minima [3]"},
      {[](Sistema& k) { k.DistanzaMinima = {3, VERO}, k.NumeroFiltriAnd = 1, k.FiltriAnd[1].QuantiMask = 63; },
       "Distanza Minima [3] - Condizionato"}};
  for (const auto& [impostazioni, titolo] : casi) {
    auto s = std::make_unique<Sistema>();
    impostazioni(*s);
    Sviluppa(*s, 8);
    EXPECT_EQ(s->TitoloSistema.Trimmed(), titolo);
  }
}

}  // namespace
}  // namespace tlx
