#pragma once
// The reduced-system matrix file (.mqvx): a 142-byte header, then K blocks of
// C bytes (block p holds position p of every column, each byte an index
// 1..V into the player's arranged numbers), then the CRC-32 of every byte
// before it. The program only reads these files; they come by download or
// are copied into the data folder's "matrici" folder by the user.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Sistema.h"

namespace tlx::matrix {

inline constexpr std::string_view MAGIC_MATRICE = "matriceqvxv0001";
inline constexpr std::string_view ESTENSIONE_MATRICE = ".mqvx";
inline constexpr size_t BYTE_INTESTAZIONE = 142;
inline constexpr size_t BYTE_CRC = 4;
// The largest matrix file taken from the server, so that one that sends
// without end is stopped: far above the largest sound matrix of five-number
// columns, every column of the 55 numbers once (17,393,951 bytes).
inline constexpr uint64_t BYTE_MASSIMI_MATRICE_SCARICATA = 64 * 1024 * 1024;
// Refusals of the matrix procedures carry this number (user errors + 10000).
inline constexpr int32_t ERRORE_MATRICE = -2147211504;
inline constexpr int MAX_FISSE = 4;

// Texts are kept as read, converted from Windows-1252, trailing blanks
// included; a file shorter than its header reads as NUL characters there.
struct IntestazioneMatrice {
  uint8_t V = 0;  // NUMBERS_OF_MATRIX_V
  uint8_t K = 0;  // LENGTH_OF_COLUMN_K
  uint8_t T = 0;  // GARANTY_T
  uint8_t M = 0;  // PICK_UP_NUMBERS_M
  uint8_t F = 0;  // FIXED_NUMBERS_OF_MATRIX_F
  int32_t C = 0;  // COLUMNS_OF_MATRIX_C
  std::string PERCENTAGE_COVER;
  std::string AUTHOR;
  std::string DESCRIPTION;
  std::array<uint8_t, 16> Riservato{};
  int16_t Riservato2 = 0;
  std::string MATRIX_STRUCTURE;  // bytes as stored

  bool VersioneValida() const { return MATRIX_STRUCTURE == MAGIC_MATRICE; }
  bool operator==(const IntestazioneMatrice&) const = default;
};

// A matrix in memory: entry (c, p), c = 1..C and p = 1..K, is an index 1..V.
struct MatriceCaricata {
  IntestazioneMatrice Intestazione;
  std::vector<uint8_t> Matrice;  // column after column, K entries each

  uint8_t operator()(int32_t c, int p) const {
    return Matrice[static_cast<size_t>(c - 1) * Intestazione.K + static_cast<size_t>(p - 1)];
  }
};

// The header as the first 142 bytes give it; missing bytes read as zeros.
IntestazioneMatrice DecodificaIntestazione(std::span<const uint8_t> byte);

// True when the trailing s32 equals the CRC-32 of every byte before it,
// whatever the length. A file shorter than a header and its CRC, or than
// its K x C entries, is never sound, whatever its last four bytes say.
bool CrcValido(std::span<const uint8_t> byte);

// A matrix that can be adapted, from the bytes of its file. Throws
// ErroreRuntime ERRORE_MATRICE, before anything is built, for a file shorter
// than its header, entries and CRC, a wrong CRC or magic, K other than 5,
// C below 1, F above MAX_FISSE, T above K, an entry outside 1..V or an entry
// repeated within one column. A sound matrix of more columns than a system
// holds comes with its header alone, its entries unread: its adaptation is
// refused from C.
MatriceCaricata DecodificaMatrice(std::span<const uint8_t> byte);

// The file versions of the above; the path is trimmed of blanks first. The
// header reads its first 142 bytes only. The others read the file once, a
// block at a time, so that memory stays bounded whatever its length: the
// matrix keeps only the entries it returns, which are the very bytes its CRC
// covered.
IntestazioneMatrice LeggiIntestazioneMatrice(const std::string& percorso);
MatriceCaricata LeggiMatrice(const std::string& percorso);
bool VerificaCrcMatrice(const std::string& percorso);

}  // namespace tlx::matrix
