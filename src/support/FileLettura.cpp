#include "support/FileLettura.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "support/ErroreRuntime.h"

namespace tlx {

// The stream is handed its buffer before the member is built; it only keeps
// the pointer until the first read.
FileLettura::FileLettura(const std::string& percorso) : std::istream(&buffer_), buffer_(percorso) {
  exceptions(std::ios::badbit);
}

FileLettura::Buffer::Buffer(const std::string& percorso) : percorso_(percorso) {
  // Opening a FIFO for reading waits for a writer unless it is non-blocking.
  fd_ = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) throw ErroreFileDaCausa(percorso, errno);
  struct stat info {};
  const int causa = ::fstat(fd_, &info) != 0 ? errno : S_ISREG(info.st_mode) ? 0 : NON_FILE_REGOLARE;
  if (causa == 0 && ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) == 0) {
    dimensione_ = info.st_size;
    return;
  }
  const int errore = causa != 0 ? causa : errno;
  ::close(fd_);
  throw ErroreFileDaCausa(percorso, errore);
}

FileLettura::Buffer::~Buffer() { ::close(fd_); }

ssize_t FileLettura::Buffer::Leggi(char* destinazione, size_t quanti) {
  ssize_t letti = 0;
  do {
    letti = ::read(fd_, destinazione, quanti);
  } while (letti < 0 && errno == EINTR);
  if (letti < 0) throw ErroreFileDaCausa(percorso_, errno);
  return letti;
}

FileLettura::Buffer::int_type FileLettura::Buffer::underflow() {
  const ssize_t letti = Leggi(blocco_.data(), blocco_.size());
  if (letti == 0) return traits_type::eof();
  setg(blocco_.data(), blocco_.data(), blocco_.data() + letti);
  return traits_type::to_int_type(blocco_.front());
}

std::streamsize FileLettura::Buffer::xsgetn(char* destinazione, std::streamsize quanti) {
  std::streamsize dati = std::min<std::streamsize>(quanti, egptr() - gptr());
  std::copy_n(gptr(), dati, destinazione);
  gbump(static_cast<int>(dati));
  while (dati < quanti) {
    const ssize_t letti = Leggi(destinazione + dati, static_cast<size_t>(quanti - dati));
    if (letti == 0) break;
    dati += letti;
  }
  return dati;
}

}  // namespace tlx
