#include "unitCmnAlignmentJobPosition/TwinRollCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/LengthLimit.h"

#include <limits>

#include "unitCmnAlignmentJobPosition/TwinRollPlacement.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

TwinRollGeometry rollsOf(const CompositeArrangerData& data) {
  TwinRollGeometry rolls;
  rolls.widthA = data.twinRollWidth2;
  rolls.startB = data.twinRollWidth1;
  rolls.widthB = data.twinRollWidth1 > 0 ? data.printableWidth - data.twinRollWidth1 : 0.0;
  rolls.lengthLimit = LengthLimit::of(data.printableLength);
  rolls.gapScan = data.duplicateMarginScan;
  rolls.gapFeed = data.duplicateMarginFeed;
  return rolls;
}

}  // namespace

specialityType::RectDouble TwinRollCompositeArranger::arrange(CompositeArrangerData data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    printableArea_ = specialityType::DimDouble{data.printableWidth, data.printableLength};
    auto entries = buildArrangeEntries(data);
    TwinRollPlacement::place(entries, rollsOf(data));
    writeArrangement(entries, data.jobs, data.arrangeKind, data.centerInScan);
    writeDuplicateMargins(data.jobs, data.duplicateMarginScan, data.duplicateMarginFeed);
    return getArrangedRect(entries);
  });
}
