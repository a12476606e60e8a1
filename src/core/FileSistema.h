#pragma once
// The system file (.tlqvx): a binary file of the program's own format with
// the description, the chosen numbers, the fixed conditions, every column and
// the record-borne conditions and filters. The functions here change only the
// system in memory and return the messages for the window to show, in order;
// the window then refreshes its grid, check marks, lock state and status bar.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/Messaggio.h"
#include "core/Sistema.h"
#include "support/ScritturaAtomica.h"

namespace tlx {

inline constexpr std::string_view MAGIC_SISTEMA = "tlxxqvx0002";
inline constexpr std::string_view MAGIC_SISTEMA_V1 = "tlxxqvx0001";
inline constexpr int32_t MARCATORE_BLOCCO_CONDIZIONI = 12345;

// How often a long read hands control to the event loop, in columns or lines.
inline constexpr int32_t PASSO_ELABORA_EVENTI = 16384;

enum class EsitoApriFile {
  NessunPercorso,     // empty path: nothing happened
  Letto,              // the system in memory is the file's
  VersioneNonValida,  // neither magic the program writes: the system in memory is untouched
  NonSequenziale,     // refused: the system in memory is cleared
  ErroreRuntime,      // could not be read (no regular file included): the system is untouched, or
                      // cleared if reading had begun
};

struct RisultatoApriFile {
  EsitoApriFile esito = EsitoApriFile::NessunPercorso;
  Messaggi messaggi;
};

// Replaces the system in memory by the file's content. NomeFileSistema becomes
// the path without double quotes in every case but the empty path. On
// success the chosen numbers are toggled on the grid state in file order,
// GuiBloccata is set when there are columns and TitoloFileSistema is the
// lower-case file title. `elaboraEventi` is called every
// PASSO_ELABORA_EVENTI columns.
//
// After the columns a long is read into MarcatoreCondizioni; condition
// records are read only when it is 12345, and fewer than four bytes or any
// other value leave the rest of the file unread, as files of earlier versions
// may end differently. Beyond the format's own checks, the reader refuses
// like a cut file (system cleared) a fixed part shorter than 202 bytes, a
// column number above 55, a condition record cut by the end of the file, a
// block after the marker without its end mark and more than 16 unknown
// condition ids, so that a damaged file never shows as a loaded system.
RisultatoApriFile ApriFile(Sistema& s, const std::string& percorso, const std::function<void()>& elaboraEventi = {});

enum class EsitoSalvaFile { NessunPercorso, Salvato, ErroreRuntime };

struct RisultatoSalvaFile {
  EsitoSalvaFile esito = EsitoSalvaFile::NessunPercorso;
  Messaggi messaggi;
};

// Writes the system in memory to `percorso` (trimming TitoloSistema and, but
// for a crossword system, re-reading Pronostico from the grid state). The
// file is replaced only once the new content is completely on disk: a failed
// save leaves the previous file as it was. On success TitoloFileSistema is
// the lower-case file title.
RisultatoSalvaFile SalvaFile(Sistema& s, const std::string& percorso);

// The name with extension, without its folder, in lower case.
std::string TitoloFileMinuscolo(std::string_view percorso);


}  // namespace tlx
