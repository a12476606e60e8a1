#pragma once
// The requests that the program sends to the maker's web server, and the
// names their replies are saved under in the temporary folder. The server's
// host is a deployment setting (platform/Download.h); these paths are fixed.

#include <cstdint>
#include <string_view>

namespace tlx::server {

// The largest reply taken for each request, far above any real one (the
// archive's allows many decades of draws), so that a server that sends
// without end is stopped. A matrix file has its own, matrix::BYTE_MASSIMI_MATRICE_SCARICATA.
inline constexpr uint64_t BYTE_MASSIMI_VERSIONE = 4 * 1024;
inline constexpr uint64_t BYTE_MASSIMI_LISTA_MATRICI = 64 * 1024;
inline constexpr uint64_t BYTE_MASSIMI_ARCHIVIO = 64 * 1024 * 1024;

// Its first line is the server's version, components separated by ".".
inline constexpr std::string_view PERCORSO_VERSIONE = "/public/tremaluxorqvx/ver.asp";
inline constexpr std::string_view FILE_VERSIONE = "tremaluxorqvxver.txt";

// One matrix file name per line.
inline constexpr std::string_view PERCORSO_LISTA_MATRICI = "/public/quorbelt/lista.asp?K=5";
inline constexpr std::string_view FILE_LISTA_MATRICI = "tremaluxorqvx.txt";

// Followed by a name from the matrix list; the reply is saved under that name.
inline constexpr std::string_view PERCORSO_MATRICE = "/public/quorbelt/matrici/download.aspx?file=";

// The whole draw archive, one draw per line.
inline constexpr std::string_view PERCORSO_ARCHIVIO = "/public/tremaluxorqvx/archivio.asp?dal=20180207";
inline constexpr std::string_view FILE_ARCHIVIO = "tremaluxorqvx_download.dat";

// The program's page on the maker's site, offered by the new-version window.
inline constexpr std::string_view PERCORSO_PAGINA_PROGRAMMA = "/tremaluxorqvx/";

}  // namespace tlx::server
