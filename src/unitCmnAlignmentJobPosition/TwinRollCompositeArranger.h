// Kind 5: the entries over two rolls loaded side by side (see
// TwinRollPlacement). No printable-area, rotation, ordering or re-run step:
// the roll geometry comes straight from the record.
#pragma once

#include "unitCmnAlignmentJobPosition/AbCompositeArranger.h"

class TwinRollCompositeArranger : public AbCompositeArranger {
 public:
  specialityType::RectDouble arrange(CompositeArrangerData data) override;
};
