#include <gtest/gtest.h>

#include "core/Versione.h"

namespace tlx {
namespace {

using enum ConfrontoVersione;

TEST(Versione, ProgramVersionIsMajorMinorRevision) { EXPECT_EQ(VersioneProgramma(), "0.2.5"); }

struct Caso {
  const char* server;
  ConfrontoVersione atteso;
};

class ConfrontoConServer : public ::testing::TestWithParam<Caso> {};

TEST_P(ConfrontoConServer, AgainstLocal025) {
  EXPECT_EQ(ConfrontaVersioni("0.2.5", GetParam().server), GetParam().atteso) << "server: " << GetParam().server;
}

INSTANTIATE_TEST_SUITE_P(
    CasiDelServer, ConfrontoConServer,
    ::testing::Values(
        // The published cases.
        Caso{"0.2.5", ServerUgualeOPrecedente}, Caso{"0.3.0", ServerPiuRecente}, Caso{"0.2.10", ServerPiuRecente},
        Caso{"0.1.9", ServerUgualeOPrecedente}, Caso{"1.0.0 beta", ServerPiuRecente},
        // Numbers are compared as numbers, not as text.
        Caso{"00.02.05", ServerUgualeOPrecedente}, Caso{"0.10.0", ServerPiuRecente},
        Caso{"0.2.99999999999999999999999", ServerPiuRecente},
        // Text after the leading digits is ignored; no digits count as 0.
        Caso{"0.2.6rc1", ServerPiuRecente}, Caso{"0.2.5\r", ServerUgualeOPrecedente},
        Caso{"beta.x.y", ServerUgualeOPrecedente}, Caso{"0.2.", ServerUgualeOPrecedente},
        // Extra components of the server are never looked at.
        Caso{"0.2.5.9", ServerUgualeOPrecedente},
        // Fewer than three components, whatever their values.
        Caso{"0.3", ComponentiMancanti}, Caso{"0.1", ComponentiMancanti}, Caso{"1", ComponentiMancanti},
        Caso{"", ComponentiMancanti}));

}  // namespace
}  // namespace tlx
