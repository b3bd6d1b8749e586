#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"

#include <cmath>
#include <limits>
#include <map>

namespace {

// The rightmost edge of one sheet's entries.
struct SheetExtent {
  double right = -std::numeric_limits<double>::infinity();
  bool finite = true;
};

}  // namespace

std::vector<CornerPoint> CornerPointRules::lockedCorners(const std::vector<ArrangeEntry>& locked,
                                                         int32_t sheet) {
  std::vector<CornerPoint> corners;
  for (const ArrangeEntry& p : locked) {
    if (p.ArrangeNum != sheet) continue;
    const double right = p.X + p.MmWidth, bottom = p.Y + p.MmHeight;
    corners.insert(corners.end(), {{0.0, bottom}, {right, 0.0}, {p.X, bottom}, {right, p.Y}});
  }
  return corners;
}

void CornerPointRules::centreSheets(std::vector<ArrangeEntry>& entries, double areaWidth) {
  std::map<int32_t, SheetExtent> extents;
  for (const ArrangeEntry& e : entries) {
    SheetExtent& extent = extents[e.ArrangeNum];
    const double right = e.X + e.MmWidth;
    if (!std::isfinite(right)) extent.finite = false;
    else if (right > extent.right) extent.right = right;
  }
  for (ArrangeEntry& e : entries) {
    const SheetExtent& extent = extents[e.ArrangeNum];
    if (extent.finite && areaWidth > extent.right) e.X += (areaWidth - extent.right) * 0.5;
  }
}
