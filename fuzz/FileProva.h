#pragma once
// The fuzz input as a file, for the readers that open a path: written into
// memory-backed storage where there is some, named after the process so
// that parallel fuzzing processes never share it, and removed again after
// each input (libFuzzer ends without running exit handlers).

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace tlx::fuzz {

class FileProva {
 public:
  FileProva(const uint8_t* dati, size_t byte, const std::string& estensione) : percorso_(Percorso(estensione)) {
    std::ofstream f(percorso_, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(byte));
  }
  ~FileProva() {
    std::error_code ec;
    std::filesystem::remove(percorso_, ec);
  }
  FileProva(const FileProva&) = delete;
  FileProva& operator=(const FileProva&) = delete;

  const std::string& Percorso() const { return percorso_; }

 private:
  static std::string Percorso(const std::string& estensione) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path cartella = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    return (cartella / ("tlx-fuzz-" + std::to_string(getpid()) + estensione)).string();
  }

  std::string percorso_;
};

}  // namespace tlx::fuzz
