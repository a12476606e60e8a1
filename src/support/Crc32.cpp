#include "support/Crc32.h"

#include <algorithm>
#include <array>
#include <vector>

#include "support/BinaryFileStream.h"

namespace tlx {

namespace {

constexpr uint32_t POLINOMIO = 0xEDB88320u;
constexpr int32_t BLOCCO_FILE = 8192;

constexpr std::array<uint32_t, 256> TABELLA = [] {
  std::array<uint32_t, 256> t{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t r = n;
    for (int bit = 0; bit < 8; ++bit) r = (r & 1u) ? (r >> 1) ^ POLINOMIO : r >> 1;
    t[n] = r;
  }
  return t;
}();

uint32_t Aggiorna(uint32_t registro, std::span<const uint8_t> dati) {
  for (const uint8_t b : dati) registro = TABELLA[(registro ^ b) & 0xFFu] ^ (registro >> 8);
  return registro;
}

}  // namespace

uint32_t cCRC32::GetByteArrayCrc32(std::span<const uint8_t> dati, uint32_t precedente) const {
  return ~Aggiorna(~precedente, dati);
}

uint32_t cCRC32::GetFileCrc32(cBinaryFileStream& file, int64_t byte) const {
  file.File(file.File());  // from the first byte
  std::vector<uint8_t> blocco(BLOCCO_FILE);
  uint32_t registro = 0xFFFFFFFFu;
  for (int32_t letti;
       byte > 0 && (letti = file.Read(blocco, static_cast<int32_t>(std::min<int64_t>(BLOCCO_FILE, byte)))) > 0;
       byte -= letti)
    registro = Aggiorna(registro, std::span(blocco).first(static_cast<size_t>(letti)));
  return ~registro;
}

}  // namespace tlx
