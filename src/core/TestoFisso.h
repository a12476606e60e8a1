#pragma once
// A fixed-width text of N characters, blank-padded on the right as the
// system file stores it. Characters are counted, not UTF-8 bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace tlx {

std::string TagliaOPadda(std::string_view testo, size_t caratteri);
std::string Trim(std::string_view testo);

template <size_t N>
class TestoFisso {
 public:
  TestoFisso() : testo_(N, ' ') {}
  TestoFisso& operator=(std::string_view t) {
    testo_ = TagliaOPadda(t, N);
    return *this;
  }
  const std::string& Testo() const { return testo_; }  // padded
  std::string Trimmed() const { return Trim(testo_); }
  void Svuota() { testo_.assign(N, ' '); }
  bool operator==(const TestoFisso&) const = default;

 private:
  std::string testo_;
};

}  // namespace tlx
