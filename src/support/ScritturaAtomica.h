#pragma once
// Writes a file through a temporary file in the same folder, renamed over the
// destination by Conferma once everything is written and flushed to disk.
// Destroyed without Conferma, it removes the temporary file and the
// destination keeps its previous content. Failures throw ErroreRuntime.
//
// The temporary file is named ".<destination's name>.<1 to 8 hex digits>.tmp".
// A process killed while writing leaves it behind. The next write of the
// same destination removes such files once nothing has written to them for a
// minute: a folder such as the system temporary folder may hold the write of
// another copy of the program, under way. RimuoviAvanziScrittura removes
// those of every destination in a folder, RimuoviAvanziScritturaCondivisa
// those of chosen destinations in a folder every copy writes into.

#include <cstddef>
#include <functional>
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

// The same in a folder every copy of the program writes into (the system
// temporary folder): only the temporary files of the destinations `scelta`
// accepts, and only those nothing has written to for a minute.
void RimuoviAvanziScritturaCondivisa(const std::string& cartella,
                                     const std::function<bool(std::string_view destinazione)>& scelta);

}  // namespace tlx
