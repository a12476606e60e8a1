#include <gtest/gtest.h>

#include <string>

#include "support/Windows1252.h"

namespace tlx {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Windows1252, EveryByteRoundTripsAndTheUpperHalfMapsToItsCharacters) {
  for (int b = 0; b < 256; ++b) EXPECT_EQ(AWindows1252(DaWindows1252(Byte(b))), Byte(b)) << b;
  // The part that differs from Latin-1, at both ends and across its gaps.
  const std::pair<int, std::string> alti[] = {{0x80, "€"}, {0x81, "\u0081"}, {0x8C, "Œ"}, {0x8E, "Ž"},
                                              {0x92, "’"}, {0x99, "™"}, {0x9F, "Ÿ"}, {0xE0, "à"}};
  for (const auto& [b, testo] : alti) EXPECT_EQ(DaWindows1252(Byte(b)), testo) << b;
}

TEST(Windows1252, WhatTheCodePageCannotHoldBecomesAQuestionMarkAndLowerCase) {
  EXPECT_EQ(AWindows1252("a漢b😀c"), "a?b?c");
  EXPECT_EQ(AWindows1252("\u0080"), "?");  // a control the code page puts elsewhere
  // Malformed UTF-8: a stray continuation, an overlong form, a surrogate, a sequence cut by the end.
  EXPECT_EQ(AWindows1252("a\x80z|\xC0\xAF|\xED\xA0\x80|a\xE2\x82"), "a?z|??|???|a??");
  EXPECT_EQ(MinuscoloWindows1252("NUOVO.TLQVX ÀÉ ÞÆ ŠŒŽŸ × ß Ω漢 \xFF"), "nuovo.tlqvx àé þæ šœžÿ × ß Ω漢 \xFF");
}

}  // namespace
}  // namespace tlx
