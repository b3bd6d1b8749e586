// The overlap of a tile with its neighbours: which sides of the turned tile
// grow by "tileOverlap" (never at the edge of the tiling, and only when the
// matching "tileOverlapTop/Left/Bottom/Right" key is on), and how far each
// side really grows once clipped at the tile's work rectangle.
#pragma once

#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobSizeCalc/Geometry.h"
#include "unitCmnJobSizeCalc/TileSides.h"

class TileOverlap {
 public:
  // Flags of tile (i0, j0), counted from 0, turned by rotation. A rotation
  // other than 0, 90, 180 or 270 grows on no side.
  static TileSideFlags flags(const CompositeSection& composite, int i0, int j0, int rotation);

  // Extends rect by overlap on every flagged side, in the order end of y,
  // end of x, start of y, start of x, each clipped so that rect does not
  // pass the edge of work. Answers each side's own extension (0 where the
  // flag is not set).
  static TileSideValues grow(specialityType::RectDouble& rect,
                             const specialityType::RectDouble& work, const TileSideFlags& flags,
                             double overlap);
};
