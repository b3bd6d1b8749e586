// The picture of an arrangement: one drawing per sheet, stacked downwards
// in one SVG, 1 mm = 1 user unit, scan across and feed down. Each sheet
// shows the printable width as a frame (the whole sheet when the length is
// finite; an open-ended roll otherwise), the margin before the first unit
// hatched, every unit as <rect class="unit" data-job data-copy> at its
// offset with its label, turned units crossed by a diagonal with their
// angle, and the used length as a dashed line. A tile is labelled with its
// (column,row), and the overlap it carries over the next panel is hatched
// (<rect class="overlap" data-side>) with a dashed line where that panel's
// edge meets it. Above the drawings a summary gives the figures of every
// sheet and of all; each drawing carries the media width and the sheet
// length as dimension lines, the rolls of a twin-roll media, each unit's
// size, and, in red, what the layout check found. A legend follows, with
// only what the drawings show. A command may add its own marks
// (PictureOverlay).
#pragma once

#include <string>

#include "LayoutCheck.h"
#include "LayoutReport.h"
#include "PictureOverlay.h"
#include "SheetLayout.h"

class SvgPicture {
 public:
  // media: the printable width and length (0 or less: an unlimited roll)
  // and the rolls. overlay, when given, must outlive the picture.
  explicit SvgPicture(const SheetMedia& media, const PictureOverlay* overlay = nullptr);

  // report: the figures and the check of the same layout.
  std::string render(const SheetLayout& layout, const LayoutReport& report) const;

  // A length as the picture writes it (at most three decimals) and a text
  // escaped for XML, for overlays.
  static std::string number(double mm);
  static std::string escape(const std::string& text);

 private:
  SheetMedia media_;
  const PictureOverlay* overlay_;
};
