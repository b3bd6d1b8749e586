// Kinds 25 (grouping order) and 26 (duplicate order): a group laid out for
// a Fotoba trimmer, with the frame and gaps of the grouping primary's
// "fotobaMark..." settings (FotobaMarks) inside the area the group margins
// leave, as for every grouping kind (the write-back adds the margins to the
// offsets, so an area that kept them would let units run past the media).
// Centred across unless the marks are left-justified, or when init asks
// for it.
#pragma once

#include "unitCmnAlignmentJobPosition/grouping/GroupingGuillotineArranger.h"

class GroupingFotobaMarkArranger : public GroupingGuillotineArranger {
 public:
  using GroupingGuillotineArranger::GroupingGuillotineArranger;
  const char* selectionName() const override { return "FOTOBA_MARK"; }

 protected:
  CutterLayout cutterOf(const GroupingArrangerData& data, const GroupingInfo& info) const override;
  bool centred(const GroupingArrangerData& data, const GroupingInfo& info) const override;
};
