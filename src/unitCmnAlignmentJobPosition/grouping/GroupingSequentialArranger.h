// Kinds 13 to 16: the group's entries one below the other along the media,
// in the grouping order (by member, then copy) or the duplicate order (by
// copy, then member), a new sheet when the length is used up. Kinds 13 and
// 14 first lay upright entries on their side where they fit across. With
// centring, each entry sits in the middle of the widest one and each sheet
// is moved so that the group, repeated as often as asked and as fits, sits
// in the middle of the area. Locked entries stay where they are and do not
// block this placement.
#pragma once

#include "unitCmnAlignmentJobPosition/grouping/AbGroupingArranger.h"

class GroupingSequentialArranger : public AbGroupingArranger {
 public:
  GroupingSequentialArranger(bool rotatesLandscape, GroupOrder order)
      : rotatesLandscape_(rotatesLandscape), order_(order) {}

  const char* selectionName() const override { return "SEQUENTIAL"; }

  // gap (mm) follows every entry along the media.
  static void updateEntriesPosition(std::vector<ArrangeEntry>& entries,
                                    const specialityType::DimDouble& area, double gap, bool center,
                                    const GroupingInfo* info);

 protected:
  void placeGroup(std::vector<ArrangeEntry>& entries, const std::vector<ArrangeEntry>& locked,
                  const specialityType::DimDouble& area, const GroupingArrangerData& data,
                  const GroupingInfo& info) override;

 private:
  bool rotatesLandscape_;
  GroupOrder order_;
};
