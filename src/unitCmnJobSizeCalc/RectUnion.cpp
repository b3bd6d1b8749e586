#include "unitCmnJobSizeCalc/RectUnion.h"

#include <algorithm>
#include <limits>

#include "unitCmnJobSizeCalc/SizeValues.h"

void RectUnion::add(const specialityType::RectDouble& rect) {
  if (!sizeValues::allFinite({rect.x, rect.y, rect.width, rect.height})) finite_ = false;
  const double right = rect.x + rect.width;
  const double bottom = rect.y + rect.height;
  if (empty_) {
    left_ = rect.x;
    top_ = rect.y;
    right_ = right;
    bottom_ = bottom;
    empty_ = false;
    return;
  }
  left_ = std::min(left_, rect.x);
  top_ = std::min(top_, rect.y);
  right_ = std::max(right_, right);
  bottom_ = std::max(bottom_, bottom);
}

specialityType::RectDouble RectUnion::result() const {
  if (empty_) return {};
  if (!finite_) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan, nan};
  }
  return {left_, top_, right_ - left_, bottom_ - top_};
}
