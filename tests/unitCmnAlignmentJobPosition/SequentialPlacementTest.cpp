#include "unitCmnAlignmentJobPosition/placement/SequentialPlacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "ArrangeEntries.h"

namespace {

// Entries of the given heights, all 100 wide.
std::vector<ArrangeEntry> ofHeights(std::initializer_list<double> heights) {
  std::vector<ArrangeEntry> list;
  for (double h : heights) list.push_back(entry(100, h));
  return list;
}

// Entries of the given heights placed without centring on an area 300
// wide: each at the left edge with its Y and sheet.
void expectColumn(std::initializer_list<double> heights, double length, double gap,
                  const std::vector<std::pair<double, int>>& ys) {
  auto list = ofHeights(heights);
  SequentialPlacement::place(list, {300, length}, false, gap);
  std::vector<Spot> spots;
  for (const auto& y : ys) spots.push_back({0, y.first, y.second});
  EXPECT_EQ(list.size(), spots.size());
  expectPlaced(list, spots);
}

}  // namespace

TEST(SequentialPlacement, UnlimitedLengthKeepsEverythingOnSheetOne) {
  // Y: 0; 50 + 10 = 60; 60 + 80 + 10 = 150; 150 + 30 + 10 = 190.
  expectColumn({50, 80, 30, 1e300}, -1, 10, {{0, 1}, {60, 1}, {150, 1}, {190, 1}});
}

TEST(SequentialPlacement, NewSheetCountsTheGapAfterThePreviousEntry) {
  // Length 120, gap 10: 50 + 60 = 110 fits; 50 + 120 > 120 opens sheet 2;
  // there the feed restarts: the fourth fits at 60 again.
  expectColumn({50, 50, 50, 50}, 120, 10, {{0, 1}, {60, 1}, {0, 2}, {60, 2}});
  // Length 100, gap 10: 50 + 60 > 100, so each entry gets its own sheet.
  expectColumn({50, 50, 50}, 100, 10, {{0, 1}, {0, 2}, {0, 3}});
  // Without a gap an entry ending exactly at the length still fits (50 + 50 = 100).
  expectColumn({50, 50, 1}, 100, 0, {{0, 1}, {50, 1}, {0, 2}});
}

TEST(SequentialPlacement, EntryLongerThanTheLengthTakesASheetOfItsOwn) {
  // First on the list: stays on sheet 1; the next one starts sheet 2, and
  // the one after fits below it (30 + 60 = 90 <= 100).
  expectColumn({150, 50, 30}, 100, 10, {{0, 1}, {0, 2}, {60, 2}});
  // After another entry: opens sheet 2 and pushes the next to sheet 3.
  expectColumn({50, 150, 50}, 100, 0, {{0, 1}, {0, 2}, {0, 3}});
  // A zero length (everything cut away by the margins): each on its own sheet.
  expectColumn({10, 10}, 0, 0, {{0, 1}, {0, 2}});
}

TEST(SequentialPlacement, CentringAcrossTheArea) {
  std::vector<ArrangeEntry> list{entry(100, 10), entry(400, 10), entry(300, 10)};
  SequentialPlacement::place(list, {300, -1}, true, 0);
  EXPECT_DOUBLE_EQ(100, list[0].X);  // (300 - 100) / 2
  EXPECT_DOUBLE_EQ(-50, list[1].X);  // (300 - 400) / 2
  EXPECT_DOUBLE_EQ(0, list[2].X);

  // Without centring every entry goes to the left edge, whatever X it had.
  list[0].X = 77;
  SequentialPlacement::place(list, {300, -1}, false, 0);
  EXPECT_EQ(0.0, list[0].X);
  EXPECT_EQ(0.0, list[1].X);
}

TEST(SequentialPlacement, TouchesOnlyPositionAndSheet) {
  ArrangeEntry e = entry(100, 200, "J7");
  e.StrCompositeKey = "Unit3";
  e.Rotation = 90;
  e.ExtraHeight = 4;
  e.CopyNum = 2;
  e.OrderNum = 5;
  std::vector<ArrangeEntry> list{e};
  SequentialPlacement::place(list, {300, -1}, true, 10);
  EXPECT_EQ("J7", list[0].CompositeId);
  EXPECT_EQ("Unit3", list[0].StrCompositeKey);
  EXPECT_EQ(100, list[0].MmWidth);
  EXPECT_EQ(200, list[0].MmHeight);
  EXPECT_EQ(90u, list[0].Rotation);
  EXPECT_EQ(4, list[0].ExtraHeight);
  EXPECT_EQ(2, list[0].CopyNum);
  EXPECT_EQ(5, list[0].OrderNum);
}

TEST(SequentialPlacement, EmptyListAndNaNSizes) {
  std::vector<ArrangeEntry> none;
  SequentialPlacement::place(none, {300, 100}, true, 10);
  EXPECT_TRUE(none.empty());

  // A NaN height never opens a sheet; the feed becomes NaN, so everything
  // after it stays on the same sheet with Y NaN.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto list = ofHeights({50, nan, 80, 90});
  SequentialPlacement::place(list, {300, 100}, false, 10);
  expectPlaced(list, {{0, 0, 1}, {0, 60, 1}});
  EXPECT_TRUE(std::isnan(list[2].Y));
  EXPECT_EQ(1, list[2].ArrangeNum);
  EXPECT_EQ(1, list[3].ArrangeNum);
}
