#pragma once
// Matrix files put together byte by byte from the format's offset table, so
// that a mistake shared by the reader and the tests cannot pass.

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "matrices/FileMatrice.h"
#include "support/Crc32.h"

namespace tlx::prova {

using Byte = std::vector<uint8_t>;

// A valid file of three columns for seven numbers unless changed.
struct FileProva {
  uint8_t V = 7, K = 5, T = 3, M = 5, F = 0;
  std::vector<std::array<uint8_t, 5>> colonne{{1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}, {7, 6, 1, 2, 3}};
  std::string copertura = "100", autore = "Rossi", descrizione = "Tre colonne", magic = std::string(matrix::MAGIC_MATRICE);
  std::optional<int32_t> C;  // the stored count, when it differs from the columns given

  Byte Byte_() const {
    Byte b(142, ' ');
    b[0] = V, b[1] = K, b[2] = T, b[3] = M, b[4] = F;
    const auto c = static_cast<uint32_t>(C.value_or(static_cast<int32_t>(colonne.size())));
    for (int i = 0; i < 4; ++i) b[5 + i] = static_cast<uint8_t>(c >> (8 * i));
    std::ranges::copy(copertura, b.begin() + 9);
    std::ranges::copy(autore, b.begin() + 19);
    std::ranges::copy(descrizione, b.begin() + 49);
    std::fill(b.begin() + 109, b.begin() + 127, 0);
    std::ranges::copy(magic.substr(0, 15), b.begin() + 127);
    for (size_t p = 0; p < K; ++p)
      for (const auto& col : colonne) b.push_back(p < 5 ? col[p] : 1);
    const uint32_t crc = cCRC32().GetByteArrayCrc32(b);
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(crc >> (8 * i)));
    return b;
  }
};

// Every column of the 55 numbers once, in ascending order: 3,478,761 of
// them, more than a system holds.
inline std::vector<std::array<uint8_t, 5>> TutteLeColonne() {
  std::vector<std::array<uint8_t, 5>> colonne;
  for (uint8_t a = 1; a <= 51; ++a)
    for (uint8_t b = a + 1; b <= 52; ++b)
      for (uint8_t c = b + 1; c <= 53; ++c)
        for (uint8_t d = c + 1; d <= 54; ++d)
          for (uint8_t e = d + 1; e <= 55; ++e) colonne.push_back({a, b, c, d, e});
  return colonne;
}

inline void Scrivi(const std::string& percorso, const Byte& b) {
  std::ofstream(percorso, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::ssize(b));
}

inline Byte Leggi(const std::string& percorso) {
  std::ifstream file(percorso, std::ios::binary);
  return Byte(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace tlx::prova
