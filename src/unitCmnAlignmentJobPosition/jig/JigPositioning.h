// Where an image goes in a picture, by the jig's "PositioningPolicy". Each
// policy anchors the image at one of nine points of the picture box and
// moves it inwards by the invalid print area of the sides it touches:
//
//                       x0 side   middle   x1 side
//     y0 side             14        15        16
//     middle              13        10        17
//     y1 side             12        11        18
//
// An anchor on the x0 side adds "Right", on the x1 side subtracts "Left";
// on the y0 side adds "Bottom", on the y1 side subtracts "Top".
// Any value not in the grid behaves as 14. The result is the unturned
// corner (px, py) of the trimmed image:
//   px = imgW * fx + anchor x + kx, py = imgH * fy + anchor y + ky,
// with (fx, fy) 0, -0.5 or -1 for an anchor on the low side, the middle or
// the high side, and (kx, ky) the margin moves above.
#pragma once

#include "unitCmnAlignmentJobPosition/jig/JigBox.h"
#include "unitCmnJobParam/SectionValues.h"
#include "unitCmnParams/JigMargins.h"

class JigPositioning {
 public:
  JigPositioning(int policy, const JigMargins& invalidPrintArea);

  DoublePair place(const JigBox& box, double imgW, double imgH) const;

 private:
  enum class Edge { kLow, kMiddle, kHigh };

  // The anchor between low and high, the size factor and the correction
  // (plus lowMargin on the low side, less highMargin on the high side).
  static double anchor(Edge edge, double low, double high);
  static double factor(Edge edge);
  static double correction(Edge edge, double lowMargin, double highMargin);

  Edge x_ = Edge::kLow;
  Edge y_ = Edge::kLow;
  JigMargins invalid_;
};
