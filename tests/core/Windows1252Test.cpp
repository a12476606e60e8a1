#include <gtest/gtest.h>

#include <string>

#include "support/Windows1252.h"

namespace tlx {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Windows1252, TheUpperHalfMapsToItsCharacters) {
  // 0x80..0x9F, the part that differs from Latin-1.
  const std::string alti[32] = {"€",      "\u0081", "‚", "ƒ", "„", "…", "†",      "‡", "ˆ", "‰", "Š",
                                "‹",      "Œ",      "\u008D", "Ž", "\u008F", "\u0090", "‘", "’", "“", "”", "•",
                                "–",      "—",      "˜", "™", "š", "›", "œ",      "\u009D", "ž", "Ÿ"};
  for (int b = 0x80; b <= 0x9F; ++b) {
    EXPECT_EQ(DaWindows1252(Byte(b)), alti[b - 0x80]) << b;
    EXPECT_EQ(AWindows1252(alti[b - 0x80]), Byte(b)) << b;
  }
  EXPECT_EQ(DaWindows1252("\xA0\xE0\xFF"), "\u00A0àÿ");
  for (int b = 0; b < 256; ++b) EXPECT_EQ(AWindows1252(DaWindows1252(Byte(b))), Byte(b)) << b;
}

TEST(Windows1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(AWindows1252("a漢b😀c"), "a?b?c");
  EXPECT_EQ(AWindows1252("\u0080"), "?");  // a control the code page puts elsewhere
  // Malformed UTF-8: a stray continuation, an overlong form, a surrogate, a sequence cut by the end.
  EXPECT_EQ(AWindows1252("a\x80z|\xC0\xAF|\xED\xA0\x80|a\xE2\x82"), "a?z|??|???|a??");
}

TEST(Windows1252, LowerCaseOfTheCodePageLetters) {
  EXPECT_EQ(MinuscoloWindows1252("NUOVO.TLQVX"), "nuovo.tlqvx");
  EXPECT_EQ(MinuscoloWindows1252("ÀÉÌÒÙ ÞÆ ŠŒŽŸ × ß"), "àéìòù þæ šœžÿ × ß");
  EXPECT_EQ(MinuscoloWindows1252("Ω漢"), "Ω漢");
  EXPECT_EQ(MinuscoloWindows1252("A\xFFZ"), "a\xFFz");
}

}  // namespace
}  // namespace tlx
