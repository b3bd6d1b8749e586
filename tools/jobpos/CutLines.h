// The cut lines a guillotine cutter (a Fotoba trimmer, an XY slitter)
// makes through a sheet's units: a straight cut through the whole piece,
// across or along, that separates the units into two groups, then the
// same within each group's piece, down to single units. Each cut lies in
// the middle of the gap between the two groups. A part of a sheet that no
// straight cut separates gets no more lines (and is counted: such a
// layout cannot be cut by these machines).
#pragma once

#include <vector>

#include "Sheet.h"

struct CutLine {
  double x0, y0, x1, y1;  // mm, in sheet coordinates
};

class CutLines {
 public:
  // piece: the sheet's room (x0, y0, x1, y1) the first cuts run through.
  CutLines(const Sheet& sheet, double x0, double y0, double x1, double y1);

  const std::vector<CutLine>& lines() const { return lines_; }
  // Groups of units that no straight cut separates.
  int uncuttable() const { return uncuttable_; }

 private:
  struct Box {
    double x0, y0, x1, y1;
  };
  void cut(const std::vector<Box>& boxes, const Box& piece);
  bool split(const std::vector<Box>& boxes, const Box& piece, bool across);

  std::vector<CutLine> lines_;
  int uncuttable_ = 0;
};
