#pragma once
// The CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320, register preset
// to all ones, result complemented) that guards the matrix files.

#include <cstdint>
#include <span>

namespace tlx {

class cBinaryFileStream;

class cCRC32 {
 public:
  // 0 for an empty array. Given the CRC of the bytes before them, the CRC of
  // those bytes followed by these: a long run can be checked a part at a time.
  uint32_t GetByteArrayCrc32(std::span<const uint8_t> dati, uint32_t precedente = 0) const;
  // The CRC of the first `byte` bytes (all of a shorter file) of the file
  // the stream was opened on, read in blocks of 8192 bytes from its start
  // whatever had been read before; the stream then stands right after them.
  uint32_t GetFileCrc32(cBinaryFileStream& file, int64_t byte) const;
};

}  // namespace tlx
