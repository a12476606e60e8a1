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
// The longest line of a sound matrix: every value 1..90 once, one blank
// between them, CR LF (262 bytes). Blanks, tabs and empty lines may pad a
// sound text, so the bounds lie far above it; a longer line, or a file
// larger than four full matrices, can be no matrix and is refused before it
// is held or read whole.
inline constexpr size_t BYTE_RIGA_PIENA_MATRICE_TXT = 9 * 2 + 81 * 3 + 1;
inline constexpr size_t BYTE_MASSIMI_RIGA_MATRICE_TXT = 256 * BYTE_RIGA_PIENA_MATRICE_TXT;
inline constexpr int64_t BYTE_MASSIMI_MATRICE_TXT = int64_t{4} * MAX_RIGHE_MATRICE_TXT * BYTE_RIGA_PIENA_MATRICE_TXT;

struct RisultatoMatriceTxt {
  MatriceCaricata matrice;  // V = 0 when refused, and nothing else to rely on
  Messaggi messaggi;        // the refusal's box, for the window to show
};

// Refuses, with the box "Error <n> (<description>) " (exclamation icon,
// title "ERROR"): lines of different lengths, values 1..V not all used, an
// entry that is not a whole number (13) or above 255 (6), an entry of 0 or
// above 90, an entry repeated within a line, a text without any column, a
// line longer than BYTE_MASSIMI_RIGA_MATRICE_TXT bytes (before its end) and a
// file larger than BYTE_MASSIMI_MATRICE_TXT.
// `elaboraEventi` is called every PASSO_ELABORA_EVENTI lines.
RisultatoMatriceTxt LeggiMatriceTxt(std::istream& testo, const std::function<void()>& elaboraEventi = {});
RisultatoMatriceTxt CaricaMatriceTxt(const std::string& percorso, const std::function<void()>& elaboraEventi = {});

}  // namespace tlx::matrix
