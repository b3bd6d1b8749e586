// The corner-point placement of the minimum-size arrangements: entries
// (already in their order, tallest first) are packed towards the top-left
// corner of the area, sheet by sheet. Every placed entry offers candidate
// corners; the next entry takes the usable candidate that lies highest,
// then leftmost (within a 0.001 mm tolerance), where it conflicts with no
// entry already on the sheet (each extended by the gaps to its right and
// below). Sets X, Y, ArrangeNum (and, when trying turns, the orientation)
// of every entry.
//
// This is the plain implementation, written to follow the rules step by
// step; it is quadratic in the entries of a sheet. It is the reference any
// faster placement must match placement for placement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class CornerPointPlacement {
 public:
  static constexpr double kTolerance = 0.001;  // mm
  // The placement is quadratic in the entries of a sheet (about 0.6 s for
  // 2,000 entries on one sheet); a run with more entries is refused rather
  // than left to run for minutes.
  static constexpr std::size_t kMaxEntries = 5000;

  struct Point {
    double x;
    double y;
  };

  struct Settings {
    specialityType::DimDouble area;  // height -1 = unlimited
    double gapScan = 0.0;            // mm kept right of every entry
    double gapFeed = 0.0;            // mm kept below every entry
    bool tryTurned = false;          // also try each entry turned a quarter
    bool centerInScan = false;       // centre each sheet's layout across the area
    // The one thing the grouping placement adds: units that keep the place
    // (X, Y, ArrangeNum) they have. On their sheet they block placements as
    // placed entries do (with the gaps), and their corners (lockedCorners)
    // join the candidates as they are, repeats included, when the sheet's
    // first placement is searched: on sheet 1 before the first entry, on a
    // later sheet after the entry that opened it, which takes the sheet's
    // top-left corner whatever lies there. Null or empty: the composite
    // placement.
    const std::vector<ArrangeEntry>* locked = nullptr;
  };

  // Raises when count entries are more than the placement takes.
  static void requirePlaceable(std::size_t count);
  static void place(std::vector<ArrangeEntry>& entries, const Settings& settings);
  // The corners of the locked units on a sheet, in list order, four each
  // without gaps: below-left (0, bottom), top-right (right, 0), below
  // (X, bottom) and right (right, Y).
  static std::vector<Point> lockedCorners(const std::vector<ArrangeEntry>& locked, int32_t sheet);
};
