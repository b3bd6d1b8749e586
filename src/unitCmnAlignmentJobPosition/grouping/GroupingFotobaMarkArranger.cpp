#include "unitCmnAlignmentJobPosition/grouping/GroupingFotobaMarkArranger.h"

#include "unitCmnAlignmentJobPosition/cutter/FotobaMarks.h"

CutterLayout GroupingFotobaMarkArranger::cutterOf(const GroupingArrangerData&,
                                                  const GroupingInfo& info) const {
  return FotobaMarks::layoutOf(info.primaryPrint);
}

bool GroupingFotobaMarkArranger::centred(const GroupingArrangerData& data,
                                         const GroupingInfo& info) const {
  return data.centerInScan || FotobaMarks::centred(info.primaryPrint);
}
