// The margin each side of a tile needs beyond its rectangle for what is
// printed around it: the corner marks that show where the tiles join, the
// tile number and the cut line. Each side's margin is the largest of what
// these need.
#pragma once

#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobSizeCalc/Geometry.h"
#include "unitCmnJobSizeCalc/TileSides.h"

class TileMargins {
 public:
  // One tile after its overlap was worked out.
  struct Tile {
    int rotation = 0;                 // degrees, from "tileRotates"
    specialityType::RectDouble base;  // turned, before the overlap grew it
    TileSideFlags flags{};            // sides that grow by the overlap
    TileSideValues extensions{};      // how far each side grew (clipped)
  };

  static TileSideValues of(const CompositeSection& composite, const Tile& tile);

 private:
  static double cornerMark(const CompositeSection& composite, const Tile& tile, TileSide side);
  // False when the number adds nothing on this side.
  static bool tileNumber(const CompositeSection& composite, const Tile& tile, TileSide side,
                         double& candidate);
};
