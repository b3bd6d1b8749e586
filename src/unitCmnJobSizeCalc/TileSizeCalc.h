// The size on the media of one tile of a tiled job: the tile's part of the
// image turned by its rotation, grown by its overlaps, plus the margins of
// its corner marks, tile number and cut line, and the label under it.
#pragma once

#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobParam/PrintSection.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class TileSizeCalc {
 public:
  // Tile (i, j) counted from 1, i across the media up to
  // "tileScanDivision", j along it up to "tileFeedDivision"; any other
  // tile has the size (0, 0). print holds the run's register marks (for
  // the label gap).
  static specialityType::DimDouble size(const CompositeSection& composite,
                                        const PrintSection& print, int i, int j);

  // The tile's rotation: "tileRotates"[i0][j0], 0 when the list is short.
  static int rotation(const CompositeSection& composite, int i0, int j0);

  // The tile in the unrotated grid: its width and height from
  // "tileScanPositions"[i0] and "tileFeedPositions"[j0] (0 when the list
  // is short), placed after the earlier columns and rows from the start
  // of "tileWorkSize".
  static specialityType::RectDouble gridRect(const CompositeSection& composite, int i0, int j0);
};
