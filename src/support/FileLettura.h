#pragma once
// A file opened for reading, as an input stream. Every reader of the
// program opens its files through it: the path must name a regular file,
// checked on the opened file itself before a byte is read, so that a FIFO
// never blocks the program and a device such as /dev/zero is never read
// without end. Failures throw ErroreRuntime naming their cause.

#include <sys/types.h>

#include <cstdint>
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

namespace tlx {

class FileLettura : public std::istream {
 public:
  // Throws the file error: 53 or 76 for a missing file or folder, 70 for
  // no access, 75 for anything that is no regular file.
  explicit FileLettura(const std::string& percorso);
  FileLettura(const FileLettura&) = delete;
  FileLettura& operator=(const FileLettura&) = delete;
  ~FileLettura() override = default;

  // The size when the file was opened, in bytes.
  int64_t Dimensione() const { return buffer_.Dimensione(); }

 private:
  // A read error past the opening throws from the stream operation that met
  // it (the stream rethrows it with badbit set).
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(const std::string& percorso);
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() override;
    int64_t Dimensione() const { return dimensione_; }

   protected:
    int_type underflow() override;
    // A large read goes straight into the caller's memory, not through the
    // block.
    std::streamsize xsgetn(char* destinazione, std::streamsize quanti) override;

   private:
    // read(2) into `destinazione`, again when interrupted; 0 at the end.
    ssize_t Leggi(char* destinazione, size_t quanti);

    std::string percorso_;
    int fd_ = -1;
    int64_t dimensione_ = 0;
    std::vector<char> blocco_ = std::vector<char>(65536);
  };

  Buffer buffer_;
};

}  // namespace tlx
