// Kinds 25 (grouping order) and 26 (duplicate order): a group laid out for
// a Fotoba trimmer, with the frame and gaps of the grouping primary's
// "fotobaMark..." settings (FotobaMarks) in place of the group margins,
// which do not come off the area. Centred across unless the marks are
// left-justified, or when init asks for it.
#pragma once

#include "unitCmnAlignmentJobPosition/grouping/GroupingGuillotineArranger.h"

class GroupingFotobaMarkArranger : public GroupingGuillotineArranger {
 public:
  using GroupingGuillotineArranger::GroupingGuillotineArranger;
  const char* selectionName() const override { return "FOTOBA_MARK"; }

 protected:
  bool groupMarginsInArea() const override { return false; }
  CutterLayout cutterOf(const GroupingArrangerData& data, const GroupingInfo& info) const override;
  bool centred(const GroupingArrangerData& data, const GroupingInfo& info) const override;
};
