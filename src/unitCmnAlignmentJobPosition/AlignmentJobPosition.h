// The coordinator between the library instance and the arrangers. It owns
// at most one arranger of each family (composite, tiling, grouping), makes
// the arranger of the kind the host chose (ArrangeKinds), runs it and hands
// the result back. A slot keeps its arranger until a kind of the same
// family replaces it: a tiling kind given to a job-position run therefore
// runs the composite arranger an earlier run left.
#pragma once

#include <memory>

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/frame/CompositeArrangerData.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingArrangerData.h"
#include "unitCmnAlignmentJobPosition/tiling/TilingArrangerData.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class AbGroupingArranger;

class AlignmentJobPosition {
 public:
  AlignmentJobPosition();
  ~AlignmentJobPosition();

  // All zero when no composite arranger is there for the kind.
  specialityType::RectDouble AlignmentJobPositionExec(CompositeArrangerData data);
  // False for a kind that is not a tiling kind.
  bool AlignmentTilingPositionExec(const TilingArrangerData& data);
  specialityType::RectDouble AlignmentGroupingJobPositionExec(const GroupingArrangerData& data);

  // Makes the arranger of a job-position kind in its slot; raises for one
  // that cannot run; other kinds change nothing.
  void getArranger(int arrangeKind);
  // Raises for any kind that is not a grouping kind that can run.
  void getGroupingArranger(int arrangeKind);

  const AbCompositeArranger* compositeArranger() const { return compositeArranger_.get(); }
  const AbGroupingArranger* groupingArranger() const { return groupingArranger_.get(); }

 private:
  std::unique_ptr<AbCompositeArranger> compositeArranger_;
  std::unique_ptr<AbGroupingArranger> groupingArranger_;
};
