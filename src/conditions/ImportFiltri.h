#pragma once
// The filter import from text: one group of numbers 1..55 per line becomes
// one active filter record, all with the same hit and position masks.
// Pieces of a line are separated by one blank, tab, "-", ",", ";" or ".";
// empty lines are skipped; at most 2000 groups are read. The file may be
// Windows text or UTF-8, with or without a byte order mark, with CR LF, LF
// or CR line ends.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Formato.h"
#include "core/Messaggio.h"
#include "core/Sistema.h"

namespace tlx {

inline constexpr std::string_view PROCEDURA_IMPORT_FILTRI = "loadFileToFilters";
inline constexpr std::string_view MODULO_IMPORT_FILTRI = "Form frmImportFiltri";
// A line holds at most this many numbers.
inline constexpr size_t MAX_NUMERI_RIGA = 255;
// A longer line can hold no group (255 numbers of two digits with their
// separators take 765 bytes) however blanks pad it: it is refused before it
// is held whole.
inline constexpr size_t BYTE_MASSIMI_RIGA_FILTRO = 65536;

// One line, already normalised (NormalizzaSpazi), as an active record with
// the given masks. Throws ErroreRuntime for an empty piece (two separators
// side by side, or one at either end), a piece that is not a whole number
// (Type mismatch), a number outside 1..55 or more than 255 numbers
// (Subscript out of range). A repeated number counts once.
RecordFiltro RigaInFiltro(std::string_view riga, int32_t quanti, int32_t posizioni);

// Replaces the records 1..2000 of `tabella` with the groups of the file and
// returns their count. At the 2000th group the rest of the file is left
// unread and the capacity warning is added to `messaggi`. Any failure (the
// file can't be read, a bad line, a line longer than
// BYTE_MASSIMI_RIGA_FILTRO: Subscript out of range) adds the run-time error and leaves the
// whole table empty, returning 0: no half-read import survives to be
// switched on by the editor. `elaboraEventi` is called every few lines.
int32_t loadFileToFilters(std::vector<RecordFiltro>& tabella, const std::string& percorso, int32_t quanti,
                          int32_t posizioni, Messaggi& messaggi, const FormatoNumeri& formato,
                          const std::function<void()>& elaboraEventi = {});

}  // namespace tlx
