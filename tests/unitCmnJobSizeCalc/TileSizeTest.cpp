// The size of one tile of a tiled job, through real job texts: the tile's
// cell of the grid turned by its rotation, its overlaps clipped at the work
// rectangle, and the margins of corner marks, tile numbers, cut line and
// label.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/JobSizeCalc.h"
#include "unitCmnJobSizeCalc/TileTurn.h"

namespace {

// A 3 x 3 tiling of a 320 x 250 job. Columns 100, 90, 70 wide from x = 10
// ([10,110], [110,200], [200,270]); rows 60, 70, 80 high from y = 20
// ([20,80], [80,150], [150,230]). The work rectangle [10,290] x [20,242]
// reaches 20 beyond the last column and 12 beyond the last row.
const std::string kTiling =
    "pages=1\nduplicateCount=1\ntiling=true\nscale=320,250\ntileScanDivision=3\n"
    "tileFeedDivision=3\ntileScanPositions=100,90,70\ntileFeedPositions=60,70,80\n"
    "tileWorkSize=10,20,280,222\n";
const double kColumnWidth[] = {100, 90, 70};
const double kRowHeight[] = {60, 70, 80};

// Every tile turned by r.
std::string rotations(int r) {
  const std::string c = std::to_string(r) + ";" + std::to_string(r) + ";" + std::to_string(r);
  return "tileRotates=" + c + "," + c + "," + c + "\n";
}

const std::string kAllKeys =
    "tileOverlapTop=true\ntileOverlapLeft=true\ntileOverlapBottom=true\ntileOverlapRight=true\n";

bool quarter(int r) { return r == 90 || r == 270; }

class TileSizeTest : public ::testing::Test {
 protected:
  specialityType::DimDouble tileSize(const std::string& composite, int i, int j,
                                     const std::string& print = "") {
    JobRun run;
    run.add(jobText("T", composite, print));
    return JobSizeCalc(run.jobs(), false, 0.0).getTileSize("T", i, j);
  }
};

}  // namespace

// ---- the grid and the rotation ----

TEST_F(TileSizeTest, EveryTileIsItsGridCellTurnedByItsRotation) {
  for (int r : {0, 90, 180, 270}) {
    JobRun run;
    run.add(jobText("T", kTiling + rotations(r)));
    const JobSizeCalc calc(run.jobs(), false, 0.0);
    for (int i = 1; i <= 3; ++i)
      for (int j = 1; j <= 3; ++j) {
        SCOPED_TRACE("r=" + std::to_string(r) + " tile " + std::to_string(i) + "," +
                     std::to_string(j));
        const double w = kColumnWidth[i - 1], h = kRowHeight[j - 1];
        EXPECT_SIZE(calc.getTileSize("T", i, j), quarter(r) ? h : w, quarter(r) ? w : h);
      }
  }
}

struct TurnCase {
  int rotation;
  specialityType::RectDouble in, out;
};

class TileTurnTest : public ::testing::TestWithParam<TurnCase> {};

// Inside a 320 x 250 job.
TEST_P(TileTurnTest, PositionFollowsTheRotation) {
  const TurnCase c = GetParam();
  EXPECT_RECT(TileTurn::turn(c.in, c.rotation, 320, 250), c.out.x, c.out.y, c.out.width,
              c.out.height);
}

// The tile (10, 20, 100, 60) and the work rectangle (10, 20, 280, 222).
INSTANTIATE_TEST_SUITE_P(
    Rotations, TileTurnTest,
    ::testing::Values(
        TurnCase{0, {10, 20, 100, 60}, {10, 20, 100, 60}},
        // (y, W - w - x) = (20, 320 - 100 - 10).
        TurnCase{90, {10, 20, 100, 60}, {20, 210, 60, 100}},
        // (W - w - x, H - h - y) = (210, 250 - 60 - 20).
        TurnCase{180, {10, 20, 100, 60}, {210, 170, 100, 60}},
        // (H - h - y, x) = (170, 10).
        TurnCase{270, {10, 20, 100, 60}, {170, 10, 60, 100}},
        TurnCase{0, {10, 20, 280, 222}, {10, 20, 280, 222}},
        // (20, 320 - 280 - 10), (320 - 280 - 10, 250 - 222 - 20), (250 - 222 - 20, 10).
        TurnCase{90, {10, 20, 280, 222}, {20, 30, 222, 280}},
        TurnCase{180, {10, 20, 280, 222}, {30, 8, 280, 222}},
        TurnCase{270, {10, 20, 280, 222}, {8, 10, 222, 280}},
        // Other angles: at (0, 0); swapped unless a multiple of 180.
        TurnCase{45, {10, 20, 100, 60}, {0, 0, 60, 100}},
        TurnCase{-90, {10, 20, 100, 60}, {0, 0, 60, 100}},
        TurnCase{360, {10, 20, 100, 60}, {0, 0, 100, 60}}));

TEST_F(TileSizeTest, AnUnknownRotationSwapsButNeverGrows) {
  // 45 degrees: turned 60 x 100, no overlap on any side.
  EXPECT_SIZE(tileSize(kTiling + kAllKeys + "tileOverlap=5\n" + rotations(45), 2, 2), 70, 90);
}

// ---- overlaps ----

// Which tiles grow when only one overlap key is on, and along which axis of
// the turned tile. Top overlaps the next row (j + 1), Bottom the previous
// row, Left the next column (i + 1), Right the previous column; a quarter
// turn moves rows onto the width.
enum class Grows { BeforeLastRow, AfterFirstRow, BeforeLastColumn, AfterFirstColumn };

struct KeyCase {
  int rotation;
  const char* key;
  bool alongWidth;
  Grows grows;
};

class OverlapKeyTest : public TileSizeTest, public ::testing::WithParamInterface<KeyCase> {};

// Overlap 5, far from any clipping.
TEST_P(OverlapKeyTest, OneKeyGrowsTheTilesThatHaveThatNeighbour) {
  const KeyCase c = GetParam();
  JobRun run;
  run.add(jobText("T", kTiling + rotations(c.rotation) + "tileOverlap=5\n" + c.key + "=true\n"));
  const JobSizeCalc calc(run.jobs(), false, 0.0);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      SCOPED_TRACE("tile " + std::to_string(i) + "," + std::to_string(j));
      const bool grows = (c.grows == Grows::BeforeLastRow && j < 3) ||
                         (c.grows == Grows::AfterFirstRow && j > 1) ||
                         (c.grows == Grows::BeforeLastColumn && i < 3) ||
                         (c.grows == Grows::AfterFirstColumn && i > 1);
      double w = kColumnWidth[i - 1], h = kRowHeight[j - 1];
      if (quarter(c.rotation)) std::swap(w, h);
      const double e = grows ? 5 : 0;
      EXPECT_SIZE(calc.getTileSize("T", i, j), w + (c.alongWidth ? e : 0),
                  h + (c.alongWidth ? 0 : e));
    }
}

INSTANTIATE_TEST_SUITE_P(
    RotationsAndKeys, OverlapKeyTest,
    ::testing::Values(KeyCase{0, "tileOverlapTop", false, Grows::BeforeLastRow},
                      KeyCase{0, "tileOverlapBottom", false, Grows::AfterFirstRow},
                      KeyCase{0, "tileOverlapLeft", true, Grows::BeforeLastColumn},
                      KeyCase{0, "tileOverlapRight", true, Grows::AfterFirstColumn},
                      KeyCase{90, "tileOverlapTop", true, Grows::BeforeLastRow},
                      KeyCase{90, "tileOverlapBottom", true, Grows::AfterFirstRow},
                      KeyCase{90, "tileOverlapLeft", false, Grows::BeforeLastColumn},
                      KeyCase{90, "tileOverlapRight", false, Grows::AfterFirstColumn},
                      KeyCase{180, "tileOverlapTop", false, Grows::BeforeLastRow},
                      KeyCase{180, "tileOverlapBottom", false, Grows::AfterFirstRow},
                      KeyCase{180, "tileOverlapLeft", true, Grows::BeforeLastColumn},
                      KeyCase{180, "tileOverlapRight", true, Grows::AfterFirstColumn},
                      KeyCase{270, "tileOverlapTop", true, Grows::BeforeLastRow},
                      KeyCase{270, "tileOverlapBottom", true, Grows::AfterFirstRow},
                      KeyCase{270, "tileOverlapLeft", false, Grows::BeforeLastColumn},
                      KeyCase{270, "tileOverlapRight", false, Grows::AfterFirstColumn}));

// Overlap 95 on every side, clipped at the work rectangle [10,290] x [20,242]:
//   towards the previous column: 95 (x - 95 = 15 and 105 stay inside 10);
//   towards the next column: tile 1 95, tile 2 290 - 200 = 90;
//   towards the previous row: tile 2 80 - 20 = 60, tile 3 95;
//   towards the next row: tile 1 95, tile 2 242 - 150 = 92.
// Widths 100 + 95 = 195, 95 + 90 + 90 = 275, 95 + 70 = 165; heights
// 60 + 95 = 155, 60 + 70 + 92 = 222, 95 + 80 = 175. Turning the tile turns
// its work rectangle with it, so the clipping follows the tile.
TEST_F(TileSizeTest, OverlapsAreClippedAtTheWorkRectangleInEveryRotation) {
  const double width[] = {195, 275, 165}, height[] = {155, 222, 175};
  for (int r : {0, 90, 180, 270}) {
    JobRun run;
    run.add(jobText("T", kTiling + rotations(r) + kAllKeys + "tileOverlap=95\n"));
    const JobSizeCalc calc(run.jobs(), false, 0.0);
    for (int i = 1; i <= 3; ++i)
      for (int j = 1; j <= 3; ++j) {
        SCOPED_TRACE("r=" + std::to_string(r) + " tile " + std::to_string(i) + "," +
                     std::to_string(j));
        const double w = width[i - 1], h = height[j - 1];
        EXPECT_SIZE(calc.getTileSize("T", i, j), quarter(r) ? h : w, quarter(r) ? w : h);
      }
  }
}

TEST_F(TileSizeTest, ATwoByTwoCornerTileGrowsOnlyTowardsItsNeighbours) {
  // Tile (1,1) of 2 x 2 cells of 100 x 60 filling the work rectangle: only
  // the end of x and the end of y grow by 5.
  EXPECT_SIZE(tileSize("pages=1\ntiling=true\nscale=200,120\ntileScanDivision=2\n"
                       "tileFeedDivision=2\ntileScanPositions=100,100\n"
                       "tileFeedPositions=60,60\ntileWorkSize=0,0,200,120\ntileOverlap=5\n" +
                           kAllKeys,
                       1, 1),
              105, 65);
}

// ---- corner marks ----

// Corner distances: feed out 5, feed in 100, scan out 8, scan in 120; the
// line of 7.2 pt = 2.54 mm makes the outer distances 7.54 and 10.54. The
// y sides use the feed pair for 0 and 180 degrees, the scan pair for 90
// and 270; the x sides the other pair.
const std::string kCorners =
    "tileCornerMark=true\ntileCornerFeedOut=5\ntileCornerFeedIn=100\ntileCornerScanOut=8\n"
    "tileCornerScanIn=120\ntileCornerLineWidth=7.2\n";

struct CornerCase {
  const char* name;
  std::string keys;
  int i, j;
  double width, height;
};

class CornerMarkTest : public TileSizeTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(CornerMarkTest, CornerMarksNeedRoomAroundTheTile) {
  const CornerCase& c = GetParam();
  EXPECT_SIZE(tileSize(kTiling + c.keys, c.i, c.j), c.width, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CornerMarkTest,
    ::testing::Values(
        // Tile (1,1), 100 x 60, overlap 10 at the end of x and of y: 110 x 70.
        // End of y (neighbour across): reach 100 - 60 = 40, 40 - 10 = 30 > 7.54: 30.
        // Start of y: 40 - 10 = 30, then opposite: 40 > 30 keeps 40.
        // End of x: reach 120 - 100 = 20, 20 - 10 = 10 < 10.54: 10.54.
        // Start of x: 10.54, then opposite: 20. -> 110 + 30.54, 70 + 70.
        CornerCase{"CornerTile", kCorners + kAllKeys + "tileOverlap=10\n", 1, 1, 140.54, 140},
        // The same tile turned by 90: 60 x 100 grown to 70 x 110; the y sides
        // now use the scan pair: end 20, start 10.54; the x sides the feed
        // pair (reach 100 - 60 = 40): end 30, start 40. -> 140 x 140.54.
        CornerCase{"CornerTileTurned", kCorners + kAllKeys + "tileOverlap=10\n" + rotations(90), 1,
                   1, 140, 140.54},
        // Tile (2,2), 90 x 70, grows 10 on all sides: 110 x 90.
        // y sides: reach 30, 30 - 10 - 10 = 10 > 7.54, then 30 - 10 = 20: 20 each.
        // x sides: reach 30, 10 < 10.54, then 30 - 10 = 20: 20 each. -> 150 x 130.
        CornerCase{"MiddleTile", kCorners + kAllKeys + "tileOverlap=10\n", 2, 2, 150, 130},
        // Tile (2,2) overlapping only its rows: 90 x 90. The y sides have no
        // neighbour across: max(0, 7.54 - 10) = 0, then 100 - 70 - 10 = 20.
        // The x sides see the rows across: reach 120 - 90 = 30 > 10.54: 30.
        CornerCase{"RowsOnly",
                   kCorners + "tileOverlap=10\ntileOverlapTop=true\ntileOverlapBottom=true\n", 2, 2,
                   150, 130},
        // Tile (1,1) overlapping only the next row by 4: 100 x 64.
        // End of y: 7.54 - 4 = 3.54; start of y, opposite only: 100 - 60 = 40.
        // x sides: reach 20 > 10.54: 20 each. -> 140 x 107.54.
        CornerCase{"OneOverlap", kCorners + "tileOverlap=4\ntileOverlapTop=true\n", 1, 1, 140,
                   107.54},
        // No side overlaps: no corner marks are needed.
        CornerCase{"NoOverlapKeys", kCorners + "tileOverlap=10\n", 1, 1, 100, 60},
        // Without an overlap there are no corner marks at all.
        CornerCase{"OverlapZero", kCorners + kAllKeys + "tileOverlap=0\n", 1, 1, 100, 60},
        // Corner marks switched off: only the overlap (110 x 70).
        CornerCase{"MarksOff",
                   "tileCornerMark=false\ntileCornerFeedOut=5\ntileCornerFeedIn=100\n" + kAllKeys +
                       "tileOverlap=10\n",
                   1, 1, 110, 70},
        // All distances 0: the line width is not added either, nothing needed.
        CornerCase{"NoDistances",
                   "tileCornerMark=true\ntileCornerLineWidth=7.2\n" + kAllKeys + "tileOverlap=10\n",
                   1, 1, 110, 70}),
    [](const ::testing::TestParamInfo<CornerCase>& info) { return info.param.name; });

// ---- tile numbers ----

// Tile (2,2) with overlap 95 on every side (ends: x 90, y 92; starts: x 95,
// y 60), grown to 275 x 222; number 288 pt = 101.6 mm printed on the
// overlap. Outside a side it needs 101.6 minus that side's overlap: end of
// y 9.6, start of y 41.6, end of x 11.6, start of x 6.6; inside it needs
// 101.6 - 70 (the tile's height) = 31.6.
const std::string kNumber = kTiling + kAllKeys +
                            "tileOverlap=95\ntilePrintNumber=true\ntileNumberFontSize=288\n"
                            "tileNumberOnOverlap=true\n";

struct NumberCase {
  int rotate;      // the composite's "rotate"
  int tileRotation;
  std::vector<int> positions;
  double width, height;
};

class TileNumberTest : public TileSizeTest, public ::testing::WithParamInterface<NumberCase> {};

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

// Sums, with inside 31.6 on both sides of an axis = 63.2:
//   outside end of y:   222 + 9.6 = 231.6     outside start of y: 222 + 41.6 = 263.6
//   outside end of x:   275 + 11.6 = 286.6    outside start of x: 275 + 6.6 = 281.6
//   inside both x: 275 + 63.2 = 338.2         inside both y: 222 + 63.2 = 285.2
INSTANTIATE_TEST_SUITE_P(
    Positions, TileNumberTest,
    ::testing::Values(
        // Number at 0 degrees: 1-3 outside end of y, 4-6 outside start of y,
        // 7-9 outside end of x, 10-12 outside start of x.
        NumberCase{0, 0, {1, 2, 3}, 338.2, 231.6}, NumberCase{0, 0, {4, 5, 6}, 338.2, 263.6},
        NumberCase{0, 0, {7, 8, 9}, 286.6, 285.2}, NumberCase{0, 0, {10, 11, 12}, 281.6, 285.2},
        // 90: 1-3 end of x, 4-6 start of x, 7-9 start of y, 10-12 end of y.
        NumberCase{90, 0, {1, 2, 3}, 286.6, 285.2}, NumberCase{90, 0, {4, 5, 6}, 281.6, 285.2},
        NumberCase{90, 0, {7, 8, 9}, 338.2, 263.6}, NumberCase{90, 0, {10, 11, 12}, 338.2, 231.6},
        // 180: 1-3 start of y, 4-6 end of y, 7-9 start of x, 10-12 end of x.
        NumberCase{180, 0, {1, 2, 3}, 338.2, 263.6}, NumberCase{180, 0, {4, 5, 6}, 338.2, 231.6},
        NumberCase{180, 0, {7, 8, 9}, 281.6, 285.2}, NumberCase{180, 0, {10, 11, 12}, 286.6, 285.2},
        // 270: 1-3 start of x, 4-6 end of x, 7-9 end of y, 10-12 start of y.
        NumberCase{270, 0, {1, 2, 3}, 281.6, 285.2}, NumberCase{270, 0, {4, 5, 6}, 286.6, 285.2},
        NumberCase{270, 0, {7, 8, 9}, 338.2, 231.6}, NumberCase{270, 0, {10, 11, 12}, 338.2, 263.6},
        // -90 is 270.
        NumberCase{-90, 0, {1}, 281.6, 285.2},
        // A tile turned by 90 in a job turned by 270: the number at 0 degrees.
        // The tile is 70 x 90 grown to 222 x 275; its end of y faces the
        // previous column (overlap 95): 101.6 - 95 = 6.6; inside 101.6 - 90 = 11.6
        // on both x sides: 222 + 23.2 = 245.2, 275 + 6.6 = 281.6.
        NumberCase{270, 90, {1, 2, 3}, 245.2, 281.6},
        // A tile turned by 180: its start of y faces the next row (92):
        // 101.6 - 92 = 9.6; inside 31.6 on both x sides: 338.2 x 231.6.
        NumberCase{0, 180, {1, 2, 3}, 338.2, 231.6},
        // Turned by 270 in a job turned by 180: the number at 90 degrees. The
        // tile is 70 x 90 grown to 222 x 275; its end of y faces the next
        // column (90), its start of x the next row (92), inside 11.6.
        // 10-12: end of y 101.6 - 90 = 11.6, inside both x: 245.2 x 286.6.
        NumberCase{180, 270, {10, 11, 12}, 245.2, 286.6},
        // 4-6: start of x 101.6 - 92 = 9.6, inside both y: 231.6 x 298.2.
        NumberCase{180, 270, {4, 5, 6}, 231.6, 298.2},
        // Positions outside 1-12 print the number nowhere that needs room.
        NumberCase{0, 0, {0, 13}, 275, 222}));

TEST_F(TileSizeTest, NumberOffTheOverlapNeedsItsFullSize) {
  // Position 1, number not on the overlap: end of y 101.6; inside both x 31.6.
  EXPECT_SIZE(tileSize(kTiling + kAllKeys +
                           "tileOverlap=95\ntilePrintNumber=true\ntileNumberFontSize=288\n"
                           "tileNumberPosition=1\n",
                       2, 2),
              338.2, 323.6);
}

TEST_F(TileSizeTest, NumberSmallerThanTheOverlapFitsOnIt) {
  // 72 pt = 25.4 mm at position 1: on the overlap of 92 it needs nothing;
  // inside 25.4 - 70 < 0 needs nothing either. Off the overlap: 222 + 25.4.
  const std::string small = kTiling + kAllKeys +
                            "tileOverlap=95\ntilePrintNumber=true\ntileNumberFontSize=72\n"
                            "tileNumberPosition=1\n";
  EXPECT_SIZE(tileSize(small + "tileNumberOnOverlap=true\n", 2, 2), 275, 222);
  EXPECT_SIZE(tileSize(small + "tileNumberOnOverlap=false\n", 2, 2), 275, 247.4);
}

TEST_F(TileSizeTest, NumberOutsideASideWithoutOverlapNeedsItsFullSize) {
  // Tile (1,1) grows 95 at the ends only: 195 x 155. Position 4 is outside
  // its start of y, which does not overlap: 101.6; inside both x: 101.6 - 60
  // = 41.6. -> 195 + 83.2 = 278.2, 155 + 101.6 = 256.6.
  EXPECT_SIZE(tileSize(kNumber + "tileNumberPosition=4\n", 1, 1), 278.2, 256.6);
}

// ---- cut line and label ----

TEST_F(TileSizeTest, CutLineNeedsItsWidthOnEverySide) {
  // 36 pt = 12.7 mm on each side of the 100 x 60 tile.
  EXPECT_SIZE(tileSize(kTiling + "printCutline=true\ncutlineWidth=36\n", 1, 1), 125.4, 85.4);
  // With the corner marks of the corner tile (30, 40, 10.54, 20) only the
  // end of x is below 12.7: 110 + 12.7 + 20, 70 + 30 + 40.
  EXPECT_SIZE(tileSize(kTiling + kCorners + kAllKeys +
                           "tileOverlap=10\nprintCutline=true\ncutlineWidth=36\n",
                       1, 1),
              142.7, 140);
}

TEST_F(TileSizeTest, LabelIsAddedUnderEveryTileEvenWhenPanelled) {
  // 2 lines of 5 mm and a gap of max(16 * 0.5, 5) = 8: 60 + 18.
  const std::string label =
      kTiling + "labelPrint=true\njobInf=true\nlabelPrintStringLine=2\nlabelSize=5\n";
  const std::string print = "registerMarkShape=1\nregisterMarkSize=16\n";
  EXPECT_SIZE(tileSize(label, 1, 1, print), 100, 78);
  EXPECT_SIZE(tileSize(label + "paneling=true\n", 1, 1, print), 100, 78);
}

// ---- tiles and lists the tiling does not hold ----

TEST_F(TileSizeTest, TilesOutsideTheTilingHaveNoSize) {
  JobRun run;
  run.add(jobText("T", kTiling));
  const JobSizeCalc calc(run.jobs(), false, 0.0);
  for (const auto& ij : std::vector<std::pair<int, int>>{{0, 1}, {1, 0}, {4, 1}, {1, 4}, {-1, 2}}) {
    SCOPED_TRACE(std::to_string(ij.first) + "," + std::to_string(ij.second));
    EXPECT_SIZE(calc.getTileSize("T", ij.first, ij.second), 0, 0);
  }
}

TEST_F(TileSizeTest, ShortListsCountMissingValuesAsZero) {
  JobRun run;
  // Two column widths for three columns; rotations 0,90,180 for column 1,
  // 270 for tile (2,1) only.
  run.add(jobText("T", "pages=1\ntiling=true\nscale=320,250\ntileScanDivision=3\n"
                       "tileFeedDivision=3\ntileScanPositions=100,90\n"
                       "tileFeedPositions=60,70,80\ntileWorkSize=10,20,280,222\n"
                       "tileRotates=0;90;180,270\n"));
  const JobSizeCalc calc(run.jobs(), false, 0.0);
  EXPECT_SIZE(calc.getTileSize("T", 1, 2), 70, 100);  // turned by 90
  EXPECT_SIZE(calc.getTileSize("T", 1, 3), 100, 80);  // 180
  EXPECT_SIZE(calc.getTileSize("T", 2, 1), 60, 90);   // 270
  EXPECT_SIZE(calc.getTileSize("T", 2, 2), 90, 70);   // no rotation given: 0
  EXPECT_SIZE(calc.getTileSize("T", 3, 1), 0, 60);    // no width given
}

TEST_F(TileSizeTest, ValuesThatAreNoNumberGiveNoSize) {
  EXPECT_SIZE(tileSize(kTiling + kAllKeys + "tileOverlap=nan\n", 2, 2), 0, 0);
  // A corner distance that is no number would lose every comparison.
  const std::string nanCorners =
      "tileCornerMark=true\ntileCornerFeedOut=5\ntileCornerFeedIn=nan\ntileCornerScanOut=8\n"
      "tileCornerScanIn=120\n";
  EXPECT_SIZE(tileSize(kTiling + nanCorners + kAllKeys + "tileOverlap=10\n", 2, 2), 0, 0);
}
