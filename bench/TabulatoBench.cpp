// Laying out the listing of a large system, every page: the part of the
// printed listing that is the program's own (the rest is the printer's),
// beside its baseline, the same pages laid out directly.
#include <benchmark/benchmark.h>

#include "Confronto.h"
#include "Sistemi.h"
#include "printing/Schede.h"
#include "printing/Tabulato.h"

namespace tlx::bench {
namespace {

struct MetricaFissa : MetricaRighe {
  double AltezzaRiga(const Carattere& c) const override { return c.punti * 22.656; }
  double Larghezza(const Carattere& c, const std::string& t) const override {
    return static_cast<double>(t.size()) * 12 * c.punti;
  }
};

// 15,504 columns of 20 numbers, repeated up to the size asked.
Sistema& SistemaGrande(int32_t colonne) {
  Sistema& s = SistemaCondiviso();
  Sviluppo(s, 20, PrimiNumeri(20));
  for (int32_t c = 15'505; c <= colonne; ++c)
    std::copy_n(s.Colonne.Colonna((c - 1) % 15'504 + 1), 5, s.Colonne.Colonna(c));
  s.NumeroColonne = colonne;
  return s;
}

// The baseline: a page after the first (the first, with the system's data
// and the prediction, is one page in hundreds) as a header and its blocks
// of 19 columns, laid out directly: the rule made once, each block line
// written whole into its string, each line moved into place.
Pagina PaginaDiretta(const Sistema& s, const Tabulato& t, int numero, double altezza) {
  static const std::string filetto = [] {
    std::string f;
    for (int i = 0; i < 96; ++i) f += "\u2014";
    return f;
  }();
  static const Carattere normale = CARATTERE_TABULATO, grassetto{normale.nome, normale.punti, true};
  Pagina p;
  p.righe.reserve(1 + 7 * Tabulato::BLOCCHI_PER_PAGINA);
  const auto riga = [&p](double y, std::string testo, const Carattere& c) {
    RigaTesto& r = p.righe.emplace_back();
    r.x = TABULATO_MARGINE, r.y = y;
    r.segmenti.push_back({std::move(testo), c});
  };
  double y = TABULATO_PASSO;
  riga(y, "Pag. " + std::to_string(numero) + " del sistema prova.tlqvx - " + std::string(PIEDE_SCHEDA), grassetto);
  y += 2 * altezza;
  const int primo = t.BlocchiPrimaPagina() + (numero - 2) * Tabulato::BLOCCHI_PER_PAGINA;
  for (int b = primo; b < std::min(primo + Tabulato::BLOCCHI_PER_PAGINA, t.NumeroBlocchi()); ++b) {
    const int32_t da = b * COLONNE_PER_BLOCCO, a = std::min(da + COLONNE_PER_BLOCCO, s.NumeroColonne);
    riga(y, filetto, normale);
    y += altezza;
    for (size_t pos = 0; pos < 5; ++pos) {
      std::string testo;
      testo.reserve(COLONNE_PER_BLOCCO * 5);
      for (int32_t c = da; c < a; ++c) {
        const uint8_t n = s.Colonne.Colonna(c + 1)[pos];
        testo += {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), ' ', '|', ' '};
      }
      riga(y, std::move(testo), normale);
      y += TABULATO_PASSO;
    }
    riga(y, filetto, normale);
    y += altezza + TABULATO_PASSO;
  }
  return p;
}

void BM_ImpaginaTabulato_Base(benchmark::State& state) {
  const Sistema& s = SistemaGrande(static_cast<int32_t>(state.range(0)));
  const MetricaFissa metrica;
  const Tabulato t(s, "prova.tlqvx", {}, FormatoNumeri::Italiano(), metrica);
  const double altezza = metrica.AltezzaRiga(CARATTERE_TABULATO);
  MisuraBase(state, "tabulato/" + std::to_string(state.range(0)), [&] {
    for (int n = 2; n <= t.NumeroPagine(); ++n) benchmark::DoNotOptimize(PaginaDiretta(s, t, n, altezza));
  });
  // The same lines as the program's, at the same places.
  for (const int n : {2, t.NumeroPagine()}) {
    const Pagina attesa = t.ImpaginaPagina(n), p = PaginaDiretta(s, t, n, altezza);
    bool uguali = p.righe.size() == attesa.righe.size();
    for (size_t i = 0; uguali && i < p.righe.size(); ++i)
      uguali = p.righe[i].y == attesa.righe[i].y && p.righe[i].segmenti == attesa.righe[i].segmenti;
    if (!uguali) state.SkipWithError("the pages differ from the program's");
  }
}
BENCHMARK(BM_ImpaginaTabulato_Base)->Arg(100'000)->Arg(1'850'000)->Unit(benchmark::kMillisecond);

void BM_ImpaginaTabulato(benchmark::State& state) {
  const Sistema& s = SistemaGrande(static_cast<int32_t>(state.range(0)));
  const MetricaFissa metrica;
  int pagine = 0;
  MisuraConBase(state, "tabulato/" + std::to_string(state.range(0)), [&] {
    const Tabulato t(s, "prova.tlqvx", {}, FormatoNumeri::Italiano(), metrica);
    pagine = t.NumeroPagine();
    for (int n = 1; n <= pagine; ++n) benchmark::DoNotOptimize(t.ImpaginaPagina(n));
  });
  state.counters["pagine"] = pagine;
}
BENCHMARK(BM_ImpaginaTabulato)->Arg(100'000)->Arg(1'850'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tlx::bench
