#pragma once
// The draw archive: its file of 15-byte records, the server's reply that
// replaces it, and the line that lists one draw.
//
// In memory the archive (Sistema::ArchivioEstrazioni) holds only real draws,
// oldest first: every Data is 10 characters, every draw has five different
// numbers 1..55. An empty vector is the empty archive. Both readers keep to
// that, so the statistics and the checkings never see anything else.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Messaggio.h"
#include "core/Sistema.h"

namespace tlx {

// One record of the file: 10 Windows-1252 characters of date, blank-padded,
// then the five numbers as bytes in drawn order.
inline constexpr size_t BYTE_RECORD_ESTRAZIONE = 15;
inline constexpr size_t LUNGHEZZA_DATA = 10;

// The module name that the archive's error messages carry.
inline constexpr std::string_view MODULO_ARCHIVIO = "Form frmUpdate";

// Five numbers 1..55, all different.
bool EstrazioneValida(const Estrazione& e);

// ---- The archive file --------------------------------------------------------

// The draws of a file image. Empty slots (first number 0), damaged records
// (a number outside 1..55 or repeated) and a trailing partial record are
// dropped; the others keep their order.
std::vector<Estrazione> DecodificaArchivio(std::span<const uint8_t> byte);

// The file image of the draws: one record each, in order.
std::string CodificaArchivio(const std::vector<Estrazione>& archivio);

struct RisultatoLetturaArchivio {
  std::vector<Estrazione> estrazioni;
  Messaggi messaggi;  // empty when the file was read
};

// The most draws the archive file may hold (15 MB of file): far beyond any
// real archive, as three draws a week make 15,600 a century.
inline constexpr size_t MAX_ESTRAZIONI_FILE = 1'000'000;

// Reads the archive file. A missing file (or folder) is created empty and
// gives the empty archive; a file that can't be read, or one longer than
// MAX_ESTRAZIONI_FILE records (refused before reading), gives the empty
// archive and the error message of LoadArchivioEstrazioni; the file is left
// as it is.
RisultatoLetturaArchivio LoadArchivioEstrazioni(const std::string& percorso);

// Writes the archive file through a temporary file renamed over it, so that
// a failure keeps the previous file whole. Returns the error message of
// SaveArchivioEstrazioni on failure, nothing on success.
Messaggi SaveArchivioEstrazioni(const std::vector<Estrazione>& archivio, const std::string& percorso);

// ---- The server's reply ------------------------------------------------------

// The draws of a reply: one per line (CR LF, LF or CR), split on "|"; a line
// of exactly six fields is a draw: the date (cut or padded to 10 characters)
// and five numbers. Other lines are skipped, and so are draws whose numbers
// lie outside 1..55 or repeat. A number field that is not a whole number
// 0..255 (blanks around it allowed) makes the whole reply unusable: throws
// ErroreRuntime 13 (text) or 6 (negative or above 255); so do more draws
// than the archive file may hold (6), so that an update never stores an
// archive the next start-up would refuse.
std::vector<Estrazione> DecodificaRisposta(std::string_view testo);

struct RisultatoRisposta {
  bool letta = false;  // false: the reply could not be read or parsed
  std::vector<Estrazione> estrazioni;
  Messaggi messaggi;
};

// Reads and parses the downloaded reply; failures give the error message of
// LoadArchivioTMP.
RisultatoRisposta LoadArchivioTMP(const std::string& percorso);

// ---- The list ----------------------------------------------------------------

// The list's heading, aligned with its lines in a fixed-pitch font.
inline constexpr std::string_view INTESTAZIONE_ELENCO = "    DATA    | Colonna Vincente";

// Appends the number with at least two digits ("07", "55", "255"): the
// list and the statistics file make hundreds of thousands of them.
void AggiungiDueCifre(std::string& testo, unsigned numero);

// " " + date + " | " + the five numbers as two digits, one blank apart.
std::string RigaElenco(const Estrazione& e);

// The draw on line `riga` (from 0) of the list, which shows the newest
// first; -1 when there is no such line.
int64_t IndiceDaRiga(size_t numeroEstrazioni, int64_t riga);

}  // namespace tlx
