#pragma once
// What the condition dialogs compute, apart from their windows: the sum
// range the chosen numbers allow, the value typed into a sum box, the
// longest run of the chosen numbers, the corrections of stored values that
// a damaged or older file may hold, and the fixed-number choice.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Messaggio.h"
#include "core/Sistema.h"

namespace tlx {

using NumeriGriglia = std::array<uint8_t, NUMERI>;  // 1 = chosen, index 0..54 for 1..55

// ---- Sum ---------------------------------------------------------------------

struct LimitiSomma {
  int32_t Minima = 0;  // the five smallest chosen numbers
  int32_t Massima = 0; // the five largest
};
// Computed from the grid in ascending order; with fewer than five numbers
// chosen, from those there are.
LimitiSomma CalcolaLimitiSomma(const NumeriGriglia& scelti);

// The value of a box: the decimal number its text begins with ("." is the
// decimal point, any other character ends the number); 0 when it begins
// with no number.
double ValoreCasella(std::string_view testo);

// The value rounded to the nearest integer, a half to the even neighbour;
// nothing when the result does not fit a 16-bit signed bound.
std::optional<int16_t> ArrotondaSomma(double valore);

// What a box shows on opening: the stored bound when it is set and lies
// within the limits, otherwise the limit given.
int32_t SommaMostrata(int16_t memorizzata, int32_t limite, const LimitiSomma& limiti);

// The closing of the sum dialog: its checks in their order, each failure
// naming the box that takes the focus, and, only when every check passes,
// the bounds of the boxes that are not empty stored. An empty box keeps its
// stored bound, which is what the order of the two bounds is checked on, and
// is not checked against the limits. So the bounds stored are always ones
// that passed the checks, or those stored before.
struct ErroreSomma {
  Messaggio messaggio;
  bool FuocoSuA = false;  // else on the "DA" box
};
std::vector<ErroreSomma> ChiudiSomma(std::string_view da, std::string_view a, const LimitiSomma& limiti,
                                     RecordCondizioni& c);

// ---- Consecutive numbers ----------------------------------------------------

// The longest run of consecutive chosen numbers, 1..5 (longer runs count 5).
int RunPiuLunga(const NumeriGriglia& scelti);

// The mask written on closing: bits 1..5 from the lengths selected; the
// bits 6..25, which no label shows, are kept as they were.
int32_t MascheraConsecutivi(int32_t precedente, const std::array<bool, 6>& lunghezze);

// ---- Reductions -------------------------------------------------------------

// The stored distance brought into 1..5 and the guarantee into 0..4.
uint8_t DistanzaCorretta(uint8_t distanza);
uint8_t GaranziaCorretta(uint8_t garanzia);

inline const Messaggio kIncompatibileConGaranzia{
    Icona::Esclamazione, Pulsanti::Ok, "",
    "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A GARANZIA, QUEST'ULTIMA SARA' DISATTIVATA"};
inline const Messaggio kIncompatibileConDistanza{
    Icona::Esclamazione, Pulsanti::Ok, "",
    "CONDIZIONE INCOMPATIBILE CON RIDUZIONE A DISTANZA MINIMA, QUEST'ULTIMA SARA' DISATTIVATA'"};

// ---- Fixed numbers ----------------------------------------------------------

// The numbers marked fixed while the dialog is open: at most four can be
// marked by clicking, and only numbers chosen on the grid.
class SceltaFisse {
 public:
  static constexpr int MASSIMO = 4;

  // Marks the stored fixed numbers that are still chosen.
  SceltaFisse(const RecordCondizioni& c, const NumeriGriglia& scelti);

  bool Fisso(int numero) const { return fissi_[static_cast<size_t>(numero - 1)]; }
  int Quanti() const { return quanti_; }
  // A click on a number: a number not chosen ignores it, a fixed one is
  // unmarked, another one is marked while fewer than four are.
  void Clicca(int numero);
  // Every fixed flag and the count, so numbers no longer chosen are dropped.
  void Scrivi(RecordCondizioni& c) const;

 private:
  NumeriGriglia scelti_;
  std::array<bool, NUMERI> fissi_{};
  int quanti_ = 0;
};

}  // namespace tlx
