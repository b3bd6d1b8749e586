#include "unitCmnAlignmentJobPosition/placement/SequentialPlacement.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"

#include <cstdint>
#include <limits>

#include "unitCmnExceptions/unitCmnGuard.h"

// Entries go one below the other in list order. The feed position after an
// entry includes the gap that follows it, so the test whether the next entry
// still fits counts that gap. An entry longer than the whole length on an
// empty sheet is placed there anyway; the next entry then opens a new sheet.
//
// NaN sizes: every comparison with NaN is false, so an entry of NaN height
// never opens a new sheet; it is placed at the current feed position and the
// feed becomes NaN, so every later entry lands on the same sheet with Y NaN.
// A NaN width only makes that entry's X NaN when centring. The loop is a
// single pass over the list, so it always ends.
void SequentialPlacement::place(std::vector<ArrangeEntry>& entries,
                                const specialityType::DimDouble& area, bool centerInScan,
                                double marginFeed) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty()) return;

    const double lengthLimit = LengthLimit::of(area.height);

    int32_t sheet = 1;
    double feed = 0.0;
    int32_t onSheet = 0;
    for (ArrangeEntry& e : entries) {
      e.X = centerInScan ? (area.width - e.MmWidth) * 0.5 : 0.0;
      if (e.MmHeight + feed > lengthLimit) {
        if (onSheet > 0) ++sheet;
        feed = 0.0;
        onSheet = 0;
      }
      e.Y = feed;
      e.ArrangeNum = sheet;
      feed += e.MmHeight + marginFeed;
      ++onSheet;
    }
  });
}
