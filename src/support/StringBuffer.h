#pragma once
// Builds a long text by appending in place: the buffer grows by whole chunks
// of 1000 characters only when the text no longer fits, so an append copies
// just the new text.

#include <cstddef>
#include <string>
#include <string_view>

namespace tlx {

class cStringBuffer {
 public:
  static constexpr std::size_t BLOCCO = 1000;

  void Add(std::string_view testo);
  std::string toString() const { return buffer_.substr(0, usati_); }
  // Forgets the text but keeps the buffer and its capacity.
  void Clear() { usati_ = 0; }

 private:
  std::string buffer_;
  std::size_t capacita_ = 0;
  std::size_t usati_ = 0;
};

}  // namespace tlx
