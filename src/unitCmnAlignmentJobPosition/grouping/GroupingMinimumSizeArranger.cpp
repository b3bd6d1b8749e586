#include "unitCmnAlignmentJobPosition/grouping/GroupingMinimumSizeArranger.h"

#include "unitCmnAlignmentJobPosition/placement/TwinRollPlacement.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"

std::vector<ArrangeEntry> GroupingMinimumSizeArranger::rotated(
    const std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area) const {
  switch (rotation_) {
    case RotationStep::Landscape:
      KvnCmnLog::logTrace(UNITCMN_SITE, "arrange MIN_SIZE");
      return rotateLandscape(entries, area);
    case RotationStep::Upright:
      KvnCmnLog::logTrace(UNITCMN_SITE, "arrange NO_ROTATION");
      return resetRotation(entries);
    case RotationStep::AsBuilt:
      break;
  }
  KvnCmnLog::logTrace(UNITCMN_SITE, "arrange NO_AUTOROTATION");
  return entries;
}

void GroupingMinimumSizeArranger::placeGroup(std::vector<ArrangeEntry>& entries,
                                             const std::vector<ArrangeEntry>& locked,
                                             const specialityType::DimDouble& area,
                                             const GroupingArrangerData& data,
                                             const GroupingInfo& info) {
  entries = rotated(entries, area);
  DebugOutputEntries("sortIntoLargerHeightOrder 前", entries);
  entries = sortByHeight(std::move(entries));
  DebugOutputEntries("sortIntoLargerHeightOrder 後", entries);
  KvnCmnLog::logTrace(UNITCMN_SITE, order_ == GroupOrder::Grouping ? "arrange GROUPINGORDER"
                                                                   : "arrange DUPLICATEORDER");
  entries = ordered(std::move(entries), order_);
  DebugOutputEntries("updateEntriesPosition 前", entries);
  if (data.twinRollWidth1 > 0) {
    updateEntriesPositionTwinRoll(entries, {data.twinRollWidth2, data.printableLength},
                                  {data.printableWidth - data.twinRollWidth1, data.printableLength},
                                  data.duplicateMarginScan, data.duplicateMarginFeed,
                                  data.twinRollWidth1);
  } else {
    updateEntriesPosition(entries, locked, area, data.duplicateMarginScan, data.duplicateMarginFeed,
                          data.centerInScan, &info);
  }
  DebugOutputEntries("updateEntriesPosition 後", entries);
}

void GroupingMinimumSizeArranger::updateEntriesPosition(std::vector<ArrangeEntry>& entries,
                                                        const std::vector<ArrangeEntry>& locked,
                                                        const specialityType::DimDouble& area,
                                                        double gapScan, double gapFeed, bool center,
                                                        const GroupingInfo* info) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty()) return;
    CornerPointPlacement::Settings settings;
    settings.area = area;
    settings.gapScan = gapScan;
    settings.gapFeed = gapFeed;
    settings.locked = &locked;
    CornerPointPlacement::place(entries, settings);
    if (center) CenterOffsetSetting(entries, area, info);
  });
}

void GroupingMinimumSizeArranger::updateEntriesPositionTwinRoll(
    std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area1,
    const specialityType::DimDouble& area2, double gapScan, double gapFeed,
    double secondRollOffset) {
  TwinRollGeometry rolls;
  rolls.widthA = area1.width;
  rolls.startB = secondRollOffset;
  rolls.widthB = area2.width;
  rolls.lengthLimit = area1.height;
  rolls.gapScan = gapScan;
  rolls.gapFeed = gapFeed;
  TwinRollPlacement::place(entries, rolls);
}
