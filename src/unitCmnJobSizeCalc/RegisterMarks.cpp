#include "unitCmnJobSizeCalc/RegisterMarks.h"

namespace {

constexpr int kSharedMarkShape = 3;

// The shapes whose marks get a filled surround when F is set, and whether
// that needs the target T = 1.
struct FillAroundShape {
  int shape;
  bool needsTarget;
};
constexpr FillAroundShape kFillAroundShapes[] = {{1, true}, {3, false}, {4, true}};

bool targetsJob(const PrintSection& print) { return print.registerMarkTarget == 1; }

}  // namespace

double RegisterMarks::allowance(const PrintSection& print) {
  const double z2 = 2 * print.registerMarkSize;
  double added = 0;
  if (print.registerMarkShape != 0 && targetsJob(print)) added += z2;
  if (fillsAround(print)) added += z2;
  return added;
}

double RegisterMarks::sharedPerGap(const PrintSection& print) {
  if (print.registerMarkShape != kSharedMarkShape) return 0;
  const double z = print.registerMarkSize;
  return print.registerMarkFillAround ? z + 2 * z : z;
}

bool RegisterMarks::fillsAround(const PrintSection& print) {
  if (!print.registerMarkFillAround) return false;
  for (const auto& f : kFillAroundShapes)
    if (print.registerMarkShape == f.shape && (!f.needsTarget || targetsJob(print))) return true;
  return false;
}
