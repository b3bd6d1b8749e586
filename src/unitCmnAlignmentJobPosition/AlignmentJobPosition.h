// The coordinator between the library instance and the arrangers. It owns
// at most one arranger of each family (composite, tiling, grouping), makes
// the arranger of the kind the host chose, runs it and hands the result
// back. A slot keeps its arranger until a kind of the same family replaces
// it: a tiling kind given to a job-position run therefore runs the composite
// arranger an earlier run left.
#pragma once

#include <memory>

#include "unitCmnAlignmentJobPosition/AbCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/CompositeArrangerData.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class AlignmentJobPosition {
 public:
  AlignmentJobPosition();
  ~AlignmentJobPosition();

  // All zero when no composite arranger is there for the kind.
  specialityType::RectDouble AlignmentJobPositionExec(CompositeArrangerData data);
  // Makes the arranger of a composite (or, later, tiling) kind in its slot;
  // other kinds change nothing.
  void getArranger(int arrangeKind);

  const AbCompositeArranger* compositeArranger() const { return compositeArranger_.get(); }

 private:
  std::unique_ptr<AbCompositeArranger> compositeArranger_;
};
