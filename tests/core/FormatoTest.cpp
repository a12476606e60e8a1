#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "core/Denaro.h"
#include "core/Formato.h"

namespace tlx {
namespace {

const FormatoNumeri IT = FormatoNumeri::Italiano();

TEST(Formatta, ProgramMasksInEitherRegionalFormatAndValuesBeyondEveryRange) {
  const FormatoNumeri en{",", "."};
  const std::tuple<double, std::string_view, const FormatoNumeri*, std::string> casi[] = {
      {0, MASCHERA_CONTEGGIO, &IT, "0"}, {3478761, MASCHERA_CONTEGGIO, &IT, "3.478.761"},
      {1850000, MASCHERA_CONTATORE, &IT, " 1.850.000"}, {1850000.0 * 100, MASCHERA_EURO, &IT, "€ 185.000.000,00"},
      {3, "0#-", &IT, "03-"}, {2.675, "0.00", &IT, "2,68"}, {1234567.891, MASCHERA_EURO, &en, "€ 1,234,567.89"},
      {-1234, MASCHERA_CONTEGGIO, &en, "-1,234"}, {1e20, MASCHERA_CONTEGGIO, &IT, "100.000.000.000.000.000.000"},
      {std::numeric_limits<double>::quiet_NaN(), MASCHERA_EURO, &IT, "€ 0,00"},
      {std::numeric_limits<double>::infinity(), "00", &IT, "00"}, {-0.004, "0.00", &IT, "0,00"}};
  for (const auto& [valore, maschera, formato, atteso] : casi) EXPECT_EQ(Formatta(valore, maschera, *formato), atteso);
  EXPECT_EQ(Formatta(-1e300, "0", IT).size(), 302u);
}

TEST(Formatta, ExactCents) {
  // 0,33 x 658.008 columns: a float product would show 217.142,66.
  EXPECT_EQ(std::tuple(FormattaEuro(CostoSistema(33, 658008), IT), FormattaEuro(-5, IT), FormattaEuro(std::numeric_limits<Centesimi>::min(), IT),
                       FormattaScalato(125, 2, "0", IT) + FormattaScalato(150, 2, "0", IT) + FormattaScalato(5, 2, " 0.000", IT),
                       Moltiplica(std::numeric_limits<Centesimi>::max() / 2 + 1, 2)),
            std::tuple("€ 217.142,64", "-€ 0,05", "-€ 92.233.720.368.547.758,08", "12 0,050", std::optional<Centesimi>{}));
}

}  // namespace
}  // namespace tlx
