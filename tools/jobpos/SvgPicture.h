// The picture of an arrangement: one drawing per sheet, stacked downwards
// in one SVG, 1 mm = 1 user unit, scan across and feed down. Each sheet
// shows the printable width as a frame (the whole sheet when the length is
// finite; an open-ended roll otherwise), the margin before the first unit
// hatched, every unit as <rect class="unit" data-job data-copy> at its
// offset with its label, turned units crossed by a diagonal with their
// angle, and the used length as a dashed line. A tile is labelled with its
// (column,row), and the overlap it carries over the next panel is hatched
// (<rect class="overlap" data-side>) with a dashed line where that panel's
// edge meets it. A legend follows.
#pragma once

#include <string>

#include "SheetLayout.h"

class SvgPicture {
 public:
  // width: the printable width in mm; length: the printable length in mm,
  // 0 or less for an unlimited roll.
  SvgPicture(double width, double length);

  std::string render(const SheetLayout& layout) const;

 private:
  double width_;
  double length_;
};
