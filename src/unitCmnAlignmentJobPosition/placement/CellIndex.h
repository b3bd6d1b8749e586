// Which of `count` equal cells along one axis a coordinate falls into, for
// the placement's grids (entries, candidate rows, stripes). Monotone: a
// larger value never gets a smaller cell, which the passes rely on when
// they read every point of the cells before the last one without testing
// it. Values below the first cell, and NaN, go to cell 0; values beyond
// the last go to the last.
#pragma once

#include <cmath>
#include <cstddef>

class CellIndex {
 public:
  // The grids map coordinates up to this far from 0; beyond it (and NaN)
  // a value is kept apart. Sums of such values still round far below the
  // slack the placement leaves around its queries.
  static constexpr double kMaxCoordinate = 1e12;  // mm
  // (False for NaN and the infinities too.)
  static bool mappable(double v) { return std::fabs(v) <= kMaxCoordinate; }

  // perCell: cells per mm (1 / the cell size).
  // perCell 0 (no extent to cut) puts everything into cell 0.
  static std::size_t of(double v, double perCell, std::size_t count) {
    const double at = v * perCell;
    if (!(at > 0)) return 0;
    return at >= static_cast<double>(count - 1) ? count - 1 : static_cast<std::size_t>(at);
  }
};
