#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/Sviluppo.h"

namespace tlx {
namespace {

struct Registro : OsservatoreSviluppo {
  int inizi = 0, passi = 0, capienze = 0;
  AvanzamentoSviluppo ultimo;
  std::function<void(Sistema&)> alPasso;
  Sistema* s = nullptr;
  void Inizio(double) override { ++inizi; }
  void Passo(const AvanzamentoSviluppo& a) override {
    ++passi;
    ultimo = a;
    if (alPasso) alPasso(*s);
  }
  void CapienzaRaggiunta(const AvanzamentoSviluppo& a) override {
    ++capienze;
    ultimo = a;
  }
};

std::unique_ptr<Sistema> ConNumeri(std::initializer_list<int> numeri) {
  auto s = std::make_unique<Sistema>();
  for (int n : numeri) GrigliaNumeriClick(*s, n - 1);
  LeggiPronosticoDaGriglia(*s);
  return s;
}

TEST(Combinazioni, BinomialAndFactorial) {
  EXPECT_EQ(Fattoriale(0), 1);
  EXPECT_EQ(Fattoriale(1), 1);
  EXPECT_EQ(Fattoriale(5), 120);
  EXPECT_EQ(Combinazioni(5, 5), 1);
  EXPECT_EQ(Combinazioni(10, 5), 252);
  EXPECT_EQ(Combinazioni(25, 5), 53130);
  EXPECT_EQ(Combinazioni(55, 5), 3478761);
  EXPECT_EQ(Combinazioni(4, 5), 0);
  EXPECT_EQ(Combinazioni(0, 5), 0);
}

TEST(Sviluppo, FiveNumbersGiveOneIntegralColumn) {
  auto s = ConNumeri({3, 8, 21, 40, 55});
  Registro r;
  r.s = s.get();
  Sviluppo(*s, s->NumeriPronostico, s->Pronostico, &r);
  ASSERT_EQ(s->NumeroColonne, 1);
  const uint8_t* c = s->Colonne.Colonna(1);
  EXPECT_EQ((std::array<int, 5>{c[0], c[1], c[2], c[3], c[4]}), (std::array<int, 5>{3, 8, 21, 40, 55}));
  EXPECT_EQ(s->TitoloSistema.Trimmed(), "Integrale");
  EXPECT_EQ(s->TitoloSistema.Testo().size(), 50u);
  EXPECT_EQ(r.ultimo.barra, 100);
  EXPECT_EQ(r.passi, 1);
}

}  // namespace
}  // namespace tlx
