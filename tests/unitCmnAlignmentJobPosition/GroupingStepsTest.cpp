// The grouping steps that the end-to-end cases (tests/data/e2e/grouping_*)
// cannot show whole: the group's printable area on an unlimited roll and
// the locked corners with their repeats.
#include <gtest/gtest.h>

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
