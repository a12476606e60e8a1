#pragma once
// Matrix files downloaded from the maker's web server: the names its list
// reply gives, which become file names here, and the move of each download
// into the data folder's "matrici" folder.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlx::matrix {

// Longest name stored: room is left for the temporary name a safe
// replacement writes beside it.
inline constexpr size_t LUNGHEZZA_MASSIMA_NOME = 200;

// The names of the list reply, one a line (CR LF or LF), upper-cased, in
// order, each once; each that is unsafe to use as a file name is left out:
// empty, beginning with a dot (a hidden file the list never shows), with a
// path separator, a drive colon, "..", a control or non-ASCII character, or
// longer than LUNGHEZZA_MASSIMA_NOME once stored; and so is each stored
// under a name the list never shows, without the matrix extension.
std::vector<std::string> NomiListaMatrici(std::string_view risposta);

// The name a downloaded matrix is stored under: every ".DAT" becomes ".mqvx".
std::string NomeMatriceArchiviata(std::string_view nomeScaricato);

// Moves the downloaded file into `cartellaMatrici` under `nome`, replacing
// the file of that name at once (a failed move leaves it as it was), then
// removes the other files whose names differ from it only in letter case.
// Only a file the list shows is stored (K = 5, M <= 5): one it would hide,
// a server's empty reply or error page for instance, would stay there unseen
// for good. A download whose magic or CRC fails is stored as well, for the
// list to show it flagged, unless a sound matrix of that name (in any letter
// case) is there: a bad download never replaces a good matrix. False,
// storing nothing, for a download not stored. The downloaded file is removed
// in every case. Throws ErroreRuntime when it can't be read or stored.
bool ArchiviaMatrice(const std::string& scaricato, const std::string& cartellaMatrici, const std::string& nome);

}  // namespace tlx::matrix
