#include "unitCmnAlignmentJobPosition/tiling/TileArrangeSequential.h"

#include <algorithm>

void TileArrangeSequential::layOutTiles() {
  const specialityType::DimDouble block = blockSize();
  const double x = getScanOffset(firstArrangement(), printableSize(), block.width) +
                   scanShift(block.width);
  double y = getFeedOffset(firstArrangement(), printableSize(), block.height);
  ArrangeSection sheet = newSheet();
  for (const Tile& tile : tiles()) {
    placeTile(tile, x, y + feedShift(tile.height), sheet);
    y += tile.height + data().duplicateMarginFeed;
  }
  writeSheet(1, sheet);
}

specialityType::DimDouble TileArrangeSequential::blockSize() const {
  specialityType::DimDouble block;
  bool first = true;
  for (const Tile& tile : tiles()) {
    block.width = std::max(block.width, tile.width);
    if (!first) block.height += data().duplicateMarginFeed;
    block.height += tile.height;
    first = false;
  }
  return block;
}
