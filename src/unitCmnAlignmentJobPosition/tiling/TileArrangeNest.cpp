#include "unitCmnAlignmentJobPosition/tiling/TileArrangeNest.h"

#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"

void TileArrangeNest::layOutTiles() {
  const bool paired = pairedPlacement();
  if (paired) requireFinite("second column's offset (argument 5)", data().pairColumnOffset);
  const bool twoColumns = paired && data().pairColumnOffset > 0;
  if (paired && !twoColumns) requireFinite("row width (argument 7)", data().pairRowWidthLimit);
  const std::vector<Origin> origins = blockOrigins(paired);
  if (twoColumns) placeInTwoColumns(origins.front());
  else if (paired) placeInRows(rowLimits(data().pairRowWidthLimit, false), origins);
  else placeInRows(rowLimits(data().printableWidth, true), origins);
}

bool TileArrangeNest::pairedPlacement() const {
  return data().pairFirst && data().pairSecond && data().pairCount >= 2;
}

NestRows::Limits TileArrangeNest::rowLimits(double width, bool closesSheets) const {
  NestRows::Limits limits;
  limits.width = width;
  limits.gapScan = data().duplicateMarginScan;
  limits.gapFeed = data().duplicateMarginFeed;
  limits.length = LengthLimit::of(data().printableLength);
  limits.closesSheets = closesSheets;
  return limits;
}

// The blocks are always measured in rows of the printable width; paired
// placement makes them one block on sheet 1.
std::vector<TileArrangeNest::Origin> TileArrangeNest::blockOrigins(bool paired) const {
  NestRows rows(rowLimits(data().printableWidth, !paired));
  std::vector<Origin> origins;
  for (const Tile& tile : tiles())
    if (rows.add(tile.width, tile.height) == NestRows::Step::NewSheet)
      origins.push_back(originOf(rows.closedSheet()));
  origins.push_back(originOf(rows.finish()));
  return origins;
}

TileArrangeNest::Origin TileArrangeNest::originOf(const NestRows::Block& block) const {
  return {getScanOffset(firstArrangement(), printableSize(), block.width),
          getFeedOffset(firstArrangement(), printableSize(), block.height)};
}

void TileArrangeNest::placeInRows(const NestRows::Limits& limits,
                                  const std::vector<Origin>& origins) {
  NestRows rows(limits);
  int number = 1;
  Origin origin = origins.front();
  double y = origin.y;  // where the current row starts along the media
  ArrangeSection sheet = newSheet();
  for (const Tile& tile : tiles()) {
    const NestRows::Step step = rows.add(tile.width, tile.height);
    if (step == NestRows::Step::NewRow) y += rows.completedRowHeight() + limits.gapFeed;
    if (step == NestRows::Step::NewSheet) {
      writeSheet(number++, sheet);
      sheet = newSheet();
      origin = origins.at(static_cast<std::size_t>(number - 1));
      y = origin.y;
    }
    placeTile(tile, rows.rowEnd() - tile.width + origin.x + scanShift(tile.width),
              y + feedShift(tile.height), sheet);
  }
  writeSheet(number, sheet);
}

void TileArrangeNest::placeInTwoColumns(const Origin& origin) {
  double y[2] = {origin.y, origin.y};  // the next place in each column
  const double x[2] = {origin.x, origin.x + data().pairColumnOffset};
  ArrangeSection sheet = newSheet();
  int column = 0;
  for (const Tile& tile : tiles()) {
    placeTile(tile, x[column] + scanShift(tile.width), y[column] + feedShift(tile.height), sheet);
    y[column] += tile.height + data().duplicateMarginFeed;
    column = 1 - column;
  }
  writeSheet(1, sheet);
}
