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
    auto entries = buildArrangeEntries(data);
    if (entries.size() > kMaxEntries)
      unitCmnGuard::raise(UNITCMN_SITE, "the minimum-size arrangement places at most " +
                                            std::to_string(kMaxEntries) + " units in one run (the jobs make " +
                                            std::to_string(entries.size()) + ")");
    entries = sortByHeight(rotationStep(entries, settings.area));
    CornerPointPlacement::place(entries, settings);
    return finishArrangement(entries, data);
  });
}
