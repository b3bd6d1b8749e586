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

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class CornerPointPlacement {
 public:
  static constexpr double kTolerance = 0.001;  // mm

  struct Settings {
    specialityType::DimDouble area;  // height -1 = unlimited
    double gapScan = 0.0;            // mm kept right of every entry
    double gapFeed = 0.0;            // mm kept below every entry
    bool tryTurned = false;          // also try each entry turned a quarter
    bool centerInScan = false;       // centre each sheet's layout across the area
  };

  static void place(std::vector<ArrangeEntry>& entries, const Settings& settings);
};
