// The printer layer as every print run uses it (through the recording
// printer): selection by name, the one-run-at-a-time hold and the slip
// loop's interruption and faults. Text advance and units are checked on the
// slips and on Qt's PDF output.
#include <gtest/gtest.h>

#include <memory>

#include "core/Errori.h"
#include "printing/CicloStampa.h"
#include "printing/StampanteRegistrata.h"

namespace tlx {
namespace {

// A run's printer is not switched under it.
TEST(Stampante, SceltaPerNomeEsattoOppureRestaQuellaCorrenteEFermaDuranteUnaStampa) {
  for (const auto& [nome, corrente] : {std::pair{"Laser", "Laser"}, {"laser", "Predefinita"}, {"Laser ", "Predefinita"},
                                       {"N/A", "Predefinita"}}) {
    StampanteRegistrata p({"Predefinita", "Laser"}, "Predefinita");
    EXPECT_EQ(p.Seleziona(nome), std::string(corrente) == nome) << nome;
    p.Stampa("x");
    p.FineDocumento();
    EXPECT_EQ(p.Documenti().at(0).stampante, corrente) << nome;
  }
  StampanteRegistrata p({"A", "B"});
  auto prenotazione = std::make_unique<PrenotazioneStampante>(p);
  EXPECT_EQ(std::pair(p.Occupata(), p.Seleziona("B")), std::pair(true, false));
  prenotazione.reset();
  EXPECT_EQ(std::pair(p.Occupata(), p.Seleziona("B")), std::pair(false, true));
}

// The slip loop: k slips printed before an interruption stay printed, the
// document is ended in every case, a fault ends it and is passed on.
TEST(CicloSchede, InterruzioneEGuasto) {
  // The slip at which the user interrupts (0: never), the drawing operations that succeed (-1: all), the
  // outcome, the slips printed.
  const std::tuple<int, int, EsitoStampa, size_t> casi[] = {{0, -1, EsitoStampa::Completata, 10},
                                                            {4, -1, EsitoStampa::Interrotta, 3},
                                                            {1, -1, EsitoStampa::Interrotta, 0},
                                                            {0, 4, EsitoStampa::Guasto, 2}};  // two per slip
  for (const auto& [interrompiAllaScheda, guastoDopo, atteso, pagineAttese] : casi) {
    StampanteRegistrata p;
    if (guastoDopo >= 0) p.SimulaGuasto(guastoDopo);
    Flag interrotta = FALSO;
    int ceduto = 0;
    // The user answers while the run yields.
    AvanzamentoStampa avanzamento{
        [&, alla = interrompiAllaScheda] { interrotta = ++ceduto == alla ? VERO : interrotta; }, [](int32_t) {}};
    EsitoStampa esito = EsitoStampa::Completata;
    try {
      esito = CicloSchede(p, interrotta, 1, 10, avanzamento, [&](int32_t n) {
        p.Stampa("Scheda " + std::to_string(n));
        p.Riquadro(0, 0, 1, 1);
      });
    } catch (const ErroreRuntime& e) {
      EXPECT_EQ(e.Numero(), ERRORE_STAMPANTE);
      esito = EsitoStampa::Guasto;
    }
    const size_t pagine = p.Documenti().empty() ? 0 : p.Documenti()[0].pagine.size();
    // The document is always ended.
    EXPECT_EQ(std::tuple(esito, p.Aperto(), pagine), std::tuple(atteso, nullptr, pagineAttese)) << interrompiAllaScheda;
    if (pagine > 0) {
      EXPECT_EQ(p.Documenti()[0].pagine.back().Testi().front(), "Scheda " + std::to_string(pagine));
    }
  }
}

}  // namespace
}  // namespace tlx
