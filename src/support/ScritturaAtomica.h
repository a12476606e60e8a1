#pragma once
// Writes a file through a temporary file in the same folder, renamed over the
// destination by Conferma once everything is written and flushed to disk.
// Destroyed without Conferma, it removes the temporary file and the
// destination keeps its previous content. Failures throw ErroreRuntime.

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

}  // namespace tlx
