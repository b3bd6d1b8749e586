// Kinds 29 (grouping order) and 30 (duplicate order): the group's units
// into the pictures (pockets) of the jig given with InitJigParam, as the
// jig arrangement places one group: unit i, in the group's order, into
// used picture i mod n (n pictures in use) of filling i / n + 1, anchored
// by the jig's positioning policy and turned by its deskew (JigPictures,
// JigPositioning, JigRotation). The group is laid "groupingDuplicateCount"
// times: each further duplicate continues in the next pictures, its units
// named as further copies of their job (copy numbers after the job's
// last). A unit's offset is its place on the jig; units held in place
// keep theirs and take no picture. A run without a jig, or with more than
// 100,000 units with the duplicates, is refused.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/grouping/AbGroupingArranger.h"

class GroupingJigArranger : public AbGroupingArranger {
 public:
  explicit GroupingJigArranger(GroupOrder order) : order_(order) {}
  const char* selectionName() const override { return "JIG"; }

  // The group's units followed by its further duplicates (count in all).
  static std::vector<ArrangeEntry> withDuplicates(const std::vector<ArrangeEntry>& group,
                                                  int count);

 protected:
  void placeGroup(std::vector<ArrangeEntry>& entries, const std::vector<ArrangeEntry>& locked,
                  const specialityType::DimDouble& area, const GroupingArrangerData& data,
                  const GroupingInfo& info) override;

 private:
  GroupOrder order_;
};
