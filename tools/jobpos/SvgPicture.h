// The picture of an arrangement: one drawing per sheet, stacked downwards
// in one SVG, 1 mm = 1 user unit, scan across and feed down. Each sheet
// shows the printable width as a frame (the whole sheet when the length is
// finite; an open-ended roll otherwise), the margin before the first unit
// hatched, every unit as <rect class="unit" data-job data-copy> at its
// offset with its label, turned units crossed by a diagonal with their
// angle, and the used length as a dashed line. A tile is labelled with its
// (column,row), and the overlap it carries over the next panel is hatched
// (<rect class="overlap" data-side>) with a dashed line where that panel's
// edge meets it. A legend follows. A command may add its own marks
// (PictureOverlay).
#pragma once

#include <string>

#include "PictureOverlay.h"
#include "SheetLayout.h"

class SvgPicture {
 public:
  // width: the printable width in mm; length: the printable length in mm,
  // 0 or less for an unlimited roll. overlay, when given, must outlive
  // the picture.
  SvgPicture(double width, double length, const PictureOverlay* overlay = nullptr);

  std::string render(const SheetLayout& layout) const;

  // A length as the picture writes it (at most three decimals) and a text
  // escaped for XML, for overlays.
  static std::string number(double mm);
  static std::string escape(const std::string& text);

 private:
  double width_;
  double length_;
  const PictureOverlay* overlay_;
};
