#pragma once
// The list of the matrix files of the data folder's "matrici" folder, as the
// matrix window shows it: one entry per file fit for the chosen numbers, with
// the result of its version and CRC checks, sorted by V.

#include <string>
#include <vector>

#include "core/Formato.h"
#include "matrices/FileMatrice.h"

namespace tlx::matrix {

inline constexpr std::string_view NOME_VOCE_PERSONALIZZATA = "CUSTOM";

struct VoceElencoMatrici {
  std::string NomeFile;  // the bare file name, or "CUSTOM"
  bool VersioneValida = false;
  bool CrcValido = false;
  IntestazioneMatrice Intestazione;
  bool Personalizzata() const { return NomeFile == NOME_VOCE_PERSONALIZZATA; }
};

// The names of the plain, visible files of `cartella` whose name ends with
// `estensione` (letter case ignored), in the order the directory yields them.
// Nothing for a missing folder.
std::vector<std::string> ElencaFile(const std::string& cartella, std::string_view estensione);

// What the list shows of the matrix folder: a visible file named with the
// matrix extension in any letter case, whose header has K = 5, M <= 5 and,
// unless V is 0, that V.
bool NomeElencato(std::string_view nome);
bool IntestazioneElencata(const IntestazioneMatrice& h, uint8_t V);

// The entry that invites the player to load a text matrix.
VoceElencoMatrici VocePersonalizzata();

// The list for V chosen numbers (0: every matrix, without the custom entry):
// the files of `cartella` whose header has that V (any V for 0), K = 5 and
// M <= 5, each with its magic and CRC checked, then the custom entry when V
// is not 0; sorted with OrdinaElencoMatrici. A file that can't be read is
// left out. Memory stays bounded whatever the folder holds: headers are read,
// and the CRCs computed a block at a time.
std::vector<VoceElencoMatrici> CaricaElencoMatrici(const std::string& cartella, uint8_t V);

// Exchange sort by V, ascending: each position is compared with every later
// one in turn and the two entries swapped when the earlier V is larger. The
// order of equal entries follows from this procedure, not from a stable sort.
void OrdinaElencoMatrici(std::vector<VoceElencoMatrici>& elenco);

// The number with thousands grouped, no leading zeros, blank-padded on the
// left to `larghezza` characters and never cut.
std::string FormattaCampo(double valore, int larghezza, const FormatoNumeri& formato = {});

// One line of the list: " V | K | T | M | F | C | cover", fields of width
// 2 (C of width 6) and the 10 characters of the cover as stored.
std::string RigaElenco(const VoceElencoMatrici& voce, const FormatoNumeri& formato = {});

}  // namespace tlx::matrix
