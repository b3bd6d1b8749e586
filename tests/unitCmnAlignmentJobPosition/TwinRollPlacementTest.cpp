#include "unitCmnAlignmentJobPosition/placement/TwinRollPlacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ArrangeEntries.h"

namespace {

constexpr double kUnlimited = std::numeric_limits<double>::max();

// widthB follows the record: printable width - startB when startB > 0.
TwinRollGeometry rolls(double widthA, double startB, double printableWidth, double length,
                       double gapScan = 10, double gapFeed = 20) {
  TwinRollGeometry g;
  g.widthA = widthA;
  g.startB = startB;
  g.widthB = startB > 0 ? printableWidth - startB : 0;
  g.lengthLimit = length;
  g.gapScan = gapScan;
  g.gapFeed = gapFeed;
  return g;
}

// Entries of the given size, one per letter of jobs, each letter naming
// the entry's job.
std::vector<ArrangeEntry> ofJobs(const std::string& jobs, double width, double height) {
  std::vector<ArrangeEntry> list;
  for (char job : jobs) list.push_back(entry(width, height, std::string(1, job).c_str()));
  return list;
}

void expectRolls(std::vector<ArrangeEntry> list, const TwinRollGeometry& g,
                 const std::vector<Spot>& spots) {
  TwinRollPlacement::place(list, g);
  EXPECT_EQ(list.size(), spots.size());
  expectPlaced(list, spots);
}

}  // namespace

// ---- entries of several jobs: a change of job switches roll ----

TEST(TwinRollSeveralJobs, EachJobChangeSwitchesRoll) {
  // One entry per job: the second goes to roll B at 600.
  expectRolls(ofJobs("ab", 500, 300), rolls(550, 600, 1200, kUnlimited), {{0, 0, 1}, {600, 0, 1}});
  // a, b, a, b with entries 250 wide: each roll keeps its own position
  // across; the second "a" continues roll A at 260, the second "b" roll B
  // at 600 + 260 = 860 (roll B is 1200 - 600 = 600 wide, 260 + 250 fits).
  // With the copies-of-one-job rule the second entry would be at 260 on A.
  expectRolls(ofJobs("abab", 250, 100), rolls(600, 600, 1200, kUnlimited),
              {{0, 0, 1}, {600, 0, 1}, {260, 0, 1}, {860, 0, 1}});
}

TEST(TwinRollSeveralJobs, WithoutRollBEverythingFillsRowsOnRollA) {
  // startB 0: job b follows job a on roll A. Row 1: 0 and 260; the third
  // (520 + 250 > 600) opens row 2 at 0 + 100 (row height) + 20 = 120. Row 2
  // holds entries 60 and 80 long, so its height is 80 (the 100 of row 1 no
  // longer counts) and row 3 starts at 120 + 80 + 20 = 220.
  expectRolls({entry(250, 100, "a"), entry(250, 100, "a"), entry(250, 60, "b"), entry(250, 80, "b"),
               entry(250, 50, "b")},
              rolls(600, 0, 1200, kUnlimited),
              {{0, 0, 1}, {260, 0, 1}, {0, 120, 1}, {260, 120, 1}, {0, 220, 1}});
}

TEST(TwinRollSeveralJobs, EachRollCountsItsOwnSheets) {
  // Rolls 300 wide (one 250-wide entry per row), length 250, gaps 10/20.
  // Roll A: rows at 0 and 120; the third row would start at 240 and end at
  // 340 > 250, so roll A goes to sheet 2. Job b then starts roll B on its
  // sheet 1 at 400.
  expectRolls(ofJobs("aaab", 250, 100), rolls(300, 400, 700, 250),
              {{0, 0, 1}, {0, 120, 1}, {0, 0, 2}, {400, 0, 1}});
}

TEST(TwinRollSeveralJobs, JobsAreCountedByDistinctIdentifier) {
  // a, b, a: two jobs even though "a" comes back; every change switches:
  // A at 0, B at 600, back to A at 260.
  expectRolls(ofJobs("aba", 250, 100), rolls(600, 600, 1200, kUnlimited),
              {{0, 0, 1}, {600, 0, 1}, {260, 0, 1}});
}

// ---- the copies of a single job: rows alternate between the rolls ----

TEST(TwinRollSingleJob, LookAheadSwitchesRollAfterEachRow) {
  // Roll A 600, B from 650 (1300 - 650 = 650 wide), gs 10, gf 20, copies
  // 250 x 100. After copy 2: 520 + 260 > 600, so copy 3 goes to B at 650;
  // copy 4 at 650 + 260 = 910; then 520 + 260 > 650 switches back to A,
  // whose second row is at 100 + 20 = 120; after two more, B's second row.
  expectRolls(ofJobs("1111111", 250, 100), rolls(600, 650, 1300, kUnlimited),
              {{0, 0, 1}, {260, 0, 1}, {650, 0, 1}, {910, 0, 1}, {0, 120, 1}, {260, 120, 1},
               {650, 120, 1}});
}

TEST(TwinRollSingleJob, WithoutRollBRowsStayOnRollA) {
  expectRolls(ofJobs("1111", 250, 100), rolls(600, 0, 1300, kUnlimited),
              {{0, 0, 1}, {260, 0, 1}, {0, 120, 1}, {260, 120, 1}});
}

TEST(TwinRollSingleJob, OnlyRollATestsTheLength) {
  // Rolls 300 wide (one copy per row), B from 400, length 250, gaps 10/20.
  // Copies on A are 100 long, on B 200 long.
  //   1 A (0, 0)       y_A -> 120
  //   2 B (400, 0)     y_B -> 220
  //   3 A (0, 120)     120 + 100 = 220 <= 250; y_A -> 240
  //   4 B (400, 220)   ends at 420, past 250: B does not check
  //   5 A              240 + 100 > 250: sheet 2, both rolls back to 0
  //   6 B (400, 0) on sheet 2
  std::vector<ArrangeEntry> list;
  for (int i = 0; i < 6; ++i) list.push_back(entry(250, i % 2 ? 200 : 100, "1"));
  expectRolls(list, rolls(300, 400, 700, 250),
              {{0, 0, 1}, {400, 0, 1}, {0, 120, 1}, {400, 220, 1}, {0, 0, 2}, {400, 0, 2}});
}

TEST(TwinRollSingleJob, FirstCopyLongerThanTheLengthStaysOnSheetOne) {
  // Nothing is on the sheet yet, so no new sheet is opened; the second copy
  // (on A again, no roll B) then opens sheet 2.
  expectRolls(ofJobs("11", 500, 100), rolls(600, 0, 600, 50), {{0, 0, 1}, {0, 0, 2}});
}

// ---- both cases ----

TEST(TwinRollPlacement, UnlimitedLengthGivenAsMinusOne) {
  expectRolls(ofJobs("111", 500, 100), rolls(600, 0, 600, -1),
              {{0, 0, 1}, {0, 120, 1}, {0, 240, 1}});
}

TEST(TwinRollPlacement, EmptyListAndNaNSizes) {
  expectRolls({}, rolls(600, 650, 1300, 100), {});

  // A NaN width on roll A poisons that roll's position across, but opens no
  // row or sheet; roll B is unaffected.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<ArrangeEntry> list{entry(nan, 100, "a"), entry(250, 100, "b"),
                                 entry(250, 100, "a")};
  TwinRollPlacement::place(list, rolls(600, 650, 1300, 1000));
  expectPlaced(list, {{0, 0, 1}, {650, 0, 1}});
  EXPECT_TRUE(std::isnan(list[2].X));
  EXPECT_EQ(0.0, list[2].Y);
  EXPECT_EQ(1, list[2].ArrangeNum);
}
