#include "unitCmnAlignmentJobPosition/composite/BlockMoveCompositeArranger.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"

double BlockMoveCompositeArranger::clippedShift(double offset, double blockWidth,
                                                double areaWidth) {
  return std::max(0.0, std::min(offset, areaWidth - blockWidth));
}

void BlockMoveCompositeArranger::placeEntries(std::vector<ArrangeEntry>& entries,
                                              const specialityType::DimDouble& area,
                                              const CompositeArrangerData& data) {
  if (!std::isfinite(data.positionOffset)) {
    std::ostringstream text;
    text << "block move: the position offset is not a finite number (" << data.positionOffset
         << ")";
    unitCmnGuard::raise(UNITCMN_SITE, text.str());
  }
  CompositeArrangerData plain = data;
  plain.centerInScan = false;  // the offset, not the middle, places the block
  MinimumSizeCompositeArranger::placeEntries(entries, area, plain);
  // The block starts at x 0 on every sheet; its width is the widest sheet's.
  double blockWidth = 0.0;
  for (const ArrangeEntry& e : entries) blockWidth = std::max(blockWidth, e.X + e.MmWidth);
  const double shift = clippedShift(data.positionOffset, blockWidth, area.width);
  for (ArrangeEntry& e : entries) e.X += shift;
  std::ostringstream text;
  text << "block move: offset " << data.positionOffset << ", block " << blockWidth << " of "
       << area.width << " mm, moved " << shift;
  KvnCmnLog::logTrace(UNITCMN_SITE, text.str());
}
