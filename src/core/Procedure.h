#pragma once
// Small procedures shared by many windows: masks and byte tables as
// two-digit numbers, date and time stamps for file names, blank
// normalisation of a text line, sorting one column, file existence and the
// results grid written as a ";"-separated file.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Messaggio.h"

namespace tlx {

struct DataOra {
  int anno = 0;
  int mese = 0;
  int giorno = 0;
  int ore = 0;
  int minuti = 0;
  int secondi = 0;
};

// The values 0..5 whose bit is set in the mask, as "00 01 ..." (two digits,
// one blank between them, none at the ends).
std::string MascheraInTesto(int32_t maschera);
std::string MascheraInTesto2(int32_t maschera);

// Each element as two digits followed by the given number of blanks, in
// table order, blanks at the ends trimmed.
std::string ArrayInTesto(std::span<const uint8_t> valori, int spazi);

std::string FormattaData(const DataOra& d);  // "YYYYMMDD"
std::string FormattaOra(const DataOra& d);   // "HHMMSS"

// Every occurrence of `cerca` replaced by `con`, from the left, letter case
// as given.
std::string SostituisciTutto(std::string testo, std::string_view cerca, std::string_view con);

// Tabs and line breaks become blanks, every run of blanks becomes one, then
// the ends are trimmed. Changes the text in place and returns it.
std::string& NormalizzaSpazi(std::string& testo);

// Sorts the five positions of one column ascending in place, by a sorting
// network: nine compare-exchanges in a fixed order, none of them a branch on
// the values. Inline, as adaptations call it for up to 1,850,000 columns.
inline void OrdinaColonna(uint8_t* colonna) {
  std::array<uint8_t, 5> v;
  std::copy_n(colonna, 5, v.begin());
  const auto scambia = [&v](size_t i, size_t j) {
    const bool invertiti = v[i] > v[j];
    const uint8_t minore = invertiti ? v[j] : v[i], maggiore = invertiti ? v[i] : v[j];
    v[i] = minore, v[j] = maggiore;
  };
  scambia(0, 1), scambia(3, 4), scambia(2, 4), scambia(2, 3), scambia(1, 4);
  scambia(0, 3), scambia(0, 2), scambia(1, 3), scambia(1, 2);
  std::copy(v.begin(), v.end(), colonna);
}

// True for an existing file; false for a folder or a missing path.
bool FileExists(const std::string& percorso);

// Writes the grid's cells row by row, each cell followed by ";", lines ended
// by CR LF, no quoting; replaces any earlier content. On failure appends the
// error message to errori (when given) and returns false.
bool ScriviCsvGriglia(const std::vector<std::vector<std::string>>& celle, const std::string& percorso,
                      Messaggi* errori);

}  // namespace tlx
