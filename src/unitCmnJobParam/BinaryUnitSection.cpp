#include "unitCmnJobParam/BinaryUnitSection.h"

namespace {
DoublePair sumOf(const LabelledDoublePairs& corrections) {
  DoublePair sum{0.0, 0.0};
  for (const auto& c : corrections) {
    sum[0] += c.values[0];
    sum[1] += c.values[1];
  }
  return sum;
}
}  // namespace

const SectionTable<BinaryUnitSection>& BinaryUnitSection::table() {
  static const SectionTable<BinaryUnitSection> t{
      {"compositeID", &BinaryUnitSection::compositeID},
      {"pageNumber", &BinaryUnitSection::pageNumber},
      {"rowNumber", &BinaryUnitSection::rowNumber},
      {"copyNumber", &BinaryUnitSection::copyNumber},
      {"tileNumber", &BinaryUnitSection::tileNumber},
      {"zOrder", &BinaryUnitSection::zOrder},
      {"offset", &BinaryUnitSection::offset},
      {"offsetOfOffset", &BinaryUnitSection::offsetOfOffset},
      {"relativeRotation", &BinaryUnitSection::relativeRotation},
  };
  return t;
}

DoublePair BinaryUnitSection::totalOffset() const {
  const DoublePair sum = sumOf(offsetOfOffset);
  return {offset[0] + sum[0], offset[1] + sum[1]};
}

void BinaryUnitSection::setTotalOffset(double x, double y) {
  const DoublePair sum = sumOf(offsetOfOffset);
  offset = {x - sum[0], y - sum[1]};
}
