#include "unitCmnAlignmentJobPosition/grouping/GroupingSequentialArranger.h"

#include "unitCmnAlignmentJobPosition/placement/SequentialPlacement.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"

void GroupingSequentialArranger::placeGroup(std::vector<ArrangeEntry>& entries,
                                            const std::vector<ArrangeEntry>&,
                                            const specialityType::DimDouble& area,
                                            const GroupingArrangerData& data,
                                            const GroupingInfo& info) {
  if (rotatesLandscape_) {
    entries = sortByOrderNum(rotateLandscape(entries, area));
    DebugOutputEntries("【個別】区分別固有処理　直後", entries);
  }
  if (order_ == GroupOrder::Duplicate) {
    KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 5");
    KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 6 DUPLICATEORDER");
  } else {
    KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 6 GROUPINGORDER");
  }
  entries = ordered(std::move(entries), order_);
  KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 7");
  DebugOutputEntries("updateEntriesPosition 前", entries);
  updateEntriesPosition(entries, area, data.duplicateMarginFeed, data.centerInScan, &info);
  DebugOutputEntries("updateEntriesPosition 後", entries);
}

void GroupingSequentialArranger::updateEntriesPosition(std::vector<ArrangeEntry>& entries,
                                                       const specialityType::DimDouble& area,
                                                       double gap, bool center,
                                                       const GroupingInfo* info) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty()) return;
    KvnCmnLog::logTrace(UNITCMN_SITE, "***pr_dmAreaSize.Height " + std::to_string(area.height) +
                                          " Width " + std::to_string(area.width));
    using Across = SequentialPlacement::Across;
    SequentialPlacement::place(entries, area, center ? Across::WidestMiddle : Across::Left, gap);
    if (center) CenterOffsetSetting(entries, area, info);
  });
}
