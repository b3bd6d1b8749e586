// The corner-point placement of the minimum-size arrangements: entries
// (already in their order, tallest first) are packed towards the top-left
// corner of the area, sheet by sheet. Every placed entry offers candidate
// corners; the next entry takes the usable candidate that lies highest,
// then leftmost (within a 0.001 mm tolerance), where it conflicts with no
// entry already on the sheet (each extended by the gaps to its right and
// below). Sets X, Y, ArrangeNum (and, when trying turns, the orientation)
// of every entry.
//
// The candidate list keeps its order (the order decides ties) and every
// step is the plain rule of CornerPointRules; what makes it fast is where
// it looks:
//   - the entries near a position come from a grid over the sheet
//     (PlacedEntryGrid) instead of a scan of the sheet;
//   - a candidate is tested for conflicts only when it would beat the best
//     found so far;
//   - a candidate is checked for lying inside entries only against those
//     placed since it was last checked;
//   - a candidate that no entry still to come can use (it lies too far
//     right or down for the narrowest and the shortest of them) is dropped,
//     which changes no placement: it would never be taken, and a point
//     equal to it offered later is as unusable; for the same reason a
//     long list does not take in a new corner where the narrowest and
//     shortest of them would conflict with an entry already there.
// tests/ keeps a plain step-by-step version as the reference; both must
// give the same placements on every input.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class CornerPointPlacement {
 public:
  static constexpr double kTolerance = CornerPointRules::kTolerance;
  using Point = CornerPoint;

  struct Settings {
    specialityType::DimDouble area;  // height -1 = unlimited
    double gapScan = 0.0;            // mm kept right of every entry
    double gapFeed = 0.0;            // mm kept below every entry
    bool tryTurned = false;          // also try each entry turned a quarter
    bool centerInScan = false;       // centre each sheet's layout across the area
    // The grouping placement, when set (an empty list will do): what it
    // adds to the composite one is here and nowhere else.
    //  - Locked units, which keep the place (X, Y, ArrangeNum) they have. On
    //    their sheet they block placements as placed entries do (with the
    //    gaps), and their corners (CornerPointRules::lockedCorners) join the
    //    candidates as they are, repeats included, when the sheet's first
    //    placement is searched: on sheet 1 before the first entry, on a
    //    later sheet after the entry that opened it, which takes the sheet's
    //    top-left corner whatever lies there.
    //  - Its search starts from the largest finite point rather than from
    //    the first usable candidate, so a candidate at the largest finite y
    //    is never taken.
    // Everything else (the candidates, their order, the removal of covered
    // and of left-and-above candidates, the repeated-point rule) is the
    // composite placement's.
    const std::vector<ArrangeEntry>* locked = nullptr;
  };

  static void place(std::vector<ArrangeEntry>& entries, const Settings& settings);
};
