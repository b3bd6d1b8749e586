// The layout a Fotoba trimmer needs, from the "fotobaMark..." keys of the
// primary job's "Print". The trimmer cuts across the whole width where it
// reads a cross-cut mark at the media's edges, and along the media where
// the along-cut marks at the top of the layout set its knives, so:
//   - left and right: "fotobaMarkMarginLeft"/"...Right", at least the
//     cross-cut mark ("fotobaMarkHorizontalSize") and its distance to the
//     images ("fotobaMarkOffset") when marks are printed ("fotobaMarkPrint");
//   - top: "fotobaMarkMarginTop", at least "fotobaMarkVerticalSize" +
//     "fotobaMarkOffset" when marks are printed; bottom:
//     "fotobaMarkMarginBottom";
//   - between two images at least "fotobaMarkMarginCenter" both ways.
// "fotobaMarkLeftJustify" keeps the layout at the left edge; without it
// the layout is centred across. The line width, interval, doubled vertical
// lines and test-cut marks only change how the marks are drawn.
#pragma once

#include "unitCmnAlignmentJobPosition/guillotine/CutterLayout.h"
#include "unitCmnJobParam/PrintSection.h"

class FotobaMarks {
 public:
  // Raises, naming the key, for a length that is not 0 mm or more.
  static CutterLayout layoutOf(const PrintSection& print);
  static bool centred(const PrintSection& print) { return !print.fotobaMarkLeftJustify; }
};
