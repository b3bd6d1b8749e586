#include "unitCmnJobSizeCalc/TileOverlap.h"

namespace {

enum class Index { I, J };        // the tile's column i0 or row j0
enum class Edge { First, Last };  // 0, or S' resp. F' (division - 1)
enum class Key { Top, Left, Bottom, Right };

// A side grows when the index is not at the edge and the key is on.
struct FlagRule {
  Index index;
  Edge edge;
  Key key;
};

constexpr Index I = Index::I;
constexpr Index J = Index::J;
constexpr Edge First = Edge::First;
constexpr Edge Last = Edge::Last;
constexpr Key Top = Key::Top;
constexpr Key Left = Key::Left;
constexpr Key Bottom = Key::Bottom;
constexpr Key Right = Key::Right;

// Rows: the sides in TileSide order; columns: rotation 0, 90, 180, 270.
constexpr FlagRule kFlagRules[kTileSideCount][4] = {
    /* end of y   */ {{J, Last, Top}, {I, First, Right}, {J, First, Bottom}, {I, Last, Left}},
    /* start of y */ {{J, First, Bottom}, {I, Last, Left}, {J, Last, Top}, {I, First, Right}},
    /* end of x   */ {{I, Last, Left}, {J, Last, Top}, {I, First, Right}, {J, First, Bottom}},
    /* start of x */ {{I, First, Right}, {J, First, Bottom}, {I, Last, Left}, {J, Last, Top}},
};

// The overlap keys in Key order.
constexpr bool CompositeSection::*kKeys[] = {
    &CompositeSection::tileOverlapTop, &CompositeSection::tileOverlapLeft,
    &CompositeSection::tileOverlapBottom, &CompositeSection::tileOverlapRight};

bool applies(const FlagRule& rule, const CompositeSection& c, int i0, int j0) {
  const bool byColumn = rule.index == Index::I;
  const int index = byColumn ? i0 : j0;
  const int last = (byColumn ? c.tileScanDivision : c.tileFeedDivision) - 1;
  const int edge = rule.edge == Edge::First ? 0 : last;
  return index != edge && c.*kKeys[static_cast<int>(rule.key)];
}

// The extension of a side that grows towards larger values, clipped at
// the end of the work rectangle.
double clipAtEnd(double pos, double length, double workPos, double workLength, double e) {
  const double beyond = (pos + length + e) - (workPos + workLength);
  return beyond > 0 ? e - beyond : e;
}

// The extension of a side that grows towards smaller values, clipped at
// the start of the work rectangle.
double clipAtStart(double pos, double workPos, double e) {
  const double before = workPos - (pos - e);
  return before > 0 ? e - before : e;
}

}  // namespace

TileSideFlags TileOverlap::flags(const CompositeSection& composite, int i0, int j0, int rotation) {
  TileSideFlags out{};
  const int column = quarterTurnColumn(rotation);
  if (column < 0) return out;
  for (TileSide side : kTileSides) out[side] = applies(kFlagRules[side][column], composite, i0, j0);
  return out;
}

TileSideValues TileOverlap::grow(specialityType::RectDouble& rect,
                                 const specialityType::RectDouble& work, const TileSideFlags& flags,
                                 double overlap) {
  TileSideValues e{};
  if (flags[kEndOfY]) {
    e[kEndOfY] = clipAtEnd(rect.y, rect.height, work.y, work.height, overlap);
    rect.height += e[kEndOfY];
  }
  if (flags[kEndOfX]) {
    e[kEndOfX] = clipAtEnd(rect.x, rect.width, work.x, work.width, overlap);
    rect.width += e[kEndOfX];
  }
  if (flags[kStartOfY]) {
    e[kStartOfY] = clipAtStart(rect.y, work.y, overlap);
    rect.y -= e[kStartOfY];
    rect.height += e[kStartOfY];
  }
  if (flags[kStartOfX]) {
    e[kStartOfX] = clipAtStart(rect.x, work.x, overlap);
    rect.x -= e[kStartOfX];
    rect.width += e[kStartOfX];
  }
  return e;
}
