// The minimum-size family: entries, tallest first, packed towards the
// top-left corner by the corner-point placement. The kinds differ in the
// rotation step before placement and in whether placement may turn an
// entry.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"

class CornerPointCompositeArranger : public AbCompositeArranger {
 public:
  // The corner-point placement is quadratic in the entries of a sheet
  // (about 0.6 s for 2,000 entries on one sheet); a run with more entries
  // is refused rather than left to run for minutes.
  static constexpr size_t kMaxEntries = 5000;

 protected:
  void placeEntries(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    const CompositeArrangerData& data) override;
  virtual std::vector<ArrangeEntry> rotationStep(const std::vector<ArrangeEntry>& entries,
                                                 const specialityType::DimDouble& area) const = 0;
  virtual bool turnsDuringPlacement() const { return false; }
};
