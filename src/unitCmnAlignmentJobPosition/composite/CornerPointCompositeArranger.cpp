#include "unitCmnAlignmentJobPosition/composite/CornerPointCompositeArranger.h"

#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"
#include "unitCmnExceptions/unitCmnGuard.h"

void CornerPointCompositeArranger::placeEntries(std::vector<ArrangeEntry>& entries,
                                                const specialityType::DimDouble& area,
                                                const CompositeArrangerData& data) {
  if (entries.size() > kMaxEntries)
    unitCmnGuard::raise(UNITCMN_SITE, "the minimum-size arrangement places at most " +
                                          std::to_string(kMaxEntries) + " units in one run (the jobs make " +
                                          std::to_string(entries.size()) + ")");
  CornerPointPlacement::Settings settings;
  settings.area = area;
  settings.gapScan = data.duplicateMarginScan;
  settings.gapFeed = data.duplicateMarginFeed;
  settings.tryTurned = turnsDuringPlacement();
  settings.centerInScan = data.centerInScan;
  entries = sortByHeight(rotationStep(entries, area));
  CornerPointPlacement::place(entries, settings);
}
