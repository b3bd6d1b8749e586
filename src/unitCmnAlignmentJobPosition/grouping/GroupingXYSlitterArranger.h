// Kinds 23 (grouping order) and 24 (duplicate order): a group laid out for
// an automatic XY slitter, with the frame, bleeds and marks of the
// grouping primary's "xySlitter..." settings and the device's
// "XySlitter..." elements (SlitterMarks). When the slitter's marks are
// printed, the jobs' register marks are switched off and their "Print"
// written back.
#pragma once

#include "unitCmnAlignmentJobPosition/grouping/GroupingGuillotineArranger.h"

class GroupingXYSlitterArranger : public GroupingGuillotineArranger {
 public:
  using GroupingGuillotineArranger::GroupingGuillotineArranger;
  const char* selectionName() const override { return "XYSLITTER"; }

 protected:
  void prepareRun(RunJobs& run) const override;
  CutterLayout cutterOf(const GroupingArrangerData& data, const GroupingInfo& info) const override;
  bool centred(const GroupingArrangerData& data, const GroupingInfo&) const override {
    return data.centerInScan;
  }
};
