#include "unitCmnAlignmentJobPosition/placement/SequentialPlacement.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"

#include <cstdint>
#include <limits>

#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

// The width each entry is centred in: the area's, or the widest entry's
// (the first of equals).
double middleWidth(const std::vector<ArrangeEntry>& entries,
                   const specialityType::DimDouble& area, SequentialPlacement::Across across) {
  if (across != SequentialPlacement::Across::WidestMiddle) return area.width;
  double widest = entries.front().MmWidth;
  for (const ArrangeEntry& e : entries)
    if (e.MmWidth > widest) widest = e.MmWidth;
  return widest;
}

}  // namespace

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
                                const specialityType::DimDouble& area, Across across,
                                double marginFeed) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty()) return;

    const double lengthLimit = LengthLimit::of(area.height);
    const bool centred = across != Across::Left;
    const double middle = middleWidth(entries, area, across);

    int32_t sheet = 1;
    double feed = 0.0;
    int32_t onSheet = 0;
    for (ArrangeEntry& e : entries) {
      e.X = centred ? (middle - e.MmWidth) * 0.5 : 0.0;
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
