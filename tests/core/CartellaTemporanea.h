#pragma once
// A folder of the test's own under the system temporary folder, removed with
// everything in it when the test ends.

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace tlx::prova {

class CartellaTemporanea {
 public:
  CartellaTemporanea()
      : percorso_(std::filesystem::temp_directory_path() / ("tlx-prova-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(percorso_);
  }
  ~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::remove_all(percorso_, ec);
  }
  CartellaTemporanea(const CartellaTemporanea&) = delete;
  CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

  std::string File(const std::string& nome) const { return (percorso_ / nome).string(); }
  const std::filesystem::path& Percorso() const { return percorso_; }
  // The names of the files in the folder, sorted.
  std::vector<std::string> Contenuto() const {
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(percorso_)) nomi.push_back(voce.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
  }

 private:
  std::filesystem::path percorso_;
};

}  // namespace tlx::prova
