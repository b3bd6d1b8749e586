// The size of one tile of a tiled job through real job texts: its cell of
// the grid turned by its rotation, its overlaps clipped at the work
// rectangle, and the margins of corner marks, tile number, cut line and
// label.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/JobSizeCalc.h"
#include "unitCmnJobSizeCalc/TileTurn.h"

namespace {

// 3 x 3 tiles of a 320 x 250 job: columns 100, 90, 70 from x = 10 ([10,110],
// [110,200], [200,270]), rows 60, 70, 80 from y = 20 ([20,80], [80,150],
// [150,230]). The work rectangle [10,290] x [20,242] reaches 20 beyond the
// last column and 12 beyond the last row.
const std::string kTiling =
    "pages=1\nduplicateCount=1\ntiling=true\nscale=320,250\ntileScanDivision=3\n"
    "tileFeedDivision=3\ntileScanPositions=100,90,70\ntileFeedPositions=60,70,80\n"
    "tileWorkSize=10,20,280,222\n";
const std::string kAllKeys =
    "tileOverlapTop=true\ntileOverlapLeft=true\ntileOverlapBottom=true\ntileOverlapRight=true\n";

std::string rotations(int r) {  // every tile turned by r
  const std::string c = std::to_string(r) + ";" + std::to_string(r) + ";" + std::to_string(r);
  return "tileRotates=" + c + "," + c + "," + c + "\n";
}

bool quarter(int r) { return r == 90 || r == 270; }

specialityType::DimDouble tileSize(const std::string& composite, int i, int j,
                                   const std::string& print = "") {
  TextJobs run{jobText("T", composite, print)};
  return JobSizeCalc(run.jobs(), false, 0.0).getTileSize("T", i, j);
}

// (width, height) of every tile of the tiling, turned by r.
void expectTiles(const std::string& composite, int r, const double (&width)[3],
                 const double (&height)[3]) {
  TextJobs run{jobText("T", composite + rotations(r))};
  const JobSizeCalc calc(run.jobs(), false, 0.0);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      SCOPED_TRACE("r " + std::to_string(r) + " tile " + std::to_string(i) + std::to_string(j));
      const double w = width[i - 1], h = height[j - 1];
      EXPECT_SIZE(calc.getTileSize("T", i, j), quarter(r) ? h : w, quarter(r) ? w : h);
    }
}

}  // namespace

// ---- turning ----

struct TurnCase {
  const char* name;
  int rotation;
  specialityType::RectDouble out;
};

class TileTurnTest : public ::testing::TestWithParam<TurnCase> {};

// The cell (10, 20, 100, 60) inside the 320 x 250 job.
TEST_P(TileTurnTest, PositionFollowsTheRotation) {
  const TurnCase& c = GetParam();
  EXPECT_RECT(TileTurn::turn({10, 20, 100, 60}, c.rotation, 320, 250), c.out.x, c.out.y,
              c.out.width, c.out.height);
}

INSTANTIATE_TEST_SUITE_P(Rotations, TileTurnTest, ::testing::Values(
    TurnCase{"R0", 0, {10, 20, 100, 60}},
    TurnCase{"R90", 90, {20, 210, 60, 100}},     // (y, W - w - x)
    TurnCase{"R180", 180, {210, 170, 100, 60}},  // (W - w - x, H - h - y)
    TurnCase{"R270", 270, {170, 10, 60, 100}},   // (H - h - y, x)
    TurnCase{"R45", 45, {0, 0, 60, 100}},        // other angles: at (0, 0)
    TurnCase{"R360", 360, {0, 0, 100, 60}}), CaseName());

// ---- overlaps ----

// One overlap key at a time, overlap 5 (never clipped here). Top overlaps
// the next row, Bottom the previous row, Left the next column, Right the
// previous column; a quarter turn puts the rows across the width.
TEST(TileOverlap, EachKeyGrowsTheTilesThatHaveThatNeighbour) {
  const double w[] = {100, 90, 70}, h[] = {60, 70, 80};
  const double wLeft[] = {105, 95, 70}, wRight[] = {100, 95, 75};
  const double hTop[] = {65, 75, 80}, hBottom[] = {60, 75, 85};
  for (int r : {0, 90, 180, 270}) {
    expectTiles(kTiling + "tileOverlap=5\ntileOverlapTop=true\n", r, w, hTop);
    expectTiles(kTiling + "tileOverlap=5\ntileOverlapBottom=true\n", r, w, hBottom);
    expectTiles(kTiling + "tileOverlap=5\ntileOverlapLeft=true\n", r, wLeft, h);
    expectTiles(kTiling + "tileOverlap=5\ntileOverlapRight=true\n", r, wRight, h);
  }
}

// Overlap 95 on every side, clipped at the work rectangle:
//   previous column 95 (110 - 95 and 200 - 95 stay right of 10); next column
//   95 for column 1, 290 - 200 = 90 for column 2; previous row 80 - 20 = 60
//   for row 2, 95 for row 3; next row 95 for row 1, 242 - 150 = 92 for row 2.
// Widths 195, 95 + 90 + 90 = 275, 165; heights 155, 60 + 70 + 92 = 222, 175.
// The work rectangle turns with the tile, so the clipping follows it.
TEST(TileOverlap, OverlapsAreClippedAtTheWorkRectangleInEveryRotation) {
  for (int r : {0, 90, 180, 270})
    expectTiles(kTiling + kAllKeys + "tileOverlap=95\n", r, {195, 275, 165}, {155, 222, 175});
  // Other angles grow on no side: tile (2,2) 90 x 70 turned to 70 x 90.
  EXPECT_SIZE(tileSize(kTiling + kAllKeys + "tileOverlap=95\n" + rotations(45), 2, 2), 70, 90);
}

// ---- corner marks ----

// Feed out 5 / in 100, scan out 8 / in 120; the 7.2 pt = 2.54 mm line makes
// the outer distances 7.54 (feed) and 10.54 (scan). The y sides use the
// feed pair at 0 and 180 degrees, the scan pair at 90 and 270.
const std::string kCorners =
    "tileCornerMark=true\ntileCornerFeedOut=5\ntileCornerFeedIn=100\ntileCornerScanOut=8\n"
    "tileCornerScanIn=120\ntileCornerLineWidth=7.2\n";

struct CornerCase {
  const char* name;
  std::string keys;
  int i, j;
  double width, height;
};

class CornerMarkTest : public ::testing::TestWithParam<CornerCase> {};

TEST_P(CornerMarkTest, CornerMarksNeedRoomAroundTheTile) {
  const CornerCase& c = GetParam();
  EXPECT_SIZE(tileSize(kTiling + c.keys, c.i, c.j), c.width, c.height);
}

INSTANTIATE_TEST_SUITE_P(Cases, CornerMarkTest, ::testing::Values(
    // Tile (1,1) 100 x 60 grows 10 at both ends: 110 x 70. Neighbours across:
    // end y: reach 100 - 60 = 40, 40 - 10 = 30; start y: 30, then 40 (opposite);
    // end x: reach 120 - 100 = 20, 20 - 10 < 10.54: 10.54; start x: 20.
    CornerCase{"CornerTile", kCorners + kAllKeys + "tileOverlap=10\n", 1, 1, 140.54, 140},
    // Turned by 90 (70 x 110): y sides take the scan pair (20, 10.54), x sides
    // the feed pair (reach 100 - 60 = 40: 30, 40).
    CornerCase{"CornerTileTurned", kCorners + kAllKeys + "tileOverlap=10\n" + rotations(90), 1, 1,
               140, 140.54},
    // Tile (2,2) 90 x 70 grows 10 on all sides: 110 x 90. y: reach 30,
    // 30 - 20 = 10 > 7.54, then 30 - 10 = 20; x: 10 < 10.54, then 20.
    CornerCase{"MiddleTile", kCorners + kAllKeys + "tileOverlap=10\n", 2, 2, 150, 130},
    // Only the rows overlap: 90 x 90. y sides without neighbour across:
    // max(0, 7.54 - 10), then 100 - 70 - 10 = 20; x sides: reach 30: 30.
    CornerCase{"RowsOnly", kCorners + "tileOverlap=10\ntileOverlapTop=true\n"
               "tileOverlapBottom=true\n", 2, 2, 150, 130},
    // Tile (1,1) overlaps the next row by 4: 100 x 64. End y 7.54 - 4 = 3.54;
    // start y (opposite only) 100 - 60 = 40; x sides: reach 20.
    CornerCase{"OneOverlap", kCorners + "tileOverlap=4\ntileOverlapTop=true\n", 1, 1, 140,
               107.54},
    CornerCase{"NoOverlapKeys", kCorners + "tileOverlap=10\n", 1, 1, 100, 60},
    CornerCase{"OverlapZero", kCorners + kAllKeys + "tileOverlap=0\n", 1, 1, 100, 60},
    CornerCase{"MarksOff", "tileCornerFeedOut=5\n" + kAllKeys + "tileOverlap=10\n", 1, 1, 110,
               70},
    // No distance set: the line width is not added either.
    CornerCase{"NoDistances", "tileCornerMark=true\ntileCornerLineWidth=7.2\n" + kAllKeys +
               "tileOverlap=10\n", 1, 1, 110, 70}), CaseName());

// ---- tile numbers ----

// Tile (2,2) with overlap 95 all round (end x 90, end y 92, start x 95,
// start y 60) grown to 275 x 222; a 288 pt = 101.6 mm number on the overlap.
// Outside a side it needs 101.6 minus that side's overlap: end y 9.6,
// start y 41.6, end x 11.6, start x 6.6; inside it needs 101.6 - 70 = 31.6.
const std::string kNumber = kTiling + kAllKeys +
                            "tileOverlap=95\ntilePrintNumber=true\ntileNumberFontSize=288\n"
                            "tileNumberOnOverlap=true\n";

struct NumberCase {
  int rotate, tileRotation;  // the composite's "rotate" and the tile's
  std::vector<int> positions;
  double width, height;
};

class TileNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TileNumberTest, NumberNeedsRoomOutsideOrInsideEachSide) {
  const NumberCase& c = GetParam();
  for (int p : c.positions) {
    SCOPED_TRACE("position " + std::to_string(p));
    EXPECT_SIZE(tileSize(kNumber + rotations(c.tileRotation) + "rotate=" +
                             std::to_string(c.rotate) + "\ntileNumberPosition=" +
                             std::to_string(p) + "\n",
                         2, 2),
                c.width, c.height);
  }
}

// Outside end y 231.6, start y 263.6 (inside both x: 338.2);
// outside end x 286.6, start x 281.6 (inside both y: 285.2).
INSTANTIATE_TEST_SUITE_P(Positions, TileNumberTest, ::testing::Values(
    // 0 degrees: 1-3 end y, 4-6 start y, 7-9 end x, 10-12 start x.
    NumberCase{0, 0, {1, 2, 3}, 338.2, 231.6}, NumberCase{0, 0, {4, 5, 6}, 338.2, 263.6},
    NumberCase{0, 0, {7, 8, 9}, 286.6, 285.2}, NumberCase{0, 0, {10, 11, 12}, 281.6, 285.2},
    // 90: 1-3 end x, 4-6 start x, 7-9 start y, 10-12 end y.
    NumberCase{90, 0, {1, 2, 3}, 286.6, 285.2}, NumberCase{90, 0, {4, 5, 6}, 281.6, 285.2},
    NumberCase{90, 0, {7, 8, 9}, 338.2, 263.6}, NumberCase{90, 0, {10, 11, 12}, 338.2, 231.6},
    // 180: 1-3 start y, 4-6 end y, 7-9 start x, 10-12 end x.
    NumberCase{180, 0, {1, 2, 3}, 338.2, 263.6}, NumberCase{180, 0, {4, 5, 6}, 338.2, 231.6},
    NumberCase{180, 0, {7, 8, 9}, 281.6, 285.2}, NumberCase{180, 0, {10, 11, 12}, 286.6, 285.2},
    // 270 (also -90): 1-3 start x, 4-6 end x, 7-9 end y, 10-12 start y.
    NumberCase{270, 0, {1, 2, 3}, 281.6, 285.2}, NumberCase{-90, 0, {4, 5, 6}, 286.6, 285.2},
    NumberCase{270, 0, {7, 8, 9}, 338.2, 231.6}, NumberCase{270, 0, {10, 11, 12}, 338.2, 263.6},
    // Tile turned by 90 in a job turned by 270: number at 0. The tile is
    // 222 x 275; its end y faces the previous column (95): 6.6, inside
    // 101.6 - 90 = 11.6 on both x sides.
    NumberCase{270, 90, {1, 2, 3}, 245.2, 281.6},
    // Tile turned by 180: its start y faces the next row (92): 9.6.
    NumberCase{0, 180, {1, 2, 3}, 338.2, 231.6},
    // Turned by 270 in a job turned by 180: number at 90. End y faces the
    // next column (90): 11.6; start x the next row (92): 9.6; inside 11.6.
    NumberCase{180, 270, {10, 11, 12}, 245.2, 286.6},
    NumberCase{180, 270, {4, 5, 6}, 231.6, 298.2},
    NumberCase{0, 0, {0, 13}, 275, 222}));

TEST(TileNumber, OnlyTheOverlapOfItsOwnSideHoldsTheNumber) {
  const std::string number = kTiling + kAllKeys + "tileOverlap=95\ntilePrintNumber=true\n"
                                                  "tileNumberPosition=1\n";
  // Off the overlap the number needs its full 101.6 at the end of y.
  EXPECT_SIZE(tileSize(number + "tileNumberFontSize=288\n", 2, 2), 338.2, 323.6);
  // 72 pt = 25.4 mm fits on the overlap of 92; inside 25.4 - 70 needs nothing.
  EXPECT_SIZE(tileSize(number + "tileNumberFontSize=72\ntileNumberOnOverlap=true\n", 2, 2), 275,
              222);
  EXPECT_SIZE(tileSize(number + "tileNumberFontSize=72\n", 2, 2), 275, 247.4);
  // Tile (1,1) (195 x 155) has no overlap at its start of y (position 4):
  // 101.6 there, inside 101.6 - 60 = 41.6 on both x sides.
  EXPECT_SIZE(tileSize(kNumber + "tileNumberPosition=4\n", 1, 1), 278.2, 256.6);
}

// ---- cut line, label, unusable tiles and values ----

TEST(TileMargins, CutLineAndLabel) {
  // 36 pt = 12.7 mm on every side of the 100 x 60 tile.
  EXPECT_SIZE(tileSize(kTiling + "printCutline=true\ncutlineWidth=36\n", 1, 1), 125.4, 85.4);
  // With the corner tile's marks (30, 40, 10.54, 20) only the end of x rises.
  EXPECT_SIZE(tileSize(kTiling + kCorners + kAllKeys +
                           "tileOverlap=10\nprintCutline=true\ncutlineWidth=36\n", 1, 1),
              142.7, 140);
  // 2 lines of 5 and a gap of max(16 / 2, 5), also when panelled: 60 + 18.
  const std::string label = kTiling + "labelPrint=true\njobInf=true\nlabelPrintStringLine=2\n"
                                      "labelSize=5\npaneling=true\n";
  EXPECT_SIZE(tileSize(label, 1, 1, "registerMarkShape=1\nregisterMarkSize=16\n"), 100, 78);
}

TEST(TileSize, TilesAndValuesTheTilingDoesNotHold) {
  // Two widths for three columns; rotations 0,90,180 for column 1, 270 for (2,1).
  const TextJobs run{jobText("T",
                             "pages=1\ntiling=true\nscale=320,250\ntileScanDivision=3\n"
                             "tileFeedDivision=3\ntileScanPositions=100,90\n"
                             "tileFeedPositions=60,70,80\ntileRotates=0;90;180,270\n")};
  const JobSizeCalc calc(run.jobs(), false, 0.0);
  EXPECT_SIZE(calc.getTileSize("T", 1, 2), 70, 100);
  EXPECT_SIZE(calc.getTileSize("T", 1, 3), 100, 80);
  EXPECT_SIZE(calc.getTileSize("T", 2, 1), 60, 90);
  EXPECT_SIZE(calc.getTileSize("T", 2, 2), 90, 70);  // no rotation given
  EXPECT_SIZE(calc.getTileSize("T", 3, 1), 0, 60);   // no width given
  for (const auto& ij : std::vector<std::pair<int, int>>{{0, 1}, {1, 0}, {4, 1}, {1, 4}, {-1, 2}})
    EXPECT_SIZE(calc.getTileSize("T", ij.first, ij.second), 0, 0);
  EXPECT_SIZE(tileSize(kTiling + kAllKeys + "tileOverlap=nan\n", 2, 2), 0, 0);
  // A corner distance that is no number would lose every comparison.
  EXPECT_SIZE(tileSize(kTiling + kAllKeys + "tileOverlap=10\ntileCornerMark=true\n"
                                            "tileCornerFeedOut=5\ntileCornerFeedIn=nan\n", 2, 2),
              0, 0);
}
