// The smallest rectangle holding every rectangle added: from the smallest
// x and y to the largest right (x + width) and bottom (y + height) edge.
// The first rectangle added starts the union; an empty union is all zeros.
// A rectangle with a NaN or infinite value makes the whole union NaN (min
// and max would otherwise keep or drop it by the order of the arguments),
// so that the caller's check for a finite result sees it.
#pragma once

#include "unitCmnJobSizeCalc/Geometry.h"

class RectUnion {
 public:
  void add(const specialityType::RectDouble& rect);
  bool empty() const { return empty_; }
  specialityType::RectDouble result() const;

 private:
  bool empty_ = true;
  bool finite_ = true;
  double left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};
