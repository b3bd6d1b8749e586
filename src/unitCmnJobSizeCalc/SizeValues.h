// Small value rules shared by the size calculations: the point-to-millimetre
// conversion, rounding a count up to whole rows with an untrusted divisor,
// and the guard that turns a size that is not a number into zeros.
#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "unitCmnJobSizeCalc/Geometry.h"

namespace sizeValues {

// Lengths given in points (1/72 inch) as millimetres.
inline double pointsToMm(double points) { return points / 72.0 * 25.4; }

// A count from the job file that must be at least one (copies, copies per
// row, seals per row): 0 or less counts as 1, so that no layout divides by
// zero or lays out a negative number of columns.
inline int atLeastOne(int count) { return count > 0 ? count : 1; }

// count / per rounded up, for count >= 0 and per >= 1 (no overflow).
inline int rowsFor(int count, int per) { return count / per + (count % per != 0 ? 1 : 0); }

// The larger of two values; NaN when either is NaN (std::max would keep
// or drop a NaN depending on the order of its arguments).
inline double larger(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return std::max(a, b);
}

inline bool allFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A result with a NaN or infinite part is meaningless to the arrangers
// (every comparison with NaN is false): it becomes all zeros.
inline specialityType::DimDouble finiteOrZero(const specialityType::DimDouble& d) {
  if (std::isfinite(d.width) && std::isfinite(d.height)) return d;
  return {};
}

inline specialityType::RectDouble finiteOrZero(const specialityType::RectDouble& r) {
  if (std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.width) && std::isfinite(r.height))
    return r;
  return {};
}

}  // namespace sizeValues
