// Writes the seed corpus of the matrix-file fuzz target: valid matrices of a
// few shapes, each behind the byte that asks the target to append the CRC.
// Usage: fuzz_semi_file_matrice <folder>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "matrices/FileMatrice.h"

namespace {

// A matrix of `colonne` columns over V numbers, without its CRC.
std::vector<uint8_t> Matrice(uint8_t V, uint8_t T, uint8_t F, int32_t colonne) {
  std::vector<uint8_t> b(tlx::matrix::BYTE_INTESTAZIONE, ' ');
  b[0] = V, b[1] = 5, b[2] = T, b[3] = 5, b[4] = F;
  for (int i = 0; i < 4; ++i) b[5 + static_cast<size_t>(i)] = static_cast<uint8_t>(colonne >> (8 * i));
  const std::string magic(tlx::matrix::MAGIC_MATRICE);
  std::copy(magic.begin(), magic.end(), b.begin() + 127);
  for (int p = 0; p < 5; ++p)
    for (int c = 0; c < colonne; ++c) b.push_back(static_cast<uint8_t>(1 + (c + p) % V));
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::filesystem::create_directories(argv[1]);
  const struct {
    uint8_t V, T, F;
    int32_t colonne;
  } forme[] = {{5, 5, 0, 1}, {7, 3, 0, 3}, {10, 4, 2, 12}, {20, 3, 4, 30}, {55, 2, 1, 100}};
  int n = 0;
  for (const auto& f : forme) {
    std::vector<uint8_t> semi{1};
    const auto m = Matrice(f.V, f.T, f.F, f.colonne);
    semi.insert(semi.end(), m.begin(), m.end());
    std::ofstream(std::string(argv[1]) + "/matrice" + std::to_string(n++), std::ios::binary)
        .write(reinterpret_cast<const char*>(semi.data()), static_cast<std::streamsize>(semi.size()));
  }
  return 0;
}
