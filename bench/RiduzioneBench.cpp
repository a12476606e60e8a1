// The two reductions at 55 numbers, and the guarantee 1 side by side with
// the plain scan that tests each candidate against every kept column.

#include <string>

#include "Sistemi.h"

namespace tlx::bench {
namespace {

void Riduci(Sistema& s, int garanzia, int distanza) {
  CancellaSistema(s, false);
  s.Condizioni.RidottoAttivo = ComeFlag(garanzia >= 0);
  s.Condizioni.Garanzia = static_cast<uint8_t>(garanzia >= 0 ? garanzia : 0);
  s.DistanzaMinima.Attivo = ComeFlag(distanza >= 0);
  s.DistanzaMinima.Distanza = static_cast<uint8_t>(distanza >= 0 ? distanza : 0);
}

void BM_Sviluppo_Ridotto55(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  Riduci(s, static_cast<int>(state.range(0)), -1);
  MisuraSviluppo(state, s, 55);
  if (state.range(0) == 1 && s.NumeroColonne != 54'547) state.SkipWithError("guarantee 1 should keep 54,547 columns");
}
BENCHMARK(BM_Sviluppo_Ridotto55)->ArgName("garanzia")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_Sviluppo_DistanzaMinima55(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  Riduci(s, -1, static_cast<int>(state.range(0)));
  MisuraSviluppo(state, s, 55);
}
BENCHMARK(BM_Sviluppo_DistanzaMinima55)->ArgName("distanza")->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// ---- Guarantee 1 on the first candidates: index and plain scan ------------

// Stops the development when it reaches a given progress step (steps run
// from 0 to 250: at 250 it is not stopped).
struct StopAlPasso : OsservatoreSviluppo {
  explicit StopAlPasso(Sistema& s, long passo) : s_(s), passo_(passo) {}
  void Inizio(double) override {}
  void Passo(const AvanzamentoSviluppo& a) override {
    if (passo_ < 250 && ++passi_ > passo_) {
      candidati = a.colonneElaborate;
      s_.InterrompiSviluppo = VERO;
    }
  }
  void CapienzaRaggiunta(const AvanzamentoSviluppo&) override {}
  double candidati = 0;

 private:
  Sistema& s_;
  long passo_;
  long passi_ = 0;
};

// The development of 1..55 with guarantee 1, stopped at progress step
// `passo` (250: the whole of it): the candidates it handled and the columns
// it kept.
struct Prefisso {
  double candidati = 0;
  int32_t colonne = 0;
};
Prefisso SviluppoFinoAlPasso(Sistema& s, long passo) {
  Riduci(s, 1, -1);
  StopAlPasso stop(s, passo);
  Sviluppo(s, NUMERI, PrimiNumeri(NUMERI), &stop);
  return {Vero(s.InterrompiSviluppo) ? stop.candidati : Combinazioni(NUMERI, 5), s.NumeroColonne};
}

// The guarantee as a scan: the candidate's numbers are marked in a table and
// every kept column, newest first, is counted through it.
int32_t RidottoScansione(Sistema& s, int garanzia, double candidati) {
  std::array<uint8_t, NUMERI + 1> membro{};
  const int limite = 5 - garanzia;
  int32_t tenute = 0;
  double i = 0;
  for (uint8_t a = 1; a <= 51; ++a)
    for (uint8_t b = a + 1; b <= 52; ++b)
      for (uint8_t c = b + 1; c <= 53; ++c)
        for (uint8_t d = c + 1; d <= 54; ++d)
          for (uint8_t e = d + 1; e <= 55; ++e) {
            if (++i > candidati) return tenute;
            membro[a] = membro[b] = membro[c] = membro[d] = membro[e] = 1;
            bool accettato = true;
            for (int32_t k = tenute; k >= 1 && accettato; --k) {
              const uint8_t* t = s.Colonne.Colonna(k);
              accettato = membro[t[0]] + membro[t[1]] + membro[t[2]] + membro[t[3]] + membro[t[4]] < limite;
            }
            membro[a] = membro[b] = membro[c] = membro[d] = membro[e] = 0;
            if (accettato) {
              uint8_t* riga = s.Colonne.Colonna(++tenute);
              riga[0] = a, riga[1] = b, riga[2] = c, riga[3] = d, riga[4] = e;
            }
          }
  return tenute;
}

void BM_Ridotto55G1_Indice(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  Prefisso p;
  for (auto _ : state) p = SviluppoFinoAlPasso(s, state.range(0));
  state.counters["candidati"] = p.candidati;
  state.counters["colonne"] = p.colonne;
}

void BM_Ridotto55G1_Scansione(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  const Prefisso indice = SviluppoFinoAlPasso(s, state.range(0));
  int32_t tenute = 0;
  for (auto _ : state) tenute = RidottoScansione(s, 1, indice.candidati);
  state.counters["candidati"] = indice.candidati;
  state.counters["colonne"] = tenute;
  if (tenute != indice.colonne) state.SkipWithError("the scan and the index keep different columns");
  if (state.range(0) >= 250 && tenute != 54'547) state.SkipWithError("guarantee 1 should keep 54,547 columns");
}

}  // namespace

// The first 5 and 25 progress steps (of 250) and the whole development. The
// scan grows with the square of the kept columns: the whole of it takes
// seconds and runs once.
BENCHMARK(BM_Ridotto55G1_Indice)->ArgName("passi")->Arg(5)->Arg(25)->Arg(250)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ridotto55G1_Scansione)
    ->ArgName("passi")
    ->Arg(5)
    ->Arg(25)
    ->Arg(250)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace tlx::bench
