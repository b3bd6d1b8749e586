#include "unitCmnAlignmentJobPosition/composite/TwinRollCompositeArranger.h"

#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"
#include "unitCmnAlignmentJobPosition/placement/TwinRollPlacement.h"

void TwinRollCompositeArranger::placeEntries(std::vector<ArrangeEntry>& entries,
                                             const specialityType::DimDouble&,
                                             const CompositeArrangerData& data) {
  TwinRollGeometry rolls;
  rolls.widthA = data.twinRollWidth2;
  rolls.startB = data.twinRollWidth1;
  rolls.widthB = data.twinRollWidth1 > 0 ? data.printableWidth - data.twinRollWidth1 : 0.0;
  rolls.lengthLimit = LengthLimit::of(data.printableLength);
  rolls.gapScan = data.duplicateMarginScan;
  rolls.gapFeed = data.duplicateMarginFeed;
  TwinRollPlacement::place(entries, rolls);
}
