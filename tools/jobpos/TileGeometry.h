// One tile of a tiled job as it lies on the media, worked out from the
// job's "Composite" the way the size calculation does it, for the picture:
//  - the tile's part of the image: column i is entry i of
//    "tileScanPositions" wide and row j entry j of "tileFeedPositions"
//    high, placed after the earlier columns and rows from the start of
//    "tileWorkSize";
//  - turned by its entry of "tileRotates" (a quarter turn swaps width and
//    height), inside the job's "scale";
//  - grown by "tileOverlap" on each side that overlaps its neighbour:
//    never at the edge of the tiling, otherwise as "tileOverlapTop",
//    "tileOverlapLeft", "tileOverlapBottom" and "tileOverlapRight" say for
//    the tile's turn, and clipped so that the tile stays inside the turned
//    "tileWorkSize".
// What is printed around a tile (corner marks, its number, the cut line,
// the label) is not included.
#pragma once

#include <array>

#include "JobText.h"
#include "Sheet.h"

class TileGeometry {
 public:
  struct Shape {
    double width = 0.0, height = 0.0;  // with the overlaps
    int rotation = 0;                  // the tile's entry of "tileRotates"
    std::array<TileOverlapSide, kUnitSides> overlaps{};
  };

  // Tile (column, row), both counted from 1. A tile outside the tiling
  // ("tileScanDivision" x "tileFeedDivision") has no size.
  static Shape of(const JobText& job, int column, int row);

 private:
  // "tileRotates"[column - 1][row - 1]; 0 when the list is short.
  static int rotation(const JobText& job, int column, int row);
};
