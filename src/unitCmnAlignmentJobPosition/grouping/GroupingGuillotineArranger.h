// Base of the grouping kinds for cutters (XY slitter 23, 24; Fotoba 25,
// 26): the group's units, in the grouping or duplicate order, laid out by
// the guillotine placement inside the frame the cutter needs, so that the
// cutter can cut the whole group with straight cuts through the whole
// piece. Where units tie in the packing's orders they keep the group's
// order. A group with units held in place is refused: a layout cut through
// the whole sheet cannot be laid around them.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/grouping/AbGroupingArranger.h"
#include "unitCmnAlignmentJobPosition/guillotine/CutterLayout.h"

class GroupingGuillotineArranger : public AbGroupingArranger {
 public:
  explicit GroupingGuillotineArranger(GroupOrder order) : order_(order) {}

 protected:
  void placeGroup(std::vector<ArrangeEntry>& entries, const std::vector<ArrangeEntry>& locked,
                  const specialityType::DimDouble& area, const GroupingArrangerData& data,
                  const GroupingInfo& info) override;
  // The cutter's frame, gaps and bleeds for the group.
  virtual CutterLayout cutterOf(const GroupingArrangerData& data,
                                const GroupingInfo& info) const = 0;
  // Whether the layout is centred across.
  virtual bool centred(const GroupingArrangerData& data, const GroupingInfo& info) const = 0;

 private:
  GroupOrder order_;
};
