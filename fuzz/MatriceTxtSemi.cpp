// Writes the seed corpus of the text-matrix fuzz target.
// Usage: fuzz_semi_matrice_txt <folder>

#include <filesystem>
#include <fstream>
#include <string>

#include "matrices/MatriceTxt.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::filesystem::create_directories(argv[1]);
  // A line as long as the reader takes, padded with blanks.
  const std::string lunga = "1 2 3 4 5" + std::string(tlx::matrix::BYTE_MASSIMI_RIGA_MATRICE_TXT - 9, ' ') + "\n";
  const std::string semi[] = {
      "1 2 3 4 5\r\n1 2 3 4 6\r\n",
      "\t1  2 3\t4 5 \n\n 3 4 5 6 7\n 7 6 1 2 3\n",
      "1 2 3 4 5\n1 2 3 4 7\n",
      "1 2 3\n1 2 3 4\n",
      "10 20 30 40 50 60 70 80 90\n",
      lunga + "1 2 3 4 6\n" + lunga,
  };
  int n = 0;
  for (const std::string& s : semi) std::ofstream(std::string(argv[1]) + "/testo" + std::to_string(n++), std::ios::binary) << s;
  return 0;
}
