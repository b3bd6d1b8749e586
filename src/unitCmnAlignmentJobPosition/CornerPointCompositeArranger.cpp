#include "unitCmnAlignmentJobPosition/CornerPointCompositeArranger.h"

#include "unitCmnAlignmentJobPosition/CornerPointPlacement.h"
#include "unitCmnExceptions/unitCmnGuard.h"

specialityType::RectDouble CornerPointCompositeArranger::arrange(CompositeArrangerData data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    CornerPointPlacement::Settings settings;
    settings.area = getPrintableArea(data);
    settings.gapScan = data.duplicateMarginScan;
    settings.gapFeed = data.duplicateMarginFeed;
    settings.tryTurned = turnsDuringPlacement();
    settings.centerInScan = data.centerInScan;
    auto entries = sortByHeight(rotationStep(buildArrangeEntries(data), settings.area));
    CornerPointPlacement::place(entries, settings);
    return finishArrangement(entries, data);
  });
}
