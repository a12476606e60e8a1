#include "support/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace tlx {

namespace {

// The characters of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> ALTI = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t CarattereDi(unsigned char b) { return b >= 0x80 && b <= 0x9F ? ALTI[b - 0x80u] : b; }

std::optional<unsigned char> ByteDi(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  const auto it = std::find(ALTI.begin(), ALTI.end(), c);
  if (it == ALTI.end()) return std::nullopt;
  return static_cast<unsigned char>(0x80 + (it - ALTI.begin()));
}

void AggiungiUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

struct CarattereLetto {
  char32_t carattere;
  size_t lunghezza;
};

// The character starting at `i`, or nothing when the bytes there are not a
// well-formed UTF-8 sequence (overlong forms and surrogates included).
std::optional<CarattereLetto> LeggiUtf8(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char primo = b(i);
  if (primo < 0x80) return CarattereLetto{primo, 1};
  size_t lunghezza;
  char32_t c;
  char32_t minimo;
  if ((primo & 0xE0) == 0xC0) {
    lunghezza = 2, c = primo & 0x1F, minimo = 0x80;
  } else if ((primo & 0xF0) == 0xE0) {
    lunghezza = 3, c = primo & 0x0F, minimo = 0x800;
  } else if ((primo & 0xF8) == 0xF0) {
    lunghezza = 4, c = primo & 0x07, minimo = 0x10000;
  } else {
    return std::nullopt;
  }
  if (i + lunghezza > s.size()) return std::nullopt;
  for (size_t k = 1; k < lunghezza; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b(i + k) & 0x3F);
  }
  if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  return CarattereLetto{c, lunghezza};
}

char32_t Minuscolo(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À..Þ, not ×
  switch (c) {
    case 0x0152: return 0x0153;  // Œ
    case 0x0160: return 0x0161;  // Š
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return c;
  }
}

}  // namespace

std::string DaWindows1252(std::string_view byte) {
  std::string out;
  out.reserve(byte.size());
  for (char b : byte) AggiungiUtf8(out, CarattereDi(static_cast<unsigned char>(b)));
  return out;
}

std::string AWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto letto = LeggiUtf8(utf8, i);
    if (!letto) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(ByteDi(letto->carattere).value_or('?')));
    i += letto->lunghezza;
  }
  return out;
}

std::string MinuscoloWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto letto = LeggiUtf8(utf8, i);
    if (!letto) {
      out.push_back(utf8[i++]);
      continue;
    }
    AggiungiUtf8(out, Minuscolo(letto->carattere));
    i += letto->lunghezza;
  }
  return out;
}

}  // namespace tlx
