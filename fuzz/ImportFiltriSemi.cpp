// Writes the seed corpus of the filter import's fuzz target into the folder
// given as the argument: good files in each line end and encoding, and a
// few bad ones.

#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::filesystem::path cartella = argv[1];
  std::filesystem::create_directories(cartella);
  std::string lunga;
  for (int i = 0; i < 300; ++i) lunga += std::to_string(i % 55 + 1) + ' ';
  std::string molte;
  for (int i = 0; i < 2010; ++i) molte += std::to_string(i % 55 + 1) + "\n";
  const std::string semi[] = {"3 17 28 41\r\n\r\n3-17-28-41\r\n3,17;28.41\r\n",
                              "\xEF\xBB\xBF" "1 2\n\t55\t1 \n5 5 12\n",
                              "7\r08  009\r\r",
                              "1 2\r\n3, 17\r\n",
                              "0 56 uno",
                              lunga,
                              molte};
  int n = 0;
  for (const std::string& seme : semi) std::ofstream(cartella / ("seme" + std::to_string(n++)), std::ios::binary) << seme;
  return 0;
}
