#include "support/StringBuffer.h"

namespace tlx {

void cStringBuffer::Add(std::string_view testo) {
  if (testo.empty()) return;
  if (usati_ + testo.size() > capacita_) {
    const std::size_t crescita = ((usati_ + testo.size() - capacita_) / BLOCCO + 1) * BLOCCO;
    capacita_ += crescita;
    buffer_.resize(capacita_, ' ');
  }
  buffer_.replace(usati_, testo.size(), testo);
  usati_ += testo.size();
}

}  // namespace tlx
