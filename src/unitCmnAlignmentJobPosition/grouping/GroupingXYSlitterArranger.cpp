#include "unitCmnAlignmentJobPosition/grouping/GroupingXYSlitterArranger.h"

#include "unitCmnAlignmentJobPosition/cutter/SlitterMarks.h"

void GroupingXYSlitterArranger::prepareRun(RunJobs& run) const {
  SlitterMarks::applyTo(run, findGroupingPrimary(run));
}

CutterLayout GroupingXYSlitterArranger::cutterOf(const GroupingArrangerData& data,
                                                 const GroupingInfo& info) const {
  return SlitterMarks::layoutOf(info.primaryPrint, data.deviceFunctionParam);
}
