#pragma once
// The range of slips a print run covers, from the slip window's two boxes.

#include <cstdint>
#include <string_view>
#include <variant>

#include "core/Messaggio.h"

namespace tlx {

// Slips a system needs: its columns divided by the columns per slip,
// rounded up.
int32_t TotaleSchede(int32_t colonne, int colonnePerScheda);

// The number at the start of a box's text ("12abc" 12, "2.5" 2.5); an empty
// box or one that starts with no number counts 0.
double ValoreIniziale(std::string_view testo);

struct IntervalloSchede {
  int32_t da = 0;
  int32_t a = 0;
  bool operator==(const IntervalloSchede&) const = default;
};

// The refusals, in order: "Da" above "a"; "Da" empty or below the minimum;
// "a" given and above the total. Accepted values are rounded to whole slips,
// halves to the even neighbour.
std::variant<IntervalloSchede, Messaggio> ControllaIntervallo(std::string_view da, std::string_view a,
                                                              int32_t minima, int32_t totale);

}  // namespace tlx
