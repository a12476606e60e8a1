#include "support/ScritturaAtomica.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <random>

#include "support/ErroreRuntime.h"

namespace tlx {

namespace {
ErroreRuntime ErroreScrittura(int codice) {
  if (codice == ENOSPC || codice == EFBIG || codice == EDQUOT) return ErroreRuntime(errore::DiskFull, "Disk full");
  return ErroreRuntime(errore::PathFileAccessError, "Path/File access error");
}
}  // namespace

ScritturaAtomica::ScritturaAtomica(std::string destinazione) : destinazione_(std::move(destinazione)) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path dest(destinazione_);
  if (destinazione_.empty() || fs::is_directory(dest, ec)) throw ErroreFile(destinazione_, true);
  std::random_device casuale;
  for (int tentativo = 0; tentativo < 16 && fd_ < 0; ++tentativo) {
    std::array<char, 8> suffisso{};
    const auto fine = std::to_chars(suffisso.data(), suffisso.data() + suffisso.size(), casuale(), 16).ptr;
    std::string nome = ".";  // hidden, beside the destination
    nome += dest.filename().string();
    nome += '.';
    nome.append(suffisso.data(), fine);
    nome += ".tmp";
    temporaneo_ = (dest.parent_path() / nome).string();
    fd_ = ::open(temporaneo_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    temporaneo_.clear();
    throw ErroreFile(destinazione_, true);
  }
}

ScritturaAtomica::~ScritturaAtomica() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporaneo_.empty()) ::unlink(temporaneo_.c_str());
}

void ScritturaAtomica::Scrivi(const void* dati, size_t byte) {
  const auto* p = static_cast<const char*>(dati);
  while (byte > 0) {
    const ssize_t scritti = ::write(fd_, p, byte);
    if (scritti < 0 && errno == EINTR) continue;
    if (scritti <= 0) throw ErroreScrittura(scritti < 0 ? errno : ENOSPC);
    p += scritti;
    byte -= static_cast<size_t>(scritti);
  }
}

void ScritturaAtomica::Conferma() {
  if (::fsync(fd_) != 0) throw ErroreScrittura(errno);
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw ErroreScrittura(errno);
  if (std::rename(temporaneo_.c_str(), destinazione_.c_str()) != 0) throw ErroreFile(destinazione_, true);
  temporaneo_.clear();
}

}  // namespace tlx
