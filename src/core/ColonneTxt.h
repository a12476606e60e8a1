#pragma once
// The column text file: one column per line, CR LF ended, each line a blank
// then every non-zero number with two digits followed by a blank
// (" 01 02 03 04 05 ").

#include <functional>
#include <string>

#include "core/Messaggio.h"
#include "core/Sistema.h"

namespace tlx {

// Writes the columns into PercorsoDati + "/txt/" (created when missing), the
// file named after `titoloFile` with ".tlqvx" replaced by ".txt". Returns
// the message for the window: "File <title> esportato", or the run-time
// error of SalvaColonneTxt.
Messaggio SalvaColonneTxt(const Sistema& s, const std::string& titoloFile);

// A longer line is no column line however blanks pad it: it is refused
// before it is held whole.
inline constexpr size_t BYTE_MASSIMI_RIGA_COLONNE_TXT = 65536;

enum class EsitoImportaColonneTxt { NessunPercorso, Importato, ErroreRuntime };

struct RisultatoImportaColonneTxt {
  EsitoImportaColonneTxt esito = EsitoImportaColonneTxt::NessunPercorso;
  Messaggi messaggi;
};

// Builds a "FILE TXT" system from a column text file: the first five
// blank-separated numbers of each non-empty line, in the file's order; every
// number that occurs becomes chosen on the grid state and Pronostico is
// re-read from it. NomeFileSistema is the path; GuiBloccata is set when
// columns were read. A line with fewer than five numbers, a token that is not
// a whole number 1..55, a line longer than BYTE_MASSIMI_RIGA_COLONNE_TXT
// (both Subscript out of range) or more columns than the table holds leaves
// an empty system and the run-time error of ImportaColonneTxt; a file that can't be
// opened leaves the system untouched. `elaboraEventi` is called every
// PASSO_ELABORA_EVENTI lines.
RisultatoImportaColonneTxt ImportaColonneTxt(Sistema& s, const std::string& percorso,
                                             const std::function<void()>& elaboraEventi = {});

}  // namespace tlx
