// Placement of the sequential arrangement: entries one below the other
// along the media in list order, at the left edge or centred across the
// area, starting a new sheet when the next entry would run past the
// printable length. Sets X, Y and ArrangeNum of every entry.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class SequentialPlacement {
 public:
  // area.height -1 is unlimited. marginFeed (mm) follows every entry, the
  // last one on a sheet included.
  static void place(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    bool centerInScan, double marginFeed);
};
