#include "unitCmnAlignmentJobPosition/composite/FotobaMarkCompositeArranger.h"

#include "unitCmnAlignmentJobPosition/cutter/FotobaMarks.h"
#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePlacement.h"

specialityType::DimDouble FotobaMarkCompositeArranger::areaOf(const CompositeArrangerData& data,
                                                              const RunJobs& run) {
  cutter_ = FotobaMarks::layoutOf(run.primaryPrint());
  centred_ = FotobaMarks::centred(run.primaryPrint());
  return getPrintableArea(data, run);
}

void FotobaMarkCompositeArranger::placeEntries(std::vector<ArrangeEntry>& entries,
                                               const specialityType::DimDouble& area,
                                               const CompositeArrangerData& data) {
  GuillotinePlacement::Settings settings;
  settings.area = area;
  settings.cutter = cutter_;
  settings.gapScan = data.duplicateMarginScan;
  settings.gapFeed = data.duplicateMarginFeed;
  settings.centerInScan = data.centerInScan || centred_;
  entries = sortByHeight(std::move(entries));
  GuillotinePlacement::place(entries, settings);
}
