#include "TileGeometry.h"

#include <algorithm>
#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/split.hpp>
#include <cstddef>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace {

const char* const kComposite = "Composite";

struct Rect {
  double x, y, width, height;
};

double at(const std::vector<double>& list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.size() ? list[index] : 0.0;
}

double sumOfFirst(const std::vector<double>& list, int count) {
  double sum = 0.0;
  for (int k = 0; k < count; ++k) sum += at(list, k);
  return sum;
}

// The column of a quarter turn in the tables below; -1 for other angles.
int turnColumn(int rotation) {
  return rotation == 0 ? 0 : rotation == 90 ? 1 : rotation == 180 ? 2 : rotation == 270 ? 3 : -1;
}

// A rectangle of the unrotated grid turned inside the job (W, H):
// (x, y), (y, W - w - x), (W - w - x, H - h - y), (H - h - y, x).
Rect turned(const Rect& r, int rotation, double jobW, double jobH) {
  const bool swaps = rotation % 180 != 0;
  const double w = swaps ? r.height : r.width, h = swaps ? r.width : r.height;
  switch (turnColumn(rotation)) {
    case 0: return {r.x, r.y, w, h};
    case 1: return {r.y, jobW - r.width - r.x, w, h};
    case 2: return {jobW - r.width - r.x, jobH - r.height - r.y, w, h};
    case 3: return {jobH - r.height - r.y, r.x, w, h};
    default: return {0.0, 0.0, w, h};
  }
}

// When a side of a turned tile overlaps: the tile's column (or row) must
// not be the first (or last) of the tiling, and the overlap key must be on.
// The neighbour is the next column or row on that side.
struct OverlapRule {
  bool byColumn;
  bool notLast;  // false: not the first
  const char* key;
};

// Rows in UnitSide order (top = start of the feed, bottom = its end, left
// = start of the scan, right = its end); columns 0, 90, 180, 270 degrees.
const OverlapRule kRules[kUnitSides][4] = {
    /* top    */ {{false, false, "tileOverlapBottom"}, {true, true, "tileOverlapLeft"},
                  {false, true, "tileOverlapTop"}, {true, false, "tileOverlapRight"}},
    /* bottom */ {{false, true, "tileOverlapTop"}, {true, false, "tileOverlapRight"},
                  {false, false, "tileOverlapBottom"}, {true, true, "tileOverlapLeft"}},
    /* left   */ {{true, false, "tileOverlapRight"}, {false, false, "tileOverlapBottom"},
                  {true, true, "tileOverlapLeft"}, {false, true, "tileOverlapTop"}},
    /* right  */ {{true, true, "tileOverlapLeft"}, {false, true, "tileOverlapTop"},
                  {true, false, "tileOverlapRight"}, {false, false, "tileOverlapBottom"}},
};

bool isTrue(const JobText& job, const char* key) {
  const auto text = job.value(kComposite, key);
  return text && boost::algorithm::iequals(*text, "true");
}

// The neighbour across the side when the rule lets the side overlap;
// column 0 when it does not.
TileOverlapSide neighbour(const JobText& job, const OverlapRule& rule, int column, int row,
                          int columns, int rows) {
  TileOverlapSide side;
  const int index = rule.byColumn ? column : row;
  const int edge = rule.notLast ? (rule.byColumn ? columns : rows) : 1;
  if (index == edge || !isTrue(job, rule.key)) return side;
  side.column = column;
  side.row = row;
  (rule.byColumn ? side.column : side.row) += rule.notLast ? 1 : -1;
  return side;
}

// How far a side reaches: the overlap, less what would pass the work
// rectangle.
double clippedDepth(UnitSide side, const Rect& tile, const Rect& work, double overlap) {
  switch (side) {
    case kTop: return overlap - std::max(0.0, work.y - (tile.y - overlap));
    case kBottom:
      return overlap - std::max(0.0, (tile.y + tile.height + overlap) - (work.y + work.height));
    case kLeft: return overlap - std::max(0.0, work.x - (tile.x - overlap));
    case kRight:
      return overlap - std::max(0.0, (tile.x + tile.width + overlap) - (work.x + work.width));
  }
  return 0.0;
}

}  // namespace

int TileGeometry::rotation(const JobText& job, int column, int row) {
  // A list of lists: columns joined by ",", the rows of a column by ";".
  const auto text = job.value(kComposite, "tileRotates");
  if (!text || text->empty()) return 0;
  std::vector<std::string> columns, rows;
  boost::algorithm::split(columns, *text, [](char c) { return c == ','; });
  if (column < 1 || static_cast<std::size_t>(column) > columns.size()) return 0;
  boost::algorithm::split(rows, columns[column - 1], [](char c) { return c == ';'; });
  long value = 0;
  if (row < 1 || static_cast<std::size_t>(row) > rows.size() ||
      !CommandLine::parseInteger(rows[row - 1], value))
    return 0;
  return static_cast<int>(value);
}

TileGeometry::Shape TileGeometry::of(const JobText& job, int column, int row) {
  Shape shape;
  const int columns = static_cast<int>(job.number(kComposite, "tileScanDivision", 0));
  const int rows = static_cast<int>(job.number(kComposite, "tileFeedDivision", 0));
  if (column < 1 || row < 1 || column > columns || row > rows) return shape;
  const auto widths = job.numbers(kComposite, "tileScanPositions");
  const auto heights = job.numbers(kComposite, "tileFeedPositions");
  const auto q = job.numbers(kComposite, "tileWorkSize");
  const auto scale = job.numbers(kComposite, "scale");
  shape.rotation = rotation(job, column, row);

  const Rect grid{at(q, 0) + sumOfFirst(widths, column - 1), at(q, 1) + sumOfFirst(heights, row - 1),
                  at(widths, column - 1), at(heights, row - 1)};
  const Rect tile = turned(grid, shape.rotation, at(scale, 0), at(scale, 1));
  const Rect work = turned({at(q, 0), at(q, 1), at(q, 2), at(q, 3)}, shape.rotation,
                           at(scale, 0), at(scale, 1));
  const double overlap = job.number(kComposite, "tileOverlap", 0.0);
  shape.width = tile.width;
  shape.height = tile.height;
  const int turn = turnColumn(shape.rotation);
  if (turn < 0) return shape;
  for (int s = 0; s < kUnitSides; ++s) {
    const auto side = static_cast<UnitSide>(s);
    TileOverlapSide o = neighbour(job, kRules[s][turn], column, row, columns, rows);
    if (o.column == 0) continue;
    o.depth = clippedDepth(side, tile, work, overlap);
    (side == kTop || side == kBottom ? shape.height : shape.width) += o.depth;
    shape.overlaps[s] = o;
  }
  return shape;
}
