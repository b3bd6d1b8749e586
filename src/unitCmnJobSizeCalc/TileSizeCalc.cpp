#include "unitCmnJobSizeCalc/TileSizeCalc.h"

#include <cstddef>
#include <vector>

#include "unitCmnJobSizeCalc/JobLabel.h"
#include "unitCmnJobSizeCalc/TileMargins.h"
#include "unitCmnJobSizeCalc/TileOverlap.h"
#include "unitCmnJobSizeCalc/TileTurn.h"

namespace {

template <class T>
T valueAt(const std::vector<T>& list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.size() ? list[index] : T{};
}

// The sum of the first count values (fewer when the list is shorter).
double sumOfFirst(const std::vector<double>& list, int count) {
  double sum = 0;
  for (int k = 0; k < count && static_cast<std::size_t>(k) < list.size(); ++k) sum += list[k];
  return sum;
}

bool inTiling(const CompositeSection& c, int i, int j) {
  return i >= 1 && j >= 1 && i <= c.tileScanDivision && j <= c.tileFeedDivision;
}

}  // namespace

int TileSizeCalc::rotation(const CompositeSection& composite, int i0, int j0) {
  if (i0 < 0 || static_cast<std::size_t>(i0) >= composite.tileRotates.size()) return 0;
  return valueAt(composite.tileRotates[i0], j0);
}

specialityType::RectDouble TileSizeCalc::gridRect(const CompositeSection& composite, int i0,
                                                  int j0) {
  const auto& q = composite.tileWorkSize;
  return {q[0] + sumOfFirst(composite.tileScanPositions, i0),
          q[1] + sumOfFirst(composite.tileFeedPositions, j0),
          valueAt(composite.tileScanPositions, i0), valueAt(composite.tileFeedPositions, j0)};
}

specialityType::DimDouble TileSizeCalc::size(const CompositeSection& composite,
                                             const PrintSection& print, int i, int j) {
  if (!inTiling(composite, i, j)) return {};
  const int i0 = i - 1, j0 = j - 1;
  const int r = rotation(composite, i0, j0);
  const double jobW = composite.scale[0], jobH = composite.scale[1];
  const auto& q = composite.tileWorkSize;

  TileMargins::Tile tile;
  tile.rotation = r;
  tile.base = TileTurn::turn(gridRect(composite, i0, j0), r, jobW, jobH);
  const auto work = TileTurn::turn({q[0], q[1], q[2], q[3]}, r, jobW, jobH);
  tile.flags = TileOverlap::flags(composite, i0, j0, r);
  specialityType::RectDouble grown = tile.base;
  tile.extensions = TileOverlap::grow(grown, work, tile.flags, composite.tileOverlap);

  const TileSideValues m = TileMargins::of(composite, tile);
  specialityType::DimDouble out{grown.width + m[kStartOfX] + m[kEndOfX],
                                grown.height + m[kStartOfY] + m[kEndOfY]};
  if (JobLabel::printed(composite)) out.height += JobLabel::height(composite, print);
  return out;
}
