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
  file_.emplace(percorso);
  lunghezza_ = file_->Dimensione();
}

int32_t cBinaryFileStream::Read(std::span<uint8_t> buffer, int32_t count) {
  if (!file_) return 0;
  const auto richiesti = static_cast<std::streamsize>(std::clamp<int64_t>(count, 0, static_cast<int64_t>(buffer.size())));
  if (richiesti == 0) return 0;
  file_->read(reinterpret_cast<char*>(buffer.data()), richiesti);
  const auto letti = static_cast<int32_t>(file_->gcount());
  if (letti == 0) Dispose();
  return letti;
}

void cBinaryFileStream::Dispose() { file_.reset(); }

}  // namespace tlx
