// Kind 1: automatic rotation first; each entry is also tried turned.
#pragma once

#include "unitCmnAlignmentJobPosition/composite/CornerPointCompositeArranger.h"

class MinimumSizeCompositeArranger : public CornerPointCompositeArranger {
 protected:
  std::vector<ArrangeEntry> rotationStep(const std::vector<ArrangeEntry>& entries,
                                         const specialityType::DimDouble& area) const override {
    return rotateLandscape(entries, area);
  }
  bool turnsDuringPlacement() const override { return true; }
};
