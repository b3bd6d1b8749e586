#include "unitCmnAlignmentJobPosition/composite/SequentialCompositeArranger.h"

#include "unitCmnAlignmentJobPosition/placement/SequentialPlacement.h"

void SequentialCompositeArranger::placeEntries(std::vector<ArrangeEntry>& entries,
                                               const specialityType::DimDouble& area,
                                               const CompositeArrangerData& data) {
  if (rotatesAutomatically_) entries = rotateLandscape(entries, area);
  SequentialPlacement::place(entries, area, data.centerInScan, data.duplicateMarginFeed);
}
