// Kinds 2 and 10: every entry back to rotation 0, placed as it is.
#pragma once

#include "unitCmnAlignmentJobPosition/composite/CornerPointCompositeArranger.h"

class NoRotationCompositeArranger : public CornerPointCompositeArranger {
 protected:
  std::vector<ArrangeEntry> rotationStep(const std::vector<ArrangeEntry>& entries,
                                         const specialityType::DimDouble&) const override {
    return resetRotation(entries);
  }
};
