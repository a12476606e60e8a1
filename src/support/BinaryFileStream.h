#pragma once
// Reads one file in blocks, from its start to its end. The file stays open
// from File(path) until it is exhausted, Dispose() or the end of the object.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "support/FileLettura.h"

namespace tlx {

class cBinaryFileStream {
 public:
  // Closes any open file and opens this one. Throws ErroreRuntime 53
  // ("File not found", source "tremaluxor.File") when the path names no
  // existing file, and the matching file error when it exists but can't be
  // opened.
  void File(const std::string& percorso);
  const std::string& File() const { return percorso_; }

  int64_t Length() const { return lunghezza_; }

  // Reads up to count bytes into the start of the buffer (never more than
  // it holds); returns how many were read. Once the file is exhausted the
  // result is 0 and the file is closed.
  int32_t Read(std::span<uint8_t> buffer, int32_t count);

  // Closes the file if it is open; the path and the length stay known.
  void Dispose();

 private:
  std::string percorso_;
  std::optional<FileLettura> file_;
  int64_t lunghezza_ = 0;
};

}  // namespace tlx
