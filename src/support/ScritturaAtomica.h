#pragma once
// Writes a file through a temporary file in the same folder, renamed over the
// destination by Conferma once everything is written and flushed to disk.
// Destroyed without Conferma, it removes the temporary file and the
// destination keeps its previous content. Failures throw ErroreRuntime.
//
// The temporary file is named ".<destination's name>.<1 to 8 hex digits>.tmp".
// A process killed while writing leaves it behind: the next write of the same
// destination removes such files, and RimuoviAvanziScrittura those of every
// destination in a folder.

#include <cstddef>
#include <string>
#include <string_view>

namespace tlx {

class ScritturaAtomica {
 public:
  explicit ScritturaAtomica(std::string destinazione);
  ScritturaAtomica(const ScritturaAtomica&) = delete;
  ScritturaAtomica& operator=(const ScritturaAtomica&) = delete;
  ~ScritturaAtomica();

  void Scrivi(const void* dati, size_t byte);
  void Scrivi(std::string_view dati) { Scrivi(dati.data(), dati.size()); }
  void Conferma();

 private:
  std::string destinazione_;
  std::string temporaneo_;
  int fd_ = -1;
};

// Removes the temporary files a killed writer left in the folder (regular
// files named by the pattern above only; nothing in subfolders). Only the
// copy of the program that owns the folder may call it, while no write is
// under way. Failures are silent.
void RimuoviAvanziScrittura(const std::string& cartella);

}  // namespace tlx
