// Laying out the listing of a large system, every page: the part of the
// printed listing that is the program's own (the rest is the printer's).
#include <benchmark/benchmark.h>

#include "Sistemi.h"
#include "printing/Tabulato.h"

namespace tlx::bench {
namespace {

struct MetricaFissa : MetricaRighe {
  double AltezzaRiga(const Carattere& c) const override { return c.punti * 22.656; }
  double Larghezza(const Carattere& c, const std::string& t) const override {
    return static_cast<double>(t.size()) * 12 * c.punti;
  }
};

void BM_ImpaginaTabulato(benchmark::State& state) {
  Sistema& s = SistemaCondiviso();
  Sviluppo(s, 20, PrimiNumeri(20));  // 15,504 columns, repeated up to the size asked
  const auto colonne = static_cast<int32_t>(state.range(0));
  for (int32_t c = 15'505; c <= colonne; ++c)
    std::copy_n(s.Colonne.Colonna((c - 1) % 15'504 + 1), 5, s.Colonne.Colonna(c));
  s.NumeroColonne = colonne;
  const MetricaFissa metrica;
  int pagine = 0;
  for (auto _ : state) {
    const Tabulato t(s, "prova.tlqvx", {}, FormatoNumeri::Italiano(), metrica);
    pagine = t.NumeroPagine();
    for (int n = 1; n <= pagine; ++n) benchmark::DoNotOptimize(t.ImpaginaPagina(n));
  }
  state.counters["pagine"] = pagine;
}
BENCHMARK(BM_ImpaginaTabulato)->Arg(100'000)->Arg(1'850'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlx::bench
