// What the write-back adds to an entry's place to get its unit's "offset"
// on the media: the register marks around the whole layout (mark, offset
// and fill-around), the re-print allowance (25 mm) and the OptiScout code
// strip (across when it is at a "Right..." position, along when it is at a
// "Bottom..." position). placeOf() undoes it, for units that keep the place
// their job text already holds.
#pragma once

#include "unitCmnJobParam/PrintSection.h"

class UnitOffsetRule {
 public:
  // firstPrint: the run's first job's "Print"; the code strip as the
  // printable area found it.
  UnitOffsetRule(const PrintSection& firstPrint, double codeMargin, bool codeRight,
                 bool codeBottom);

  DoublePair offsetOf(double x, double y) const {
    return {marks_ + x + reprint_ + codeX_, marks_ + y + reprint_ + codeY_};
  }
  DoublePair placeOf(const DoublePair& offset) const {
    return {offset[0] - marks_ - reprint_ - codeX_, offset[1] - marks_ - reprint_ - codeY_};
  }

 private:
  double marks_ = 0.0;    // mm, marks around the whole layout
  double reprint_ = 0.0;  // mm, room for a re-print
  double codeX_ = 0.0;    // mm, the code strip across
  double codeY_ = 0.0;    // mm, the code strip along
};
