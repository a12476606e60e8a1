#pragma once
// The run's own folder under the system temporary folder, for the files the
// benchmarks write: made at first use, removed with everything in it when
// the run ends.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace tlx::bench {

inline const std::filesystem::path& CartellaBench() {
  struct Cartella {
    std::filesystem::path percorso =
        std::filesystem::temp_directory_path() / ("tlx-bench-" + std::to_string(getpid()));
    Cartella() { std::filesystem::create_directories(percorso); }
    ~Cartella() {
      std::error_code ec;
      std::filesystem::remove_all(percorso, ec);
    }
  };
  static const Cartella cartella;
  return cartella.percorso;
}

}  // namespace tlx::bench
