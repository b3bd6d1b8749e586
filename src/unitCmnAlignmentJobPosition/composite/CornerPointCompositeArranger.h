// The minimum-size family: entries, tallest first, packed towards the
// top-left corner by the corner-point placement. The kinds differ in the
// rotation step before placement and in whether placement may turn an
// entry.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"

class CornerPointCompositeArranger : public AbCompositeArranger {
 protected:
  void placeEntries(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    const CompositeArrangerData& data) override;
  virtual std::vector<ArrangeEntry> rotationStep(const std::vector<ArrangeEntry>& entries,
                                                 const specialityType::DimDouble& area) const = 0;
  virtual bool turnsDuringPlacement() const { return false; }
};
