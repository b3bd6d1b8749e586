#include "unitCmnAlignmentJobPosition/composite/CornerPointCompositeArranger.h"

#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"

void CornerPointCompositeArranger::placeEntries(std::vector<ArrangeEntry>& entries,
                                                const specialityType::DimDouble& area,
                                                const CompositeArrangerData& data) {
  CornerPointPlacement::Settings settings;
  settings.area = area;
  settings.gapScan = data.duplicateMarginScan;
  settings.gapFeed = data.duplicateMarginFeed;
  settings.tryTurned = turnsDuringPlacement();
  settings.centerInScan = data.centerInScan;
  entries = sortByHeight(rotationStep(entries, area));
  CornerPointPlacement::place(entries, settings);
}
