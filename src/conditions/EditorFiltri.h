#pragma once
// The AND-filter editor without its window: the shown panel's number and
// record and the running ON total. The window draws what this holds and
// forwards the user's presses; every rule lives here.

#include <cstdint>

#include "conditions/Pannelli.h"
#include "core/Sistema.h"

namespace tlx {

// Compacts FiltriAnd (ON records first, each kind in its order) and sets
// NumeroFiltriAnd to the ON count.
void CompattaFiltri(Sistema& s);

class EditorFiltri : public EditorAPannelli {
 public:
  static constexpr int32_t PASSO_LUNGO = 100;  // the long moves
  static constexpr int PRESENZE = 26;          // count labels 0..25; 0..5 are shown

  // Opening: panel 1 shows FiltriAnd(1).
  explicit EditorFiltri(Sistema& s);

  // The panel's contents, as they would be saved now.
  const RecordFiltro& Mostrato() const { return pannello_; }
  bool Numero(int n) const { return pannello_.Numeri[static_cast<size_t>(n)] != 0; }
  bool Presenza(int k) const { return (pannello_.QuantiMask & PotenzeDiDue[static_cast<size_t>(k)]) != 0; }
  bool Posizione(int p) const { return (pannello_.PosizioniMask & PotenzeDiDue[static_cast<size_t>(p)]) != 0; }
  bool Attivo() const { return Vero(pannello_.Attivo); }
  int NumeriSelezionati() const { return selezionati_; }
  // The running totals: ON presses and deletions move them while the editor
  // is open; the closing recounts them.
  int32_t TotaleOn() const override { return s_.NumeroFiltriAnd; }

  // False while a built system is shown: the panel is read-only then, and
  // every change below does nothing.
  bool Modificabile() const override { return s_.GuiBloccata == 0; }
  // A number not chosen on the main grid is greyed: never selected, and its
  // clicks are ignored, so a saved group holds chosen numbers only.
  bool Disponibile(int n) const { return n >= 1 && n <= NUMERI && s_.NumeriScelti[static_cast<size_t>(n - 1)] == 1; }

  void CambiaNumero(int n);    // 1..55
  void CambiaPresenza(int k);  // 0..25
  void CambiaPosizione(int p);  // 1..5
  void ImpostaAttivo(bool on);

  // Empties the panel (the ON total falls when it was ON); the table changes
  // only when the panel is next saved.
  void Cancella();
  // Empties the whole table at once and shows panel 1; the shown panel is
  // not saved. The window asks first.
  void CancellaTutto();
  // Shows panel 1 again without saving the shown one: after an import
  // replaced the table.
  void RicaricaDalPrimo();

 private:
  void Mostra(const RecordFiltro& r);
  void Salva() override;
  void MostraCorrente() override { Mostra(Record(Pannello())); }
  void Compatta() override { CompattaFiltri(s_); }
  RecordFiltro& Record(int32_t pannello) { return s_.FiltriAnd[static_cast<size_t>(pannello)]; }

  Sistema& s_;
  RecordFiltro pannello_;
  int selezionati_ = 0;
};

}  // namespace tlx
