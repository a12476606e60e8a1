#include <gtest/gtest.h>

#include "core/Versione.h"

namespace tlx {
namespace {

using enum ConfrontoVersione;

TEST(Versione, ServerVersionsAgainstLocal025) {
  const std::pair<const char*, ConfrontoVersione> casi[] = {
      {"0.2.5", ServerUgualeOPrecedente}, {"0.1.9", ServerUgualeOPrecedente}, {"1.0.0 beta", ServerPiuRecente},
      // Numbers, not text; what follows the leading digits is ignored; extra components are never looked at.
      {"0.2.10", ServerPiuRecente}, {"00.02.05", ServerUgualeOPrecedente},
      {"0.2.99999999999999999999999", ServerPiuRecente}, {"0.2.6rc1", ServerPiuRecente},
      {"beta.x.y", ServerUgualeOPrecedente}, {"0.2.5.9", ServerUgualeOPrecedente},
      {"0.3", ComponentiMancanti}, {"", ComponentiMancanti}};
  for (const auto& [server, atteso] : casi) EXPECT_EQ(ConfrontaVersioni("0.2.5", server), atteso) << server;
}

}  // namespace
}  // namespace tlx
