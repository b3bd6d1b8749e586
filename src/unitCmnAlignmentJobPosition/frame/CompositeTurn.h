// Follows a turn of a placed job in its composite record. "scale" and the
// trims describe the job as placed, so a quarter turn swaps the scale (and
// its ratio) and moves each trim to the next side; a half turn swaps
// opposite trims. Turns are clockwise: after a quarter turn the former
// left edge is at the top.
#pragma once

#include "unitCmnJobParam/CompositeSection.h"

class CompositeTurn {
 public:
  // Sets "rotate" to rotation and turns the record by the difference.
  static void turnTo(CompositeSection& composite, int rotation);
  // An angle in degrees brought into 0 to 359. Taken in 64 bits, so that
  // sums and differences of angles read from a file cannot overflow.
  static int normalized(long long degrees) {
    return static_cast<int>((degrees % 360 + 360) % 360);
  }
};
