#include "unitCmnAlignmentJobPosition/tiling/TileArrangeByPrintArea.h"

void TileArrangeByPrintArea::layOutTiles() {
  if (firstArrangement().printAreaSet.empty()) oneColumn();
  else sheetPerTile();
}

void TileArrangeByPrintArea::sheetPerTile() {
  int number = 1;
  for (const Tile& tile : tiles()) {
    ArrangeSection sheet = newSheet();
    placeTile(tile, 0.0, 0.0, sheet);
    writeSheet(number++, sheet);
  }
}

void TileArrangeByPrintArea::oneColumn() {
  const PrintSection& p = print();
  requireGap("\"beforeMargin\"", p.beforeMargin);
  requireGap("\"afterMargin\"", p.afterMargin);
  const double afterFeed = data().afterFeed ? p.afterFeed : 0.0;
  requireGap("\"afterFeed\"", afterFeed);
  ArrangeSection sheet = newSheet();
  double y = 0.0;
  for (const Tile& tile : tiles()) {
    placeTile(tile, 0.0, y, sheet);
    y += tile.height + p.beforeMargin + p.afterMargin + afterFeed + data().pageGap;
  }
  writeSheet(1, sheet);
}
