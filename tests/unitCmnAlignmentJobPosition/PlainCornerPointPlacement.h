// The corner-point placement written plainly, one step after the other as
// the rules read, with no index and no shortcut: every candidate is tested
// against every entry of the sheet. Quadratic, and the reference the
// library's placement must match on every input.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"

class PlainCornerPointPlacement {
 public:
  static void place(std::vector<ArrangeEntry>& entries,
                    const CornerPointPlacement::Settings& settings);
};
