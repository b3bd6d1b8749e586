// Kind 5: the entries over two rolls loaded side by side (see
// TwinRollPlacement). No printable-area, rotation, ordering or re-run step:
// the roll geometry comes straight from the record.
#pragma once

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"

class TwinRollCompositeArranger : public AbCompositeArranger {
 protected:
  void placeEntries(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    const CompositeArrangerData& data) override;
  specialityType::DimDouble areaOf(const CompositeArrangerData& data, const RunJobs&) override {
    return specialityType::DimDouble{data.printableWidth, data.printableLength};
  }
  bool rerunsForRegisterMarks() const override { return false; }
};
