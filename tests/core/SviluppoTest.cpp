#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "core/Sviluppo.h"

namespace tlx {
namespace {

using Numeri5 = std::array<int, 5>;

// Records what the progress window would be told; `alPasso` plays the user
// at the window (it may ask to stop).
struct Registro : OsservatoreSviluppo {
  std::vector<double> inizi;
  std::vector<AvanzamentoSviluppo> passi;
  std::vector<AvanzamentoSviluppo> capienze;
  std::function<void(const AvanzamentoSviluppo&)> alPasso;
  void Inizio(double colonneIntegrale) override { inizi.push_back(colonneIntegrale); }
  void Passo(const AvanzamentoSviluppo& a) override {
    passi.push_back(a);
    if (alPasso) alPasso(a);
  }
  void CapienzaRaggiunta(const AvanzamentoSviluppo& a) override { capienze.push_back(a); }
};

std::array<uint8_t, NUMERI> Pronostico(int primo, int ultimo) {
  std::array<uint8_t, NUMERI> p{};
  for (int n = primo; n <= ultimo; ++n) p[static_cast<size_t>(n - primo)] = static_cast<uint8_t>(n);
  return p;
}

void Sviluppa(Sistema& s, int primo, int ultimo, OsservatoreSviluppo* o = nullptr) {
  Sviluppo(s, static_cast<uint8_t>(ultimo - primo + 1), Pronostico(primo, ultimo), o);
}

Numeri5 Colonna(const Sistema& s, int32_t k) {
  const uint8_t* c = s.Colonne.Colonna(k);
  return {c[0], c[1], c[2], c[3], c[4]};
}

// The k-th (from 1) 5-number combination of 1..n in lexicographic order.
Numeri5 CombinazioneNumero(int n, double k) {
  Numeri5 c{};
  int da = 1;
  for (int p = 0; p < 5; ++p) {
    for (int v = da;; ++v) {
      const double conVInTesta = Combinazioni(n - v, 4 - p);
      if (k <= conVInTesta) {
        c[static_cast<size_t>(p)] = v;
        da = v + 1;
        break;
      }
      k -= conVInTesta;
    }
  }
  return c;
}

// The progress step of candidate i, and the number of different steps that
// a development of C candidates goes through.
long Passo(double i, double C) { return std::lrint(i / (C / 250)); }
int PassiDiversi(double C) {
  int passi = 0;
  long ultimo = -1;
  for (double i = 1; i <= C; ++i)
    if (Passo(i, C) != ultimo) ++passi, ultimo = Passo(i, C);
  return passi;
}

class SviluppoTest : public ::testing::Test {
 protected:
  std::unique_ptr<Sistema> s = std::make_unique<Sistema>();
};

TEST(Combinazioni, BinomialAndFactorial) {
  EXPECT_EQ(Fattoriale(0), 1);
  EXPECT_EQ(Fattoriale(1), 1);
  EXPECT_EQ(Fattoriale(5), 120);
  EXPECT_EQ(Combinazioni(5, 5), 1);
  EXPECT_EQ(Combinazioni(10, 5), 252);
  EXPECT_EQ(Combinazioni(25, 5), 53130);
  EXPECT_EQ(Combinazioni(55, 5), 3478761);
  EXPECT_EQ(Combinazioni(55, 4), 341055);
  EXPECT_EQ(Combinazioni(7, 0), 1);
  EXPECT_EQ(Combinazioni(4, 5), 0);
  EXPECT_EQ(Combinazioni(0, 5), 0);
}

TEST_F(SviluppoTest, FiveNumbersGiveOneIntegralColumn) {
  const std::array<uint8_t, NUMERI> p{3, 8, 21, 40, 55};
  Registro r;
  Sviluppo(*s, 5, p, &r);
  ASSERT_EQ(s->NumeroColonne, 1);
  EXPECT_EQ(Colonna(*s, 1), (Numeri5{3, 8, 21, 40, 55}));
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale");
  EXPECT_EQ(s->TitoloSistema.Testo().size(), 50u);
  EXPECT_EQ(r.inizi, std::vector<double>{1});
  ASSERT_EQ(r.passi.size(), 1u);
  EXPECT_EQ(r.passi[0].barra, 100);
  EXPECT_EQ(r.passi[0].colonneIntegrale, 1);
  EXPECT_EQ(r.passi[0].colonneElaborate, 1);
  EXPECT_EQ(r.passi[0].colonneSistema, 1);
  EXPECT_TRUE(r.capienze.empty());
}

TEST_F(SviluppoTest, AFullSystemHoldsEveryCombinationInLexicographicOrder) {
  for (int n : {5, 6, 7, 11, 20, 33, 48}) {
    Sviluppa(*s, 56 - n, 55);  // the highest n numbers
    ASSERT_EQ(s->NumeroColonne, Combinazioni(n, 5)) << n;
    EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale");
    EXPECT_FALSE(Vero(s->InterrompiSviluppo));
    for (int32_t k = 2; k <= s->NumeroColonne; ++k)
      ASSERT_LT(Colonna(*s, k - 1), Colonna(*s, k)) << "n=" << n << " column " << k;
    EXPECT_EQ(Colonna(*s, 1), (Numeri5{56 - n, 57 - n, 58 - n, 59 - n, 60 - n}));
    EXPECT_EQ(Colonna(*s, s->NumeroColonne), (Numeri5{51, 52, 53, 54, 55}));
  }
}

TEST_F(SviluppoTest, FiftyFiveNumbersStopAtTheCapacity) {
  Registro r;
  Sviluppa(*s, 1, 55, &r);
  ASSERT_EQ(s->NumeroColonne, CAPIENZA);
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale - ***");
  EXPECT_TRUE(Vero(s->InterrompiSviluppo));
  ASSERT_EQ(r.capienze.size(), 1u);
  EXPECT_EQ(r.capienze[0].colonneSistema, CAPIENZA);
  EXPECT_EQ(r.capienze[0].colonneElaborate, CAPIENZA);
  EXPECT_EQ(r.capienze[0].colonneIntegrale, Combinazioni(55, 5));
  EXPECT_LE(r.passi.size(), 251u);

  // Strictly increasing from the first combination to the 1,850,000th: the
  // table holds exactly the first 1,850,000 combinations.
  for (int32_t k = 2; k <= CAPIENZA; ++k) ASSERT_LT(Colonna(*s, k - 1), Colonna(*s, k)) << k;
  for (int32_t k : {1, 2, 1000, 925'000, CAPIENZA - 1, CAPIENZA})
    EXPECT_EQ(Colonna(*s, k), CombinazioneNumero(55, k)) << k;

  // A later, smaller development clears what the large one left.
  Sviluppa(*s, 1, 10);
  EXPECT_EQ(s->NumeroColonne, 252);
  EXPECT_EQ(Colonna(*s, 253), (Numeri5{}));
  EXPECT_EQ(Colonna(*s, CAPIENZA), (Numeri5{}));
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale");
}

TEST_F(SviluppoTest, TheCapacityCountsKeptColumnsNotCandidates) {
  s->Condizioni.PariAttiva = VERO;
  s->Condizioni.PariAmmessi = {VERO, VERO, VERO, VERO, VERO, FALSO};  // no five even numbers
  Registro r;
  Sviluppa(*s, 1, 55, &r);
  EXPECT_EQ(s->NumeroColonne, CAPIENZA);
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Condizionato - ***");
  ASSERT_EQ(r.capienze.size(), 1u);
  EXPECT_GT(r.capienze[0].colonneElaborate, CAPIENZA);
  for (int32_t k = 1; k <= CAPIENZA; k += 9973) {
    const Numeri5 c = Colonna(*s, k);
    EXPECT_LT(std::count_if(c.begin(), c.end(), [](int n) { return n % 2 == 0; }), 5);
  }
}

TEST_F(SviluppoTest, StopFromTheProgressKeepsTheColumnsSoFar) {
  s->Condizioni.RidottoAttivo = VERO;
  s->Condizioni.Garanzia = 2;
  s->Condizioni.SommaAttiva = VERO;
  s->Condizioni.SommaMinMax = {60, 110};
  Sviluppa(*s, 1, 24);
  const int32_t tutte = s->NumeroColonne;
  std::vector<Numeri5> complete;
  for (int32_t k = 1; k <= tutte; ++k) complete.push_back(Colonna(*s, k));
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Ridotto N-2 Condizionato");

  Registro r;
  AvanzamentoSviluppo alStop;
  r.alPasso = [&](const AvanzamentoSviluppo& a) {
    if (r.passi.size() == 120) {
      alStop = a;
      s->InterrompiSviluppo = VERO;
    }
  };
  Sviluppa(*s, 1, 24, &r);
  EXPECT_EQ(r.passi.size(), 120u) << "no progress after the stop";
  ASSERT_GT(alStop.colonneSistema, 0);
  ASSERT_LT(alStop.colonneSistema, tutte);
  ASSERT_EQ(s->NumeroColonne, alStop.colonneSistema);
  for (int32_t k = 1; k <= s->NumeroColonne; ++k) EXPECT_EQ(Colonna(*s, k), complete[static_cast<size_t>(k - 1)]);
  EXPECT_EQ(Colonna(*s, s->NumeroColonne + 1), (Numeri5{}));
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Ridotto N-2 Condizionato - ***");
  EXPECT_TRUE(Vero(s->InterrompiSviluppo)) << "the request stays until the next development";

  // The next development starts by clearing an old request.
  Sviluppa(*s, 1, 24);
  EXPECT_EQ(s->NumeroColonne, tutte);
  EXPECT_FALSE(Vero(s->InterrompiSviluppo));
}

TEST_F(SviluppoTest, ProgressHasAtMost251StepsAndEndsFull) {
  for (int n : {5, 6, 9, 10, 11, 13, 25, 30}) {
    SCOPED_TRACE(n);
    const double C = Combinazioni(n, 5);
    Registro r;
    Sviluppa(*s, 1, n, &r);
    EXPECT_EQ(r.inizi, std::vector<double>{C});
    ASSERT_FALSE(r.passi.empty());
    EXPECT_LE(r.passi.size(), 251u);
    EXPECT_EQ(static_cast<int>(r.passi.size()), PassiDiversi(C));
    if (C < 250) {
      EXPECT_EQ(r.passi.size(), static_cast<size_t>(C)) << "one step per combination";
    }
    for (size_t k = 1; k < r.passi.size(); ++k) {
      EXPECT_GT(r.passi[k].colonneElaborate, r.passi[k - 1].colonneElaborate);
      EXPECT_NE(Passo(r.passi[k].colonneElaborate, C), Passo(r.passi[k - 1].colonneElaborate, C));
      EXPECT_GE(r.passi[k].barra, r.passi[k - 1].barra);
    }
    for (const AvanzamentoSviluppo& a : r.passi) {
      EXPECT_EQ(a.colonneIntegrale, C);
      EXPECT_EQ(a.colonneSistema, a.colonneElaborate) << "no condition: every candidate kept";
      EXPECT_EQ(a.barra, std::lrint(static_cast<double>(Passo(a.colonneElaborate, C)) * 0.4));
      if (a.colonneElaborate > 1) {
        EXPECT_NE(Passo(a.colonneElaborate - 1, C), Passo(a.colonneElaborate, C)) << "shown when the step changes";
      }
    }
    EXPECT_EQ(Passo(r.passi.back().colonneElaborate, C), 250);
    EXPECT_EQ(r.passi.back().barra, 100);
  }
}

TEST_F(SviluppoTest, ProgressReachesTheEndWhenEverythingIsRejected) {
  s->Condizioni.SommaAttiva = VERO;
  s->Condizioni.SommaMinMax = {1, 0};
  Registro r;
  Sviluppa(*s, 1, 30, &r);
  EXPECT_EQ(s->NumeroColonne, 0);
  ASSERT_FALSE(r.passi.empty());
  EXPECT_EQ(r.passi.back().barra, 100);
  EXPECT_EQ(r.passi.back().colonneSistema, 0);
}

TEST_F(SviluppoTest, DescriptionNamesTheConditions) {
  struct Caso {
    std::function<void(Sistema&)> imposta;
    std::string titolo;
  };
  const std::vector<Caso> casi{
      {[](Sistema&) {}, "Integrale"},
      {[](Sistema& s) {
         s.Condizioni.FisseAttiva = VERO;
         s.Condizioni.NumeriFissi[3] = 1;
         s.Condizioni.QuantiFissi = 1;
       },
       "Condizionato"},
      {[](Sistema& s) {
         s.Condizioni.PariAttiva = VERO;
         s.Condizioni.PariAmmessi.fill(VERO);
       },
       "Condizionato"},
      {[](Sistema& s) {
         s.NumeroFiltriAnd = 1;
         s.FiltriAnd[1].QuantiMask = 63;
       },
       "Condizionato"},
      {[](Sistema& s) {
         s.NumeroFiltriDistanza = 1;
         s.FiltriDistanza[1].NumeroCoppie = 1;
         s.FiltriDistanza[1].Coppie[1] = 1;
       },
       "Condizionato"},
      {[](Sistema& s) {
         s.Condizioni.RidottoAttivo = VERO;
         s.Condizioni.Garanzia = 2;
         s.Condizioni.SommaAttiva = VERO;
         s.Condizioni.SommaMinMax = {0, 300};
       },
       "Ridotto N-2 Condizionato"},
      {[](Sistema& s) {
         s.Condizioni.RidottoAttivo = VERO;
         s.Condizioni.Garanzia = 1;
         s.DistanzaMinima.Attivo = VERO;  // a reduction is not a condition
         s.DistanzaMinima.Distanza = 3;
       },
       "Ridotto N-1"},
      {[](Sistema& s) {
         s.DistanzaMinima.Attivo = VERO;
         s.DistanzaMinima.Distanza = 3;
       },
       "Distanza Minima [3]"},
      {[](Sistema& s) {
         s.DistanzaMinima.Attivo = VERO;
         s.DistanzaMinima.Distanza = 3;
         s.Consecutivi.Attivo = VERO;
         s.Consecutivi.LunghezzeMask = 62;
       },
       "Distanza Minima [3] - Condizionato"},
  };
  for (const Caso& caso : casi) {
    CancellaSistema(*s, false);
    caso.imposta(*s);
    Sviluppa(*s, 1, 12);
    EXPECT_GT(s->NumeroColonne, 0);
    EXPECT_EQ(s->TitoloSistema.Trimmed(), caso.titolo);
    EXPECT_EQ(s->TitoloSistema.Testo(), caso.titolo + std::string(50 - caso.titolo.size(), ' '));
  }
}

TEST(AvvisoCapienza, CriticalMessageWithTheCapacity) {
  const Messaggio m = AvvisoCapienza(CAPIENZA, FormatoNumeri::Italiano());
  EXPECT_EQ(m.testo, "!!! Colonne superiori alla capienza della memoria\rCapienza memoria 1.850.000 colonne");
  EXPECT_EQ(m.titolo, "ATTENZIONE");
  EXPECT_EQ(m.icona, Icona::Critica);
  EXPECT_EQ(m.pulsanti, Pulsanti::Ok);
  EXPECT_EQ(AvvisoCapienza(2000, FormatoNumeri::Italiano()).testo,
            "!!! Colonne superiori alla capienza della memoria\rCapienza memoria 2.000 colonne");
  EXPECT_EQ(AvvisoCapienza(2000, FormatoNumeri{",", "."}).testo,
            "!!! Colonne superiori alla capienza della memoria\rCapienza memoria 2,000 colonne");
}

}  // namespace
}  // namespace tlx
