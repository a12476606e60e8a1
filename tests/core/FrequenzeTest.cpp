#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "archive/Frequenze.h"

namespace tlx {
namespace {

TEST(Frequenze, CountsDescendAndTiesPutTheHigherNumberFirst) {
  const TabellaFrequenza t =
      CalcolaFrequenzaNumeri({{"a", {1, 2, 3, 4, 5}}, {"b", {1, 2, 3, 6, 7}}, {"c", {1, 9, 10, 11, 12}}});
  // 1 three times, 3 and 2 twice, then the numbers drawn once from 12 down, the never drawn ones 55 down to 8.
  std::vector<int32_t> ordine{1, 3, 2, 12, 11, 10, 9, 7, 6, 5, 4};
  for (int n = 55; n >= 8; --n) ordine.push_back(n == 9 || n == 10 || n == 11 || n == 12 ? 0 : n);
  std::erase(ordine, 0);
  EXPECT_EQ(std::vector(t[1].begin() + 1, t[1].end()), ordine);
  EXPECT_EQ(std::tuple(t[0][1], t[0][2], t[0][4], t[0][55]), std::tuple(3, 2, 1, 0));
}

}  // namespace
}  // namespace tlx
