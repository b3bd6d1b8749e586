#include "unitCmnJobSizeCalc/TileMargins.h"

#include <limits>

#include "unitCmnJobSizeCalc/SizeValues.h"

namespace {

// ---- corner marks ----

struct CornerDistances {
  double out, in;
};

// The y sides use the feed pair of distances when the tile is not turned
// by a quarter, the scan pair otherwise; the x sides the other pair. The
// line width is added to the outer distance when any distance is set.
CornerDistances cornerDistances(const CompositeSection& c, int rotation, TileSide side) {
  const bool feedPair = isYSide(side) == (rotation % 180 == 0);
  CornerDistances d{feedPair ? c.tileCornerFeedOut : c.tileCornerScanOut,
                    feedPair ? c.tileCornerFeedIn : c.tileCornerScanIn};
  const bool anySet = c.tileCornerFeedOut > 0 || c.tileCornerScanOut > 0 ||
                      c.tileCornerFeedIn > 0 || c.tileCornerScanIn > 0;
  if (anySet) d.out += sizeValues::pointsToMm(c.tileCornerLineWidth);
  return d;
}

// What one side sees of the overlap: its own and the opposite side's flag
// and extension, whether a perpendicular side overlaps, and the tile's
// extent d between this side and the opposite one.
struct SideView {
  bool own, opposite, across;
  double ownExt, oppositeExt, d;
};

SideView viewOf(const TileMargins::Tile& t, TileSide side) {
  const TileSide opp = oppositeSide(side);
  const auto across = acrossSides(side);
  return {t.flags[side],      t.flags[opp],      t.flags[across[0]] || t.flags[across[1]],
          t.extensions[side], t.extensions[opp], isYSide(side) ? t.base.height : t.base.width};
}

// No neighbour across: the mark reaches out by `out` past an own overlap,
// and the opposite side's mark reaches in by `in`, through the tile.
double markWithoutAcross(const SideView& v, const CornerDistances& c) {
  if (v.own) {
    double m = sizeValues::larger(0.0, c.out - v.ownExt);
    if (v.opposite) m = sizeValues::larger(m, c.in - v.d - v.oppositeExt);
    return m;
  }
  return v.opposite ? sizeValues::larger(0.0, c.in - v.d) : 0.0;
}

// The corner distances are compared with each other below, and a
// comparison with NaN is false: a distance that is not a finite number
// would silently drop out. It makes the margin NaN instead.
bool cornerValuesFinite(const CompositeSection& c) {
  return sizeValues::allFinite({c.tileCornerFeedOut, c.tileCornerScanOut, c.tileCornerFeedIn,
                                c.tileCornerScanIn, c.tileCornerLineWidth});
}

// A neighbour across: at least `out`; more when the inner reach of the
// opposite corner passes through the tile.
double markWithAcross(const SideView& v, const CornerDistances& c) {
  double m = c.out;
  double reach = c.in - v.d;
  if (reach > c.out) {
    const double t = reach - v.ownExt - v.oppositeExt;
    if (t > c.out) m = t;
  }
  if (v.opposite && reach > m) {
    reach -= v.ownExt;
    if (reach > m) m = reach;
  }
  return m;
}

// ---- tile number ----

struct Positions {
  int first, last;
  bool hold(int p) const { return first <= p && p <= last; }
};

// Where "tileNumberPosition" puts the number relative to one side.
struct NumberPlace {
  Positions outside, inside;
};

// Rows: the sides in TileSide order; columns: the number's rotation
// 0, 90, 180, 270.
constexpr NumberPlace kNumberPlaces[kTileSideCount][4] = {
    /* end of y   */ {{{1, 3}, {7, 12}}, {{10, 12}, {1, 6}}, {{4, 6}, {7, 12}}, {{7, 9}, {1, 6}}},
    /* start of y */ {{{4, 6}, {7, 12}}, {{7, 9}, {1, 6}}, {{1, 3}, {7, 12}}, {{10, 12}, {1, 6}}},
    /* end of x   */ {{{7, 9}, {1, 6}}, {{1, 3}, {7, 12}}, {{10, 12}, {1, 6}}, {{4, 6}, {7, 12}}},
    /* start of x */ {{{10, 12}, {1, 6}}, {{4, 6}, {7, 12}}, {{7, 9}, {1, 6}}, {{1, 3}, {7, 12}}},
};

// The composite's rotation plus the tile's, in [0, 360).
long long numberRotation(const CompositeSection& c, int tileRotation) {
  const long long sum = static_cast<long long>(c.rotate) + tileRotation;
  return ((sum % 360) + 360) % 360;
}

}  // namespace

TileSideValues TileMargins::of(const CompositeSection& composite, const Tile& tile) {
  TileSideValues margins{};
  const bool corners = composite.tileOverlap > 0 && composite.tileCornerMark;
  for (TileSide side : kTileSides) {
    double m = corners ? cornerMark(composite, tile, side) : 0.0;
    double candidate = 0;
    if (composite.tilePrintNumber && tileNumber(composite, tile, side, candidate))
      m = sizeValues::larger(m, candidate);
    if (composite.printCutline)
      m = sizeValues::larger(m, sizeValues::pointsToMm(composite.cutlineWidth));
    margins[side] = m;
  }
  return margins;
}

double TileMargins::cornerMark(const CompositeSection& composite, const Tile& tile, TileSide side) {
  if (!cornerValuesFinite(composite)) return std::numeric_limits<double>::quiet_NaN();
  const CornerDistances c = cornerDistances(composite, tile.rotation, side);
  const SideView v = viewOf(tile, side);
  return v.across ? markWithAcross(v, c) : markWithoutAcross(v, c);
}

bool TileMargins::tileNumber(const CompositeSection& composite, const Tile& tile, TileSide side,
                             double& candidate) {
  const int column = quarterTurnColumn(numberRotation(composite, tile.rotation));
  if (column < 0) return false;
  const NumberPlace& place = kNumberPlaces[side][column];
  const int p = composite.tileNumberPosition;
  const double f = sizeValues::pointsToMm(composite.tileNumberFontSize);
  if (place.inside.hold(p)) {
    candidate = f - tile.base.height;
    return true;
  }
  if (!place.outside.hold(p)) return false;
  if (!composite.tileNumberOnOverlap || !tile.flags[side]) {
    candidate = f;
    return true;
  }
  // The number is printed on the overlap: it needs only what the overlap
  // does not already give.
  const double e = tile.extensions[side];
  if (f <= e) return false;
  candidate = f - e;
  return true;
}
