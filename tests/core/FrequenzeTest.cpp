#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "archive/Frequenze.h"

namespace tlx {
namespace {

TEST(Frequenze, EmptyArchiveRanksFiftyFiveDownToOne) {
  const TabellaFrequenza t = CalcolaFrequenzaNumeri({});
  for (int j = 1; j <= NUMERI; ++j) {
    EXPECT_EQ(t[1][static_cast<size_t>(j)], 56 - j);
    EXPECT_EQ(t[0][static_cast<size_t>(j)], 0);
  }
  EXPECT_EQ(CellePiuFrequenti(t, 10), (std::vector<int>{54, 53, 52, 51, 50, 49, 48, 47, 46, 45}));
  EXPECT_EQ(CelleMenoFrequenti(t, 10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

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

TEST(Frequenze, PicksSkipEntriesOutsideTheGrid) {
  TabellaFrequenza t = CalcolaFrequenzaNumeri({});
  t[1][1] = 0;
  t[1][2] = 99;
  EXPECT_EQ(CellePiuFrequenti(t, 3), (std::vector<int>{52}));
  EXPECT_EQ(CelleMenoFrequenti(t, 55).size(), 53u);
}

TEST(Frequenze, CrosswordPickGivesTwentyFiveDifferentCells) {
  for (uint32_t seme : {0u, 1u, 86399u, 123456u}) {
    const std::vector<int> celle = CelleCruciverbaCasuali(seme);
    EXPECT_EQ(celle.size(), 25u);
    EXPECT_EQ(std::set<int>(celle.begin(), celle.end()).size(), 25u);
    EXPECT_TRUE(std::all_of(celle.begin(), celle.end(), [](int c) { return c >= 0 && c < NUMERI; }));
  }
}

}  // namespace
}  // namespace tlx
