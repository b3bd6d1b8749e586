// Placement on two media rolls loaded side by side: roll A from the left
// edge, roll B from startB across the media. Entries are laid in rows.
// With entries of several jobs each change of job switches roll; with the
// copies of one job the rows alternate between the rolls. Sets X, Y and
// ArrangeNum of every entry.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"

struct TwinRollGeometry {
  double widthA = 0.0;       // mm
  double startB = 0.0;       // mm across the media; 0 = no roll B
  double widthB = 0.0;       // mm
  double lengthLimit = 0.0;  // mm, both rolls; the largest finite double when unlimited
  double gapScan = 0.0;      // mm after each entry across
  double gapFeed = 0.0;      // mm between rows
};

class TwinRollPlacement {
 public:
  static void place(std::vector<ArrangeEntry>& entries, const TwinRollGeometry& rolls);
};
