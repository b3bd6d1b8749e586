// The size of one tile of a tiled job through real job texts: its cell of
// the grid turned by its rotation and its overlaps clipped at the work
// rectangle, for every tile and rotation. The margins of corner marks, tile
// number, cut line and label, and grids the tiling does not fill, are the
// cases of SizeCasesTest.
#include <gtest/gtest.h>

#include <string>

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

specialityType::DimDouble tileSize(const std::string& composite, int i, int j) {
  TextJobs run{jobText("T", composite)};
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
