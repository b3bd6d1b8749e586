// Tiled jobs at the edge of what one run places, through the C functions:
// 10,000 tiles are laid out by every kind; more than 100,000 are refused
// before anything is measured, and the job stays as it was.
#include <gtest/gtest.h>

#include <string>

#include "support/LogCapture.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

// A job of columns x rows tiles of 10 x 10 mm listing the tiles in list.
std::string tiledJob(int columns, int rows, const std::string& list,
                     const std::string& printAreaSet = "") {
  std::string scan, feed;
  for (int i = 0; i < columns; ++i) scan += (i ? ",10" : "10");
  for (int j = 0; j < rows; ++j) feed += (j ? ",10" : "10");
  return "[Job]\nJobID=\"T\"\n[Print]\nbeforeMargin=1\n[Composite]\ntiling=true\n"
         "tileScanDivision=" + std::to_string(columns) + "\ntileFeedDivision=" +
         std::to_string(rows) + "\ntileScanPositions=" + scan + "\ntileFeedPositions=" + feed +
         "\ntilePrintTile=" + list + "\n[Arrange1]\nprintAreaSet=\"" + printAreaSet + "\"\n";
}

std::string everyTile(int columns, int rows) {
  std::string list;
  for (int j = 1; j <= rows; ++j)
    for (int i = 1; i <= columns; ++i)
      list += (list.empty() ? "{" : ",{") + std::to_string(i) + "," + std::to_string(j) + "}";
  return list;
}

std::string jobTextOf(void* p) {
  uint64_t size = 0;
  EXPECT_TRUE(getAlignmentJobSize(p, 0, &size));
  std::string text(size, '\0');
  EXPECT_TRUE(copyAlignmentJobParam(p, text.data(), size));
  return text;
}

size_t count(const std::string& text, const std::string& word) {
  size_t n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(TilingLimits, TenThousandTilesAreLaidOutByEveryKind) {
  const std::string list = everyTile(100, 100);
  for (const auto& run : {std::make_pair(6, ""), std::make_pair(7, ""), std::make_pair(8, ""),
                          std::make_pair(8, "A4")}) {
    void* p = CreateInstance();
    init(p, run.first, 2, 2, false, 1000, 3000, 0, 0);
    addJob(p, tiledJob(100, 100, list, run.second).c_str());
    EXPECT_TRUE(alignmentTilingPositionExec(p, false, 0, false, false, 0, 0, 0)) << run.first;
    const std::string text = jobTextOf(p);
    EXPECT_EQ(count(text, "[BinT_"), 10000u) << run.first;
    EXPECT_EQ(count(text, "zOrder=9999\n"), 1u) << run.first;
    disposeInstance(p);
  }
}

TEST(TilingLimits, MoreTilesThanOneRunPlacesAreRefused) {
  std::string list = "{1,1}";
  for (int k = 0; k < 100000; ++k) list += ",{1,1}";
  LogCapture log;
  void* p = CreateInstance();
  init(p, 6, 2, 2, false, 1000, 3000, 0, 0);
  addJob(p, tiledJob(1, 1, list).c_str());
  const std::string before = jobTextOf(p);
  EXPECT_FALSE(alignmentTilingPositionExec(p, false, 0, false, false, 0, 0, 0));
  EXPECT_EQ(jobTextOf(p), before);
  EXPECT_TRUE(log.contains(13, "job T: the tile count of \"tilePrintTile\" exceeds the limit of "
                               "100000 tiles (100001)"));
  disposeInstance(p);
}
