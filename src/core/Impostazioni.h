#pragma once
// The general settings kept in the settings file, section "Impostazioni":
// the cost of one column (stored in hundredths of a euro), the header of
// printed listings and slips, and the printer for listings. The file reads
// the same under every regional format; the cost box follows the user's.

#include <optional>
#include <string>
#include <string_view>

#include "core/Denaro.h"
#include "core/Formato.h"
#include "core/Messaggio.h"
#include "core/Sistema.h"

namespace tlx {

inline constexpr std::string_view SEZIONE_IMPOSTAZIONI = "Impostazioni";
inline constexpr std::string_view CHIAVE_COSTO_COLONNA = "costo_colonna";
inline constexpr std::string_view CHIAVE_INTESTAZIONE = "intestazione_stampa";
inline constexpr std::string_view CHIAVE_STAMPANTE = "stampante_tabulato";
inline constexpr std::string_view INTESTAZIONE_PREDEFINITA = "RICEVITORIA XXX- CAMBIA LE IMPOSTAZIONI DAL MENU FILE";
inline constexpr std::string_view NESSUNA_STAMPANTE = "N/A";

// The most a column may cost: 999.999,99 euro.
inline constexpr Centesimi COSTO_COLONNA_MASSIMO = 99'999'999;

// Loads CostoColonna, IntestazioneStampa and StampanteTabulato from
// s.FileImpostazioni (defaults for a missing file or key: 1 euro, the
// placeholder header, "N/A") and clears ModalitaRicalcolo. The cost is kept
// in whole cents, rounded half to even; one that is not a number, or is
// outside 0..COSTO_COLONNA_MASSIMO, reads as 0.
void ReadConfiguration(Sistema& s);

// The cost of a column typed in euro ("1,50") as whole cents. A text without
// a numeric value throws ErroreRuntime 13 ("Type mismatch"); a number that
// is no cost kept exactly gives nothing: below 0, above
// COSTO_COLONNA_MASSIMO, with more than two decimals (trailing zeros
// aside), or with its separators out of place ("1.50" in Italian).
std::optional<Centesimi> CostoColonnaDaTesto(std::string_view testo, const FormatoNumeri& formato);

// The refusal of such a cost, its limits in the user's format.
Messaggio CostoColonnaNonValido(const FormatoNumeri& formato);

// Saves the three settings, the cost as hundredths of a euro.
void SalvaImpostazioni(const std::string& file, Centesimi costo, const std::string& intestazione,
                       const std::string& stampante);

}  // namespace tlx
