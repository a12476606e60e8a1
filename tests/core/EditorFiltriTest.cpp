#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>
#include <tuple>
#include <vector>

#include "conditions/Compattazione.h"
#include "conditions/EditorFiltri.h"
#include "conditions/EditorFiltriDistanza.h"
#include "core/Sistema.h"

namespace tlx {
namespace {

std::unique_ptr<Sistema> ConScelti(std::initializer_list<int> numeri) {
  auto s = std::make_unique<Sistema>();
  for (int n : numeri) GrigliaNumeriClick(*s, n - 1);
  return s;
}

RecordFiltro Filtro(int numero, Flag attivo) {
  RecordFiltro r{.QuantiMask = 2, .PosizioniMask = 62, .Attivo = attivo};
  r.Numeri[static_cast<size_t>(numero)] = 1;
  return r;
}

// Records tell each other apart by their one number; -7 is a switch only a
// damaged file holds, counted ON.
TEST(Compattazione, StablePartitionOfEverySlotWithDamagedSwitchesCountedOn) {
  const std::tuple<std::vector<Flag>, std::vector<int>, int32_t> casi[]{{{0, VERO, 0, VERO}, {2, 4, 1, 3}, 2},
                                                                        {{1, 0, -7, 0, VERO}, {1, 3, 5, 2, 4}, 3}};
  for (const auto& [attivi, ordine, accesi] : casi) {
    std::vector<RecordFiltro> tabella(attivi.size() + 1);
    for (size_t i = 0; i < attivi.size(); ++i) tabella[i + 1] = Filtro(static_cast<int>(i + 1), attivi[i]);
    EXPECT_EQ(CompattaAttivi(std::span(tabella)), accesi);
    for (size_t j = 0; j < ordine.size(); ++j) {
      EXPECT_EQ(tabella[j + 1].Numeri[static_cast<size_t>(ordine[j])], 1) << "slot " << j + 1;
      EXPECT_EQ(tabella[j + 1].Attivo, j < static_cast<size_t>(accesi) ? VERO : FALSO) << "slot " << j + 1;
    }
  }
}

TEST(EditorFiltri, MovesStayWithinTheTableAndSaveThePanelFirst) {
  const std::tuple<int32_t, std::function<void(EditorFiltri&)>, int32_t> casi[]{
      {1950, [](EditorFiltri& e) { e.Avanti(EditorFiltri::PASSO_LUNGO); }, 2000},
      {50, [](EditorFiltri& e) { e.Indietro(100); }, 1},
      {7, [](EditorFiltri& e) { e.VaiAllUltimo(); }, 2000}};
  for (const auto& [da, mossa, a] : casi) {
    auto s = ConScelti({1, 2, 3, 4, 5});
    EditorFiltri e(*s);
    e.Avanti(da - 1);
    e.CambiaNumero(5);
    mossa(e);
    EXPECT_EQ(e.Pannello(), a) << da;
    EXPECT_EQ(s->FiltriAnd[static_cast<size_t>(da)].Numeri[5], 1) << da;
  }
}

// A damaged record: a number no longer chosen, Numeri values other than 1,
// mask bits without a label, a switch of 3; and a count of ON records one
// short, which the closing recounts.
TEST(EditorFiltri, GreyedNumbersAndStrayBitsAreDroppedWhenThePanelIsSaved) {
  auto s = ConScelti({3, 20, 33, 40, 41});
  RecordFiltro& r = s->FiltriAnd[1];
  r.Numeri[3] = 1, r.Numeri[10] = 1, r.Numeri[20] = 9;
  r.QuantiMask = 0b101 | (1 << 25) | (1 << 26);
  r.PosizioniMask = 0b1 | 0b100 | (1 << 6);
  r.Attivo = 3;
  s->FiltriAnd[2] = Filtro(40, VERO);
  s->NumeroFiltriAnd = 1;
  EditorFiltri e(*s);
  e.CambiaNumero(10);  // greyed: ignored
  e.CambiaNumero(33);
  e.CambiaNumero(20);
  // No label for these: ignored. ON again counts nothing.
  e.CambiaPresenza(EditorFiltri::PRESENZE), e.CambiaPosizione(0), e.CambiaPosizione(6), e.ImpostaAttivo(true);
  EXPECT_EQ(std::tuple(e.NumeriSelezionati(), e.TotaleOn(), e.Mostrato().Attivo), std::tuple(2, 1, VERO));
  e.Chiudi();
  RecordFiltro atteso{.QuantiMask = 0b101 | (1 << 25), .PosizioniMask = 0b100, .Attivo = VERO};
  atteso.Numeri[3] = atteso.Numeri[33] = 1;
  EXPECT_EQ(std::tuple(s->FiltriAnd[1], s->NumeroFiltriAnd), std::tuple(atteso, 2));
}

// Records holding numbers no longer chosen (9 and 7): looking at them while
// locked, moving from panel to panel and closing, keeps them whole; only the
// closing's compaction moves them.
TEST(EditorFiltri, LockedPanelIsReadOnlyAndLookingAtItsRecordsChangesNone) {
  auto s = ConScelti({1, 2, 3, 4, 5});
  s->FiltriAnd[1] = Filtro(9, FALSO);
  s->FiltriAnd[2] = Filtro(7, VERO);
  s->NumeroFiltriAnd = 1;
  s->GuiBloccata = VERO;
  EditorFiltri e(*s);
  e.CambiaNumero(3), e.CambiaPresenza(0), e.CambiaPosizione(1), e.ImpostaAttivo(true), e.Cancella(), e.CancellaTutto();
  EXPECT_EQ(e.Mostrato(), (RecordFiltro{.QuantiMask = 2, .PosizioniMask = 62, .Attivo = FALSO}));
  e.Avanti(1), e.Indietro(1), e.Avanti(1);
  e.Chiudi();
  EXPECT_EQ(std::tuple(s->FiltriAnd[1], s->FiltriAnd[2]), std::tuple(Filtro(7, VERO), Filtro(9, FALSO)));
}

// A record from a damaged file: pair entries naming no pair of a column,
// switches of odd values, a gap hidden by the chosen numbers.
TEST(EditorFiltriDistanza, DamagedRecordIsShownSafelyAndSavedClean) {
  for (auto numeri : {std::initializer_list<int>{5, 9, 14, 20, 27, 35}, {}}) {
    auto s = ConScelti(numeri);
    RecordDistanza& r = s->FiltriDistanza[2];
    r.NumeroCoppie = 5;
    r.Coppie = {0, 30, 7, 2, 0, 3};
    r.MinOk[50] = 2;
    r.MaxOk[54] = VERO;
    r.MinAttivo = r.MaxAttivo = 0;
    r.Attivo = 1;
    s->NumeroFiltriDistanza = 5;
    EditorFiltriDistanza e(*s);
    e.Avanti(1);
    e.Chiudi();
    RecordDistanza atteso{.NumeroCoppie = 1, .Coppie = {0, 2}, .MinAttivo = 1, .MaxAttivo = 1, .Attivo = VERO};
    atteso.MinOk[50] = atteso.MaxOk[54] = VERO;
    EXPECT_EQ(s->FiltriDistanza[1], atteso) << numeri.size();
    EXPECT_EQ(s->NumeroFiltriDistanza, 1);
  }
}

}  // namespace
}  // namespace tlx
