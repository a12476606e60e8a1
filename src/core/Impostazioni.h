#pragma once
// The general settings kept in the settings file, section "Impostazioni":
// the cost of one column (stored in hundredths of a euro), the header of
// printed listings and slips, and the printer for listings. Numbers follow
// the user's number format on both sides.

#include <string>
#include <string_view>

#include "core/Formato.h"
#include "core/Sistema.h"

namespace tlx {

inline constexpr std::string_view SEZIONE_IMPOSTAZIONI = "Impostazioni";
inline constexpr std::string_view CHIAVE_COSTO_COLONNA = "costo_colonna";
inline constexpr std::string_view CHIAVE_INTESTAZIONE = "intestazione_stampa";
inline constexpr std::string_view CHIAVE_STAMPANTE = "stampante_tabulato";
inline constexpr std::string_view INTESTAZIONE_PREDEFINITA = "RICEVITORIA XXX- CAMBIA LE IMPOSTAZIONI DAL MENU FILE";
inline constexpr std::string_view NESSUNA_STAMPANTE = "N/A";

// Loads CostoColonna, IntestazioneStampa and StampanteTabulato from
// s.FileImpostazioni (defaults for a missing file or key: 1 euro, the
// placeholder header, "N/A") and clears ModalitaRicalcolo. The cost is kept
// in whole cents, rounded half to even; one that is not a number reads as 0.
void ReadConfiguration(Sistema& s, const FormatoNumeri& formato);

// Saves the three settings, the cost in euro typed by the user stored as
// hundredths. A cost text without a numeric value throws ErroreRuntime 13
// ("Type mismatch") before anything is written; a cost too large to store
// throws 6 ("Overflow").
void SalvaImpostazioni(const std::string& file, const std::string& costoTesto, const std::string& intestazione,
                       const std::string& stampante, const FormatoNumeri& formato);

}  // namespace tlx
