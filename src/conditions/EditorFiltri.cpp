#include "conditions/EditorFiltri.h"

#include <algorithm>
#include <span>

#include "conditions/Compattazione.h"

namespace tlx {

namespace {
// The bits the panel's labels can hold: counts 0..25, positions 1..5.
constexpr int32_t BIT_PRESENZE = (int32_t{1} << EditorFiltri::PRESENZE) - 1;
constexpr int32_t BIT_POSIZIONI = 0b111110;
}  // namespace

void CompattaFiltri(Sistema& s) { s.NumeroFiltriAnd = CompattaAttivi(std::span(s.FiltriAnd)); }

EditorFiltri::EditorFiltri(Sistema& s) : EditorAPannelli(MAX_FILTRI, PASSO_LUNGO), s_(s) { MostraCorrente(); }

// What the panel can show of a record: the group limited to the chosen
// numbers, the mask bits that have a label, the switch as on or off.
void EditorFiltri::Mostra(const RecordFiltro& r) {
  pannello_ = RecordFiltro{};
  selezionati_ = 0;
  for (int n = 1; n <= NUMERI; ++n) {
    const auto i = static_cast<size_t>(n);
    if (Disponibile(n) && r.Numeri[i] != 0) {
      pannello_.Numeri[i] = 1;
      ++selezionati_;
    }
  }
  pannello_.QuantiMask = r.QuantiMask & BIT_PRESENZE;
  pannello_.PosizioniMask = r.PosizioniMask & BIT_POSIZIONI;
  pannello_.Attivo = ComeFlag(Vero(r.Attivo));
}

void EditorFiltri::Salva() { Record(Pannello()) = pannello_; }

void EditorFiltri::CambiaNumero(int n) {
  if (!Modificabile() || !Disponibile(n)) return;
  uint8_t& numero = pannello_.Numeri[static_cast<size_t>(n)];
  numero = numero ? 0 : 1;
  selezionati_ += numero ? 1 : -1;
}

void EditorFiltri::CambiaPresenza(int k) {
  if (Modificabile() && k >= 0 && k < PRESENZE) pannello_.QuantiMask ^= PotenzeDiDue[static_cast<size_t>(k)];
}

void EditorFiltri::CambiaPosizione(int p) {
  if (Modificabile() && p >= 1 && p <= 5) pannello_.PosizioniMask ^= PotenzeDiDue[static_cast<size_t>(p)];
}

void EditorFiltri::ImpostaAttivo(bool on) {
  if (!Modificabile() || on == Attivo()) return;
  pannello_.Attivo = ComeFlag(on);
  s_.NumeroFiltriAnd += on ? 1 : -1;
}

void EditorFiltri::Cancella() {
  if (!Modificabile()) return;
  if (Attivo()) --s_.NumeroFiltriAnd;
  Mostra(RecordFiltro{});
}

void EditorFiltri::CancellaTutto() {
  if (!Modificabile()) return;
  std::fill(s_.FiltriAnd.begin(), s_.FiltriAnd.end(), RecordFiltro{});
  s_.NumeroFiltriAnd = 0;
  RicaricaDalPrimo();
}

void EditorFiltri::RicaricaDalPrimo() {
  pannelli_.Indietro(MAX_FILTRI);
  MostraCorrente();
}

}  // namespace tlx
