// What a command adds to the picture of an arrangement (SvgPicture): its
// own patterns, marks under and over the units of every sheet, and lines
// of the legend. Lengths are mm, in the coordinates of the sheet drawing.
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Sheet.h"

class PictureOverlay {
 public:
  // The drawing the marks go into: the media as drawn and the picture's
  // type size and line width.
  struct Frame {
    double width = 0.0;   // printable width
    double length = 0.0;  // drawn media length (a roll: a little past the used length)
    bool roll = false;
    double font = 0.0;
    double stroke = 0.0;
  };
  // A legend line: the swatch (SVG elements in a font x font box) and its text.
  using LegendLine = std::pair<std::string, std::string>;

  virtual ~PictureOverlay() = default;
  // Elements for <defs> (patterns).
  virtual std::string defs(const Frame& frame) const = 0;
  // Drawn over the media, under the units.
  virtual void underUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const = 0;
  // Drawn over the units.
  virtual void overUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const = 0;
  virtual std::vector<LegendLine> legend(const Frame& frame) const = 0;
};
