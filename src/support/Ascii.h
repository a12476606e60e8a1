#pragma once
// Letter case of ASCII text, the same under every regional setting: the C
// library's toupper and tolower follow the process's locale, and names in
// files and from the server must compare alike on every machine.

#include <algorithm>
#include <string>
#include <string_view>

namespace tlx {

constexpr char MinuscolaAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char MaiuscolaAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Equal but for the case of ASCII letters.
inline bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return MinuscolaAscii(x) == MinuscolaAscii(y); });
}

inline std::string MaiuscoloAscii(std::string testo) {
  std::ranges::transform(testo, testo.begin(), MaiuscolaAscii);
  return testo;
}

}  // namespace tlx
