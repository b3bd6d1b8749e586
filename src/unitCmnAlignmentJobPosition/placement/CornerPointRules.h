// The geometric rules of the corner-point placement, one function each:
// when two rectangles come too close, when a point lies inside an entry,
// which of two candidate corners is better, which corners an entry offers.
// The placement applies them through an index and its plain reference
// applies them by scanning; both must agree to the last bit, so each rule
// exists only here.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"

struct CornerPoint {
  double x;
  double y;
};

class CornerPointRules {
 public:
  static constexpr double kTolerance = 0.001;  // mm

  // Gaps kept right of (scan) and below (feed) every entry, and the area.
  struct Space {
    double width = 0.0;
    double lengthLimit = 0.0;  // the largest finite double on an unlimited roll
    double gapScan = 0.0;
    double gapFeed = 0.0;
  };

  // Whether a w x h rectangle at (x, y) comes too close to p: both are
  // extended by the gaps to their right and below, and an overlap of up to
  // the tolerance is allowed.
  // (Templates: the rules read X, Y, MmWidth and MmHeight only, from an
  // ArrangeEntry or a compact copy of one.)
  template <class P>
  static bool conflicts(const P& p, double x, double y, double w, double h, const Space& s) {
    return p.X + p.MmWidth + s.gapScan - kTolerance > x && x + w + s.gapScan > p.X + kTolerance &&
           y + h + s.gapFeed > p.Y + kTolerance && p.Y + p.MmHeight + s.gapFeed - kTolerance > y;
  }

  // Whether c lies inside p (left and top edges included, right and bottom
  // edges excluded; no gaps, no tolerance).
  template <class P>
  static bool inside(const CornerPoint& c, const P& p) {
    return c.x >= p.X && c.x < p.X + p.MmWidth && c.y >= p.Y && c.y < p.Y + p.MmHeight;
  }

  // Whether a w x h rectangle at c stays on the area.
  static bool fits(const CornerPoint& c, double w, double h, const Space& s) {
    return c.x >= 0 && c.x + w <= s.width && c.y >= 0 && c.y + h <= s.lengthLimit;
  }

  // Whether c, coming later in the list, replaces the best so far: it lies
  // higher, or it lies further left and less than the tolerance lower.
  // Not transitive: the order of the list decides ties.
  static bool better(const CornerPoint& c, const CornerPoint& best) {
    return c.y < best.y || (c.y < best.y + kTolerance && c.x < best.x);
  }

  // Whether a new corner may join the list as far as the area goes: x up to
  // the width included, y below the length limit.
  static bool onArea(const CornerPoint& c, const Space& s) {
    return !(c.x < 0 || c.x > s.width || c.y < 0 || c.y >= s.lengthLimit);
  }

  static bool samePoint(const CornerPoint& a, const CornerPoint& b) {
    return a.x == b.x && a.y == b.y;
  }

  // The four corners e offers on its own: on the area's top edge right of
  // it, on the area's left edge below it, right of its top and below its
  // left side (each a gap away).
  static std::array<CornerPoint, 4> ownCorners(const ArrangeEntry& e, const Space& s) {
    return {{{e.X + e.MmWidth + s.gapScan, 0.0},
             {0.0, e.Y + e.MmHeight + s.gapFeed},
             {e.X + e.MmWidth + s.gapScan, e.Y + s.gapFeed},
             {e.X + s.gapScan, e.Y + e.MmHeight + s.gapFeed}}};
  }

  // Appends the corners where e and an earlier entry p form a step: beside
  // the shorter one under the longer one's side, or under the narrower one
  // beside the wider one's edge. Only points right of and below e's position.
  // There are two such points, beside e at the height of p's bottom edge
  // and under e at p's right edge; each comes once, first where one of its
  // steps is first met in the order: p right of e, left of e, below e,
  // above e.
  template <class P>
  static void pairCorners(const ArrangeEntry& e, const P& p, const Space& s,
                          std::vector<CornerPoint>& out) {
    constexpr double kEps = kTolerance;
    const double eR = e.X + e.MmWidth, eB = e.Y + e.MmHeight;
    const double pR = p.X + p.MmWidth, pB = p.Y + p.MmHeight;
    const CornerPoint beside{eR + s.gapScan, pB + s.gapFeed};
    const CornerPoint under{pR + s.gapScan, eB + s.gapFeed};
    const bool rightOfE = p.X + kEps > eR && eB > pB + kEps;
    const bool aboveE = e.Y + kEps > pB && pR > eR + kEps;
    const bool besideKept = beside.x >= e.X && beside.y >= e.Y;
    if (rightOfE && besideKept) out.push_back(beside);
    if (((e.X + kEps > pR && pB > eB + kEps) || (p.Y + kEps > eB && eR > pR + kEps)) &&
        under.x >= e.X && under.y >= e.Y)
      out.push_back(under);
    if (aboveE && !rightOfE && besideKept) out.push_back(beside);
  }

  // The corners of the locked units on a sheet, in list order, four each
  // without gaps: below-left (0, bottom), top-right (right, 0), below
  // (X, bottom) and right (right, Y).
  static std::vector<CornerPoint> lockedCorners(const std::vector<ArrangeEntry>& locked,
                                                int32_t sheet);

  // Moves every sheet right so that its layout sits in the middle of the
  // area width; a sheet as wide as the area or wider, or with an edge that
  // is not a finite number, stays.
  static void centreSheets(std::vector<ArrangeEntry>& entries, double areaWidth);
};
