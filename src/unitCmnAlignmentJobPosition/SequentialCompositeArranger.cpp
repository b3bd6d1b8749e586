#include "unitCmnAlignmentJobPosition/SequentialCompositeArranger.h"

#include "unitCmnAlignmentJobPosition/SequentialPlacement.h"
#include "unitCmnExceptions/unitCmnGuard.h"

specialityType::RectDouble SequentialCompositeArranger::arrange(CompositeArrangerData data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    const auto area = getPrintableArea(data);
    auto entries = buildArrangeEntries(data);
    if (data.arrangeKind == 0) entries = rotateLandscape(entries, area);
    SequentialPlacement::place(entries, area, data.centerInScan, data.duplicateMarginFeed);
    return finishArrangement(entries, data);
  });
}
