#pragma once
// Checking the system against one draw: the hits of every column, the
// winning columns by category, the best and worst hit count and the
// winnings by the prize table.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Denaro.h"
#include "core/Messaggio.h"

namespace tlx {

// Winnings of one column by its hits, in whole euros.
inline constexpr std::array<int64_t, 6> PremiPunti = {0, 0, 2, 50, 1000, 1000000};
inline constexpr Centesimi PremioInCentesimi(int punti) {
  return PremiPunti[static_cast<size_t>(punti)] * CENTESIMI_PER_EURO;
}

// Columns between two yields to the event loop: a few milliseconds of work.
inline constexpr int32_t PASSO_CEDI = 1 << 16;

// Lets pending window events run during a long check; false stops the check.
using Cedi = std::function<bool()>;

// Winning columns of 5, 4, 3 and 2 hits: index k holds 5 - k hits.
inline constexpr int CATEGORIE = 4;

struct EsitoSpoglio {
  std::array<int64_t, 6> VincitePunti{};                // columns by hits
  std::array<std::vector<int32_t>, CATEGORIE> Vincenti;  // column numbers, ascending
  std::optional<int> MaxPunti;                          // none without columns
  std::optional<int> MinPunti;
  Centesimi Totale = 0;
  bool Interrotto = false;
};

// Checks columns 1..n of `colonne` (five bytes each) against the draw. A
// position counts as a hit when its number is one of the draw's numbers
// 1..55; a number given twice in the draw is flagged once.
EsitoSpoglio SpoglioColonne(const uint8_t* colonne, int32_t n, const std::array<uint8_t, 5>& estrazione,
                            const Cedi& cedi = {});

// The numeric value of a masked box: the number its text starts with
// ("07" 7, "5_" 5, "__" 0).
int ValoreCasella(const std::string& testo);

// The five boxes as the check takes them: their order once sorted by value
// (an exchange sort), and the refusal of a duplicate or of a value outside
// 1..55 with the box that gets the focus.
struct ControlloColonna {
  std::array<int, 5> ordine{};  // ordine[i]: the box whose text goes to box i
  std::array<uint8_t, 5> numeri{};  // the sorted values, when accepted
  std::optional<Messaggio> errore;
  int casellaErrata = 0;
};
ControlloColonna ControllaColonnaSpoglio(const std::array<int, 5>& valori);

}  // namespace tlx
