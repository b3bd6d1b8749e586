// The coordinator between the library instance and the arrangers. It owns
// at most one arranger of each family (composite, tiling, grouping), makes
// the arranger of the kind the host chose (ArrangeKinds), runs it and hands
// the result back. A slot keeps its arranger until a kind of the same
// family replaces it: a tiling kind given to a job-position run therefore
// runs the composite arranger an earlier run left. A tiling run runs only
// a tiling kind; any other kind answers false.
#pragma once

#include <memory>

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/frame/CompositeArrangerData.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingArrangerData.h"
#include "unitCmnAlignmentJobPosition/tiling/AbTilingArranger.h"
#include "unitCmnAlignmentJobPosition/tiling/TilingArrangerData.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class AbGroupingArranger;

class AlignmentJobPosition {
 public:
  AlignmentJobPosition();
  ~AlignmentJobPosition();

  // All zero when no composite arranger is there for the kind.
  specialityType::RectDouble AlignmentJobPositionExec(CompositeArrangerData data);
  // False for a kind that is not a tiling kind, and for a job that is not
  // tiled; otherwise the tile arranger's layout is written into the job.
  bool AlignmentTilingPositionExec(const TilingArrangerData& data);
  specialityType::RectDouble AlignmentGroupingJobPositionExec(const GroupingArrangerData& data);

  // Makes the arranger of a job-position or tiling kind in its family's
  // slot; raises for one that cannot run; other kinds change nothing.
  void getArranger(int arrangeKind);
  // Raises for any kind that is not a grouping kind that can run.
  void getGroupingArranger(int arrangeKind);

  const AbCompositeArranger* compositeArranger() const { return compositeArranger_.get(); }
  const AbTilingArranger* tilingArranger() const { return tilingArranger_.get(); }
  const AbGroupingArranger* groupingArranger() const { return groupingArranger_.get(); }

 private:
  std::unique_ptr<AbCompositeArranger> compositeArranger_;
  std::unique_ptr<AbTilingArranger> tilingArranger_;
  std::unique_ptr<AbGroupingArranger> groupingArranger_;
};
