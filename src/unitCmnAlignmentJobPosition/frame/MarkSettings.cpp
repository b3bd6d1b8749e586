#include "unitCmnAlignmentJobPosition/frame/MarkSettings.h"

MarkSettings MarkSettings::of(const PrintSection& print) {
  MarkSettings m;
  m.shape = print.registerMarkShape;
  m.size = print.registerMarkSize;
  m.target = print.registerMarkTarget;
  m.offset = print.registerMarkOffset;
  m.fillAround = print.registerMarkFillAround;
  return m;
}

double MarkSettings::fillAroundExtra() const {
  if (!fillAround) return 0.0;
  if (shape == 1 || shape == 4) return size;
  if (shape == 5) return 5.0;
  return 0.0;
}

double MarkSettings::entryAllowance() const {
  if (!aroundEntries()) return 0.0;
  double allowance = shape == 3 ? size : 2 * size;
  if (fillAround && (shape == 1 || shape == 4)) allowance += 2 * size;
  return allowance;
}
