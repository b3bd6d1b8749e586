// The grouping steps that the end-to-end cases (tests/data/e2e/grouping_*)
// cannot show whole: the group's printable area on an unlimited roll, the
// locked corners with their repeats, and the two orders on ties.
#include <gtest/gtest.h>

#include <tuple>

#include "ArrangeTestJobs.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingSequentialArranger.h"

namespace {

using Order = AbGroupingArranger::GroupOrder;

specialityType::DimDouble groupArea(double width, double length, double margin) {
  TestJobs jobs{jobText("P", 10, 10)};
  GroupingArrangerData data;
  data.jobs = jobs.jobs();
  data.printableWidth = width;
  data.printableLength = length;
  GroupingInfo info;
  info.marginTop = info.marginLeft = margin;
  info.arrangeMarginBottom = info.arrangeMarginRight = 2 * margin;
  return GroupingSequentialArranger(false, Order::Grouping)
      .editPrintableArea(data, RunJobs(data.jobs), &info);
}

ArrangeEntry entry(int group, int copy, int order) {
  ArrangeEntry e;
  e.GroupIdx = group;
  e.CopyNum = copy;
  e.OrderNum = order;
  return e;
}

}  // namespace

TEST(GroupArea, MarginsComeOffBothSidesButNotOffAnUnlimitedLength) {
  auto area = groupArea(300, 200, 10);
  EXPECT_EQ(area.width, 270.0);
  EXPECT_EQ(area.height, 170.0);
  area = groupArea(300, -1, 10);
  EXPECT_EQ(area.width, 270.0);
  EXPECT_EQ(area.height, -1.0);
  area = groupArea(300, 200, 80);  // 240 of each
  EXPECT_EQ(area.width, 60.0);
  EXPECT_EQ(area.height, 0.0);
}

TEST(LockedCorners, FourPerLockedEntryOfTheSheetWithoutGapsRepeatsKept) {
  ArrangeEntry a, b, other;
  a.X = 10, a.Y = 20, a.MmWidth = 30, a.MmHeight = 40, a.ArrangeNum = 2;
  b.X = 40, b.Y = 0, b.MmWidth = 5, b.MmHeight = 60, b.ArrangeNum = 2;
  other.ArrangeNum = 1;
  const auto points = AbGroupingArranger::lockedCandidatePoints({a, other, b}, 2);
  const std::vector<std::pair<double, double>> expected{{0, 60}, {40, 0}, {10, 60}, {40, 20},
                                                        {0, 60}, {45, 0}, {40, 60}, {45, 0}};
  ASSERT_EQ(points.size(), expected.size());
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i].x, expected[i].first) << i;
    EXPECT_EQ(points[i].y, expected[i].second) << i;
  }
  EXPECT_TRUE(AbGroupingArranger::lockedCandidatePoints({a, b}, 3).empty());
}

TEST(GroupOrders, ByGroupOrCopyFirstThenOrderNumTiesKeepTheirPlace) {
  // (group, copy, order); the last two tie on every key.
  const std::vector<ArrangeEntry> in{entry(1, 1, 3), entry(0, 2, 2), entry(1, 2, 1),
                                     entry(0, 1, 4), entry(0, 1, 5), entry(0, 1, 5)};
  auto keys = [](const std::vector<ArrangeEntry>& entries) {
    std::vector<std::tuple<int, int, int>> out;
    for (const auto& e : entries) out.emplace_back(e.GroupIdx, e.CopyNum, e.OrderNum);
    return out;
  };
  using K = std::vector<std::tuple<int, int, int>>;
  EXPECT_EQ(keys(AbGroupingArranger::ordered(in, Order::Grouping)),
            (K{{0, 1, 4}, {0, 1, 5}, {0, 1, 5}, {0, 2, 2}, {1, 1, 3}, {1, 2, 1}}));
  EXPECT_EQ(keys(AbGroupingArranger::ordered(in, Order::Duplicate)),
            (K{{0, 1, 4}, {0, 1, 5}, {0, 1, 5}, {1, 1, 3}, {0, 2, 2}, {1, 2, 1}}));
  // Ties keep their input order: tell the two (0, 1, 5) apart by X.
  auto tied = in;
  tied[4].X = 1;
  tied[5].X = 2;
  const auto out = AbGroupingArranger::ordered(tied, Order::Duplicate);
  EXPECT_EQ(out[1].X, 1.0);
  EXPECT_EQ(out[2].X, 2.0);
}
