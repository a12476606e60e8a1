#pragma once
// The player's own matrix as plain text: one column per line, entries 1..90
// separated by blanks or tabs, every line as long as the first, empty lines
// skipped, at most 100,000 columns read. The largest entry is V.

#include <functional>
#include <istream>
#include <string>

#include "core/Messaggio.h"
#include "matrices/FileMatrice.h"

namespace tlx::matrix {

inline constexpr int32_t MAX_RIGHE_MATRICE_TXT = 100000;
inline constexpr uint8_t MAX_VALORE_MATRICE_TXT = 90;

struct RisultatoMatriceTxt {
  MatriceCaricata matrice;  // V = 0 when refused, and nothing else to rely on
  Messaggi messaggi;        // the refusal's box, for the window to show
};

// Refuses, with the box "Error <n> (<description>) " (exclamation icon,
// title "ERROR"): lines of different lengths, values 1..V not all used, an
// entry that is not a whole number (13) or above 255 (6), an entry of 0 or
// above 90, an entry repeated within a line, and a text without any column.
// `elaboraEventi` is called every PASSO_ELABORA_EVENTI lines.
RisultatoMatriceTxt LeggiMatriceTxt(std::istream& testo, const std::function<void()>& elaboraEventi = {});
RisultatoMatriceTxt CaricaMatriceTxt(const std::string& percorso, const std::function<void()>& elaboraEventi = {});

}  // namespace tlx::matrix
