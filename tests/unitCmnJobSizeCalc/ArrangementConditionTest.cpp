// The rectangle an arranged job occupies: the union of its printed tiles for
// a tiled job, else its job size at the smallest offset of its binary units;
// through real job texts as an arranger leaves them.
#include <gtest/gtest.h>

#include <string>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/ArrangementCondition.h"

namespace {

const std::string kImage = "pages=1\nduplicateCount=1\nscale=100,50\n";
// The 3 x 3 tiling of tiled_arranged.ini without overlaps: columns 100, 90,
// 70, rows 60, 70, 80.
const std::string kTiling =
    "pages=1\nduplicateCount=1\ntiling=true\nscale=320,250\ntileScanDivision=3\n"
    "tileFeedDivision=3\ntileScanPositions=100,90,70\ntileFeedPositions=60,70,80\n"
    "tileWorkSize=10,20,280,222\n";

struct RectCase {
  const char* name;
  std::string composite, units;
  specialityType::RectDouble rect;
};

class JobRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(JobRectTest, OccupiedRectangle) {
  const RectCase& c = GetParam();
  TextJobs run{jobText("J", c.composite, "", c.units)};
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("J"), c.rect.x, c.rect.y, c.rect.width,
              c.rect.height);
}

INSTANTIATE_TEST_SUITE_P(Tiled, JobRectTest, ::testing::Values(
    // (2,2) 90 x 70 at (50,40) and (3,3) 70 x 80 at (150,120): to (220,200).
    RectCase{"TwoTiles", kTiling + "tilePrintTile={2,2},{3,3}\n",
             tileUnit(2, 2, "50,40") + tileUnit(3, 3, "150,120"), {50, 40, 170, 160}},
    // Tile (2,2) was never placed: only (1,1), 100 x 60 at (10,10).
    RectCase{"UnplacedTile", kTiling + "tilePrintTile={1,1},{2,2}\n", tileUnit(1, 1, "10,10"),
             {10, 10, 100, 60}},
    RectCase{"NoPrintedTiles", kTiling, tileUnit(1, 1, "10,10"), {0, 0, 0, 0}},
    // Panelled: the panel 300 x 400 at the smallest unit offset.
    RectCase{"Panelled", kTiling + "tilePrintTile={1,1}\npaneling=true\npanelType=2\n"
             "panelScanSize=300\npanelFeedSize=400\n", tileUnit(1, 1, "10,10"),
             {10, 10, 300, 400}},
    RectCase{"InfiniteOffset", kTiling + "tilePrintTile={1,1},{2,1}\n",
             tileUnit(1, 1, "0,0") + tileUnit(2, 1, "inf,0"), {0, 0, 0, 0}}), CaseName());

INSTANTIATE_TEST_SUITE_P(Untiled, JobRectTest, ::testing::Values(
    // Units at (10,20) and (0 + 5, 25 + 5).
    RectCase{"SmallestOffset", kImage, copyUnit(1, "10,20") + copyUnit(2, "0,25", "{a;5,5}"),
             {5, 20, 100, 50}},
    // Copies of 100 x 50 at (10,20), (120,20), (10,80): 210 x 110.
    RectCase{"PlacedCopies", "pages=1\nscale=100,50\nduplicateCount=3\n",
             copyUnit(1, "10,20") + copyUnit(2, "120,20") + copyUnit(3, "10,80"),
             {10, 20, 210, 110}},
    RectCase{"NoUnits", kImage, "", {0, 0, 100, 50}},
    RectCase{"NanOffset", kImage, copyUnit(1, "nan,0"), {0, 0, 0, 0}}), CaseName());

}  // namespace

TEST(ArrangementCondition, TiledJobAsTheArrangerLeftIt) {
  // Each tile grows 5 towards the next column: (1,1) 105 x 60 at (0,0),
  // (2,1) 95 x 60 at (105,0), (1,2) 105 x 70 at (0 + 2, 65 + 3). Right edges
  // 105, 200, 107; bottom edges 60, 60, 138. The unlisted tile (3,3) at
  // (500,500) does not count.
  TextJobs run{dataText("sizecalc/tiled_arranged.ini")};
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("TILED"), 0, 0, 200, 138);
}

TEST(ArrangementCondition, PageSettingsReachTheJobSize) {
  // 3 pages of 100 x 50 with a break per page of 2 + 3 + page gap 4 and
  // after-feed 6: 150 + 2*9 = 168, with after-feed 168 + 2*6 = 180.
  TextJobs run{jobText(
      "J", "pages=3\ntargetPrintPages=1,2,3\nscale=100,50\nduplicateRegularly=true\n",
      "insertFFMarginMode=1\nbeforeMargin=2\nafterMargin=3\nafterFeed=6\n", copyUnit(1, "7,8"))};
  EXPECT_RECT(ArrangementCondition(run.jobs(), false, 4.0).getJobRect("J"), 7, 8, 100, 168);
  EXPECT_RECT(ArrangementCondition(run.jobs(), true, 4.0).getJobRect("J"), 7, 8, 100, 180);
}

TEST(ArrangementCondition, UnknownJobsOccupyNothing) {
  TextJobs run{jobText("J", kImage)};
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("other"), 0, 0, 0, 0);
  EXPECT_RECT(ArrangementCondition().getJobRect("J"), 0, 0, 0, 0);
}
