// Kinds 3 and 11: entries keep the rotation they were built with.
#pragma once

#include "unitCmnAlignmentJobPosition/composite/CornerPointCompositeArranger.h"

class NoAutoRotationCompositeArranger : public CornerPointCompositeArranger {
 protected:
  std::vector<ArrangeEntry> rotationStep(const std::vector<ArrangeEntry>& entries,
                                         const specialityType::DimDouble&) const override {
    return entries;
  }
};
