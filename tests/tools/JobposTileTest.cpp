// jobpos tile on the example mural (4 x 2 tiles of 725 x 900 mm; each
// tile but the last column overlaps the next column by 20 mm, each tile of
// row 1 the next row), checked against the library called directly with
// the same seven arguments, and the picture read back.
#include <cmath>
#include <set>
#include <tuple>

#include "JobposHarness.h"

using namespace jobpos_test;

namespace {

// A tile or a strip as (x, y, width, height), rounded to 0.001 mm.
using Box = std::tuple<long, long, long, long>;

Box box(double x, double y, double w, double h) {
  auto r = [](double v) { return std::lround(v * 1000); };
  return {r(x), r(y), r(w), r(h)};
}

Box box(const Element& e) {
  auto at = [&](const char* name) { return std::stod(e.attrs.at(name)); };
  return box(at("x"), at("y"), at("width"), at("height"));
}

// The mural's tiles and strips at the offsets the job holds: 725 x 900,
// plus 20 across for columns 1-3 (strip at the right) and 20 along for
// row 1 (strip at the bottom); each labelled (column,row).
void expectMuralDrawn(const std::vector<Unit>& listed, const std::string& svg) {
  std::set<Box> tiles, strips, drawnTiles, drawnStrips;
  std::multiset<std::string> labels, drawnLabels;
  for (const auto& u : listed) {
    const int column = u.tile.at(0) - '0', row = u.tile.at(2) - '0';
    const double w = 725 + (column < 4 ? 20 : 0), h = 900 + (row == 1 ? 20 : 0);
    tiles.insert(box(u.x, u.y, w, h));
    if (column < 4) strips.insert(box(u.x + w - 20, u.y, 20, h));
    if (row == 1) strips.insert(box(u.x, u.y + h - 20, w, 20));
    labels.insert("(" + u.tile + ")");
  }
  for (const auto& u : pictureUnits(svg)) drawnTiles.insert(box(u.x, u.y, u.width, u.height));
  for (const auto& e : elementsOf(svg, "overlap")) drawnStrips.insert(box(e));
  for (const auto& e : elementsOf(svg, "tile-label")) drawnLabels.insert(e.text);
  EXPECT_EQ(drawnTiles, tiles);
  EXPECT_EQ(drawnStrips, strips);
  EXPECT_EQ(drawnLabels, labels);
}

}  // namespace

TEST(JobposTile, EachKindWritesWhatTheLibraryTilesAndDrawsEveryTile) {
  const std::string mural = std::string(UNITCMN_EXAMPLES) + "/jobs/wall_mural_tiled.ini";
  const struct {
    const char* name;
    int kind;
    double length;
    std::vector<std::string> options;
    TilingArgs args;  // what the options must reach the library as
  } cases[] = {
      {"nest on 2 m sheets", 6, 2000, {}, {}},
      {"nest paired in two columns", 6, -1,
       {"--pair-first", "--pair-second", "--pair-count", "2", "--second-column-offset", "800"},
       {true, 0, false, true, 800, 2, 0}},
      {"nest paired in rows", 6, -1,
       {"--pair-second", "--pair-first", "--row-width", "1500", "--pair-count", "3"},
       {true, 0, false, true, 0, 3, 1500}},
      {"sequential column", 7, -1, {}, {}},
      {"one below the other", 8, -1, {"--page-gap", "10", "--after-feed"},
       {false, 10, true, false, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir scratch;
    std::vector<std::string> args = {
        "tile", "--kind", std::to_string(c.kind), "--width", "1600", "--length",
        std::to_string(c.length), "--gap", "5,5", "--out", scratch.file("out"), "--svg",
        scratch.file("tiles.svg")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(mural);
    const ToolRun run = runJobpos(args, scratch);
    ASSERT_EQ(run.status, 0) << run.err;

    const Expected direct = tileDirectly(c.kind, 1600, c.length, c.args, mural);
    ASSERT_TRUE(direct.answered);
    const std::string written = readText(scratch.file("out/wall_mural_tiled.ini"));
    EXPECT_EQ(written, direct.texts.at(0));
    const auto listed = listedUnits({written});
    EXPECT_EQ(listed.size(), 8u) << "one binary unit per printed tile";
    expectMuralDrawn(listed, readText(scratch.file("tiles.svg")));
    std::map<int, size_t> perSheet;
    for (const auto& u : listed) ++perSheet[u.sheet];
    for (const auto& s : perSheet)
      EXPECT_NE(run.out.find("sheet " + std::to_string(s.first) + ": " +
                             std::to_string(s.second) + " tiles, used length"),
                std::string::npos)
          << run.out;
  }
}

TEST(JobposTile, ATurnedTileCarriesItsOverlapOnTheTurnedSide) {
  // Two 150 x 100 columns of a 300 x 100 image, column 1 overlapping
  // column 2 by 10. Turned by 90, tile (1,1) lies 100 x 150 with the
  // overlap at its start along the feed: 100 x 160, the strip at the top.
  ScratchDir scratch;
  const std::string job = scratch.put(
      "turned.ini",
      "[Job]\nJobID=\"T\"\n[Composite]\npages=1\nscale=300,100\ntiling=true\n"
      "tileScanDivision=2\ntileFeedDivision=1\ntileScanPositions=150,150\n"
      "tileFeedPositions=100\ntileWorkSize=0,0,300,100\ntileOverlap=10\ntileOverlapLeft=true\n"
      "tileRotates=90,0\ntilePrintTile={1,1},{2,1}\n[Arrange1]\ncompositeKeys=BinA,BinB\n"
      "[BinA]\ntileNumber=1,1\noffset=0,0\n[BinB]\ntileNumber=2,1\noffset=200,0\n");
  const ToolRun run = runJobpos({"show", "--width", "400", "--svg", scratch.file("t.svg"), job},
                                scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string svg = readText(scratch.file("t.svg"));
  std::set<Box> tiles;
  for (const auto& u : pictureUnits(svg)) tiles.insert(box(u.x, u.y, u.width, u.height));
  EXPECT_EQ(tiles, (std::set<Box>{box(0, 0, 100, 160), box(200, 0, 150, 100)}));
  const auto strips = elementsOf(svg, "overlap");
  ASSERT_EQ(strips.size(), 1u);
  EXPECT_EQ(box(strips[0]), box(0, 0, 100, 10));
  EXPECT_EQ(strips[0].attrs.at("data-side"), "top");
  EXPECT_NE(svg.find("joined to tile (2,1)"), std::string::npos);
  EXPECT_EQ(classCount(svg, "turned"), 1u);
}
