// The register-mark settings of a run, from the first job's "Print":
// shape S, size Z (mm), target T (1 = marks around each entry, 0 = around
// the whole layout), offset O (mm) and fill-around F, with what they take
// from the layout.
#pragma once

#include "unitCmnJobParam/PrintSection.h"

struct MarkSettings {
  int shape = 0;
  double size = 0.0;
  int target = 0;
  double offset = 0.0;
  bool fillAround = false;

  static MarkSettings of(const PrintSection& print);

  bool aroundLayout() const { return shape != 0 && target == 0; }
  bool aroundEntries() const { return shape != 0 && target == 1; }
  // Marks around the layout: what the fill-around adds to one side beyond
  // the mark itself (Z for shapes 1 and 4, 5 mm for shape 5).
  double fillAroundExtra() const;
  // Marks around the layout: what the fill-around takes from the width (and
  // from the length): both sides for shapes 1 and 4, 5 mm once for shape 5.
  double layoutFillLoss() const { return shape == 5 ? fillAroundExtra() : 2 * fillAroundExtra(); }
  // Marks around the layout: how far the layout starts from the media's
  // edge (mark, offset and fill-around).
  double layoutMargin() const { return aroundLayout() ? size + offset + fillAroundExtra() : 0.0; }
  // Marks around each entry: what they add to its width and height.
  double entryAllowance() const;
};
