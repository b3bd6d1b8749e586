// The label printed under a job: its lines of text and the gap that keeps
// it clear of the register marks.
#pragma once

#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobParam/PrintSection.h"

class JobLabel {
 public:
  // "labelPrint" is set and at least one of the fourteen label items is on
  // ("paneling" is the caller's concern: the single size drops the label
  // of a panelled job, the tile size does not).
  static bool printed(const CompositeSection& composite);

  // "labelPrintStringLine" x "labelSize" plus the gap: max(Z / 2, 5 mm)
  // when the run prints register marks (S != 0), else 0.
  static double height(const CompositeSection& composite, const PrintSection& print);
};
