#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "archive/Frequenze.h"

namespace tlx {
namespace {

TEST(Frequenze, CountsDescendAndTiesPutTheHigherNumberFirst) {
  const std::vector<Estrazione> archivio{
      {"a", {1, 2, 3, 4, 5}}, {"b", {1, 2, 3, 6, 7}}, {"c", {1, 9, 10, 11, 12}}};
  const TabellaFrequenza t = CalcolaFrequenzaNumeri(archivio);
  EXPECT_EQ(t[1][1], 1);
  EXPECT_EQ(t[0][1], 3);
  EXPECT_EQ(t[1][2], 3);  // 3 and 2 drawn twice: the higher first
  EXPECT_EQ(t[1][3], 2);
  EXPECT_EQ(t[1][4], 12);  // then the numbers drawn once, 12 down to 4
  EXPECT_EQ(t[1][55], 8);  // the lowest of the never drawn numbers comes last
  std::set<int32_t> numeri(t[1].begin() + 1, t[1].end());
  EXPECT_EQ(numeri.size(), 55u);
}

}  // namespace
}  // namespace tlx
