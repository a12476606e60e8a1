#include "support/BinaryFileStream.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "support/ErroreRuntime.h"

namespace tlx {

void cBinaryFileStream::File(const std::string& percorso) {
  Dispose();
  percorso_ = percorso;
  lunghezza_ = 0;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(percorso, ec))
    throw ErroreRuntime(errore::FileNotFound, "File not found", std::string(NOME_PROGRAMMA) + ".File");
  const auto dimensione = std::filesystem::file_size(percorso, ec);
  file_.open(percorso, std::ios::binary);
  if (ec || !file_) {
    Dispose();
    throw ErroreFile(percorso, false);
  }
  lunghezza_ = static_cast<int64_t>(dimensione);
}

int32_t cBinaryFileStream::Read(std::span<uint8_t> buffer, int32_t count) {
  if (!file_.is_open()) return 0;
  const auto richiesti = static_cast<std::streamsize>(std::clamp<int64_t>(count, 0, static_cast<int64_t>(buffer.size())));
  if (richiesti == 0) return 0;
  file_.read(reinterpret_cast<char*>(buffer.data()), richiesti);
  const auto letti = static_cast<int32_t>(file_.gcount());
  if (letti == 0) Dispose();
  return letti;
}

void cBinaryFileStream::Dispose() {
  if (file_.is_open()) file_.close();
  file_.clear();
}

}  // namespace tlx
