#include "unitCmnAlignmentJobPosition/grouping/GroupingGuillotineArranger.h"

#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePlacement.h"

void GroupingGuillotineArranger::placeGroup(std::vector<ArrangeEntry>& entries,
                                            const std::vector<ArrangeEntry>& locked,
                                            const specialityType::DimDouble& area,
                                            const GroupingArrangerData& data,
                                            const GroupingInfo& info) {
  GuillotinePlacement::requireNoneLocked(locked);
  const CutterLayout cutter = cutterOf(data, info);
  GuillotinePlacement::addBleeds(entries, cutter);
  entries = ordered(std::move(entries), order_);
  DebugOutputEntries("updateEntriesPosition 前", entries);
  GuillotinePlacement::Settings settings;
  settings.area = area;
  settings.cutter = cutter;
  settings.gapScan = data.duplicateMarginScan;
  settings.gapFeed = data.duplicateMarginFeed;
  settings.centerInScan = centred(data, info);
  GuillotinePlacement::place(entries, settings);
  DebugOutputEntries("updateEntriesPosition 後", entries);
}
