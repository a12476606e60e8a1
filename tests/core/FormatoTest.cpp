#include <gtest/gtest.h>

#include <limits>

#include "core/Denaro.h"
#include "core/Formato.h"

namespace tlx {
namespace {

TEST(Formatta, ProgramMasksWithTheItalianSeparators) {
  const FormatoNumeri it = FormatoNumeri::Italiano();
  EXPECT_EQ(Formatta(0, MASCHERA_CONTEGGIO, it), "0");
  EXPECT_EQ(Formatta(53130, MASCHERA_CONTEGGIO, it), "53.130");
  EXPECT_EQ(Formatta(3478761, MASCHERA_CONTEGGIO, it), "3.478.761");
  EXPECT_EQ(Formatta(1, MASCHERA_CONTATORE, it), " 1");
  EXPECT_EQ(Formatta(1850000, MASCHERA_CONTATORE, it), " 1.850.000");
  EXPECT_EQ(Formatta(0, MASCHERA_EURO, it), "€ 0,00");
  EXPECT_EQ(Formatta(1.5 * 252, MASCHERA_EURO, it), "€ 378,00");
  EXPECT_EQ(Formatta(5000000.0, MASCHERA_EURO, it), "€ 5.000.000,00");
  EXPECT_EQ(Formatta(1850000.0 * 100, MASCHERA_EURO, it), "€ 185.000.000,00");
  EXPECT_EQ(Formatta(1e9, "0", it), "1000000000");
  EXPECT_EQ(Formatta(5, "00", it), "05");
  EXPECT_EQ(Formatta(55, "00", it), "55");
  EXPECT_EQ(Formatta(3, "0#-", it), "03-");
  EXPECT_EQ(Formatta(7, "0# ", it), "07 ");
  EXPECT_EQ(Formatta(1.5, "0.00", it), "1,50");
  EXPECT_EQ(Formatta(2.675, "0.00", it), "2,68");
  EXPECT_EQ(Formatta(0.125, "0.00", it), "0,13");
}

TEST(Formatta, OtherRegionalSeparators) {
  const FormatoNumeri en{",", "."};
  EXPECT_EQ(Formatta(1234567.891, MASCHERA_EURO, en), "€ 1,234,567.89");
  EXPECT_EQ(Formatta(-1234, MASCHERA_CONTEGGIO, en), "-1,234");
}

TEST(Formatta, ExactCentsAndValuesBeyondEveryRange) {
  const FormatoNumeri it = FormatoNumeri::Italiano();
  // 0,33 x 658.008 columns: a float product would show 217.142,66.
  EXPECT_EQ(FormattaEuro(CostoSistema(33, 658008), it), "€ 217.142,64");
  EXPECT_EQ(FormattaEuro(999999999999900, it), "€ 9.999.999.999.999,00");
  EXPECT_EQ(FormattaEuro(-5, it), "-€ 0,05");
  EXPECT_EQ(FormattaEuro(std::numeric_limits<Centesimi>::min(), it), "-€ 92.233.720.368.547.758,08");
  EXPECT_EQ(FormattaScalato(125, 2, "0", it), "1");
  EXPECT_EQ(FormattaScalato(150, 2, "0", it), "2");
  EXPECT_EQ(FormattaScalato(7, 2, "0.000", it), "0,070");
  EXPECT_EQ(Moltiplica(std::numeric_limits<Centesimi>::max() / 2 + 1, 2), std::nullopt);
  EXPECT_EQ(Formatta(1e20, MASCHERA_CONTEGGIO, it), "100.000.000.000.000.000.000");
  EXPECT_EQ(Formatta(-1e300, "0", it).size(), 302u);
  EXPECT_EQ(Formatta(std::numeric_limits<double>::quiet_NaN(), MASCHERA_EURO, it), "€ 0,00");
  EXPECT_EQ(Formatta(std::numeric_limits<double>::infinity(), "00", it), "00");
}

TEST(LeggiNumero, ReadsTheUsersFormatAndRefusesWhatIsNotANumber) {
  const FormatoNumeri it = FormatoNumeri::Italiano();
  double v = 0;
  ASSERT_TRUE(LeggiNumero("1,50", it, v));
  EXPECT_DOUBLE_EQ(v, 1.5);
  ASSERT_TRUE(LeggiNumero(" 1.234,5 ", it, v));
  EXPECT_DOUBLE_EQ(v, 1234.5);
  ASSERT_TRUE(LeggiNumero("150", it, v));
  EXPECT_DOUBLE_EQ(v, 150);
  for (const char* testo : {"", "   ", "abc", "1,5x", "inf", "nan", "0x1A", "1e5"}) EXPECT_FALSE(LeggiNumero(testo, it, v)) << testo;
}

}  // namespace
}  // namespace tlx
