// The listing of a large system printed to a PDF file through the real Qt
// printer: the listing cannot be interrupted, so its time matters.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/Sviluppo.h"
#include "platform/StampanteQt.h"
#include "printing/Tabulato.h"
#include "ui/printing/FigureStampa.h"

namespace {

void BM_TabulatoPdf(benchmark::State& state) {
  static const auto s = std::make_unique<tlx::Sistema>();
  std::array<uint8_t, tlx::NUMERI> pronostico{};
  for (int i = 0; i < 20; ++i) pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
  tlx::Sviluppo(*s, 20, pronostico);  // 15,504 columns, repeated up to the size asked
  const auto colonne = static_cast<int32_t>(state.range(0));
  for (int32_t c = 15'505; c <= colonne; ++c)
    std::copy_n(s->Colonne.Colonna((c - 1) % 15'504 + 1), 5, s->Colonne.Colonna(c));
  s->NumeroColonne = colonne;
  s->IntestazioneStampa = "Ricevitoria";

  QTemporaryDir dir;
  const QString pdf = dir.filePath("tabulato.pdf");
  for (tlx::Figura f : {tlx::Figura::Logo, tlx::Figura::Vietato})
    tlx::ui::FiguraTabulato(f, true).save(dir.filePath(QString::number(static_cast<int>(f)) + ".png"));
  auto figura = [&](tlx::Figura f) { return dir.filePath(QString::number(static_cast<int>(f)) + ".png").toStdString(); };
  int pagine = 0;
  for (auto _ : state) {
    tlx::platform::StampanteQt stampante(pdf);
    tlx::StampaTabulato(stampante, *s, "prova.tlqvx", {true, true, true}, tlx::FormatoNumeri::Italiano(), 1, figura);
    state.PauseTiming();
    stampante.ImpostaUnita(tlx::UnitaStampa::Twip);
    const tlx::MetricaStampante metrica(stampante);
    pagine = tlx::Tabulato(*s, "prova.tlqvx", {true, true, true}, tlx::FormatoNumeri::Italiano(), metrica).NumeroPagine();
    state.ResumeTiming();
  }
  state.counters["pagine"] = pagine;
  state.counters["MB"] = static_cast<double>(QFileInfo(pdf).size()) / 1e6;
}
BENCHMARK(BM_TabulatoPdf)->Arg(100'000)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
