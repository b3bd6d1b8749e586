// Turns a rectangle of the unrotated tile grid by a tile's rotation inside
// the scaled job (W, H): a quarter turn swaps width and height, and the
// position follows the rotation (x, y), (y, W - w - x), (W - w - x,
// H - h - y) or (H - h - y, x) for 0, 90, 180 and 270 degrees. The tile
// and its work rectangle are turned by the same table.
#pragma once

#include "unitCmnJobSizeCalc/Geometry.h"

class TileTurn {
 public:
  // Width and height change places when the rotation is not a multiple
  // of 180 degrees.
  static bool swapsAxes(int rotation) { return rotation % 180 != 0; }

  // A rotation other than 0, 90, 180 or 270 puts the rectangle at (0, 0).
  static specialityType::RectDouble turn(const specialityType::RectDouble& rect, int rotation,
                                         double jobWidth, double jobHeight);
};
