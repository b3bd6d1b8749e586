// Placement of the sequential arrangements: entries one below the other
// along the media in list order, starting a new sheet when the next entry
// would run past the printable length. Across the media each entry sits at
// the left edge, in the middle of the area (composite kinds) or in the
// middle of the widest entry (grouping kinds, which then move the whole
// layout). Sets X, Y and ArrangeNum of every entry.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class SequentialPlacement {
 public:
  enum class Across { Left, AreaMiddle, WidestMiddle };

  // area.height -1 is unlimited. marginFeed (mm) follows every entry, the
  // last one on a sheet included.
  static void place(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    Across across, double marginFeed);
  // Left edge, or the middle of the area when centerInScan is set.
  static void place(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    bool centerInScan, double marginFeed) {
    place(entries, area, centerInScan ? Across::AreaMiddle : Across::Left, marginFeed);
  }
};
