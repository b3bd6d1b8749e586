// The pictures a jig run fills: the picture rectangles whose Use is true,
// in the jig's sorted order, each with its box
//   x0 = OffsetW + JigOriginW + FirstOriginW, x1 = x0 + BasePictureSizeW,
//   y0 = OffsetH + JigOriginH + FirstOriginH, y1 = y0 + BasePictureSizeH.
// The picture counts and pitches play no part: each rectangle's offset
// already says where its picture is.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/jig/JigBox.h"
#include "unitCmnParams/JigParam.h"

class JigPictures {
 public:
  // Raises, naming the element, when the jig has no picture in use, a
  // picture size that is not a positive number, or an origin, offset or
  // invalid-print-area margin that is not a finite number.
  explicit JigPictures(const JigParam& jig);

  const std::vector<JigBox>& boxes() const { return boxes_; }
  std::size_t size() const { return boxes_.size(); }
  // A picture less the invalid print area on its four sides: the room an
  // image may fill (may be 0 or less).
  double usableWidth() const { return usableWidth_; }
  double usableHeight() const { return usableHeight_; }

  // Raises "the jig's <name> is not a finite number (<value>)" unless
  // value is finite.
  static void requireFinite(const std::string& name, double value);

 private:
  std::vector<JigBox> boxes_;
  double usableWidth_ = 0.0;
  double usableHeight_ = 0.0;
};
