#pragma once
// Number formats with the program's fixed masks ("###,##0", "00", "0#-",
// " #,###,###,###,##0", "€ ###,###,##0.00", "0.00"), with the grouping and
// decimal separators of the user's regional settings.

#include <cstdint>
#include <string>
#include <string_view>

namespace tlx {

struct FormatoNumeri {
  std::string separatoreMigliaia = ".";
  std::string separatoreDecimale = ",";
  static FormatoNumeri Italiano() { return {}; }
};

// Mask characters: "0" a digit or a zero, "#" a digit or nothing, "," groups
// the integer part by thousands, "." starts the decimals; anything before or
// after the digits is copied as it stands. Rounds half away from zero. Safe
// for every value: one beyond the 64-bit range keeps all its digits, and a
// value that is not a number formats as 0.
std::string Formatta(double valore, std::string_view maschera, const FormatoNumeri& formato = {});

// An exact integer count of units of 10^-scala (cents: scala 2) with the
// mask, rounded half away from zero where the mask shows fewer decimals.
std::string FormattaScalato(int64_t valore, int scala, std::string_view maschera, const FormatoNumeri& formato = {});

// " #,###,###,###,##0": the counters of the progress window and the capacity.
inline constexpr std::string_view MASCHERA_CONTATORE = " #,###,###,###,##0";
inline constexpr std::string_view MASCHERA_CONTEGGIO = "###,##0";
inline constexpr std::string_view MASCHERA_EURO = "€ ###,###,##0.00";

// Parses a number typed in the user's format ("1.000,50" with the Italian
// separators), blanks around it allowed; the same under every C library
// locale. A grouping separator counts only between groups of three digits
// of the integer part: "1.50" in Italian is refused, never read as 150.
// False when the text is not such a number, or is beyond a double's range.
bool LeggiNumero(std::string_view testo, const FormatoNumeri& formato, double& valore);

}  // namespace tlx
