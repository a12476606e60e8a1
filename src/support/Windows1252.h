#pragma once
// Texts stored in the program's files are one byte per character in the
// Windows-1252 code page; in memory the program works in UTF-8.

#include <string>
#include <string_view>

namespace tlx {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// value, as Windows converts them, so that they survive a round trip.
std::string DaWindows1252(std::string_view byte);

// UTF-8 to Windows-1252, one byte per character. A character the code page
// does not hold, and each byte of a malformed UTF-8 sequence, becomes '?'.
std::string AWindows1252(std::string_view utf8);

// Lower case as the code page knows it: A-Z and the accented capitals of
// Windows-1252 (including Š, Œ, Ž and Ÿ); every other character is kept.
std::string MinuscoloWindows1252(std::string_view utf8);

}  // namespace tlx
