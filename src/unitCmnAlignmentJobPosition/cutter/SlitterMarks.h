// The layout an automatic XY slitter needs, from the "xySlitter..." keys of
// the primary job's "Print" and the device's "XySlitter..." elements. With
// "xySlitterMark" set the slitter finds the layout by its marks, printed
// at the left edge and before the first row; then:
//   - left: the mark (XySlitterMarkSize), the device's distance to the
//     layout (XySlitterMarkOffset) and the job's ("xySlitterMarkOffset"),
//     but at least the least cut-line offset across
//     (XySlitterCutLineOffsetScanMinLimit), plus XySlitterJobRegScanOffset;
//   - top: the same with the least cut-line offset along
//     (XySlitterCutLineOffsetFeedMinLimit);
//   - right: the least distance of a cut line from the media's edge
//     (XySlitterMediaCutLineOffsetMinLimit) plus
//     XySlitterMediaRegMarkRightOffset;
//   - bottom: the distance the slitter feeds past the last cut line
//     (XySlitterRegFeedCutLineOffset).
// Without "xySlitterMark" the layout has no frame. In both cases every unit
// is printed with its bleeds ("xySlitterPrintBleed" at the top,
// "...Bottom", "...Left", "...Right") inside its cell, and the slitter's
// marks replace register marks (see switchesOffRegisterMarks).
#pragma once

#include <cstddef>

#include "unitCmnAlignmentJobPosition/frame/RunJobs.h"
#include "unitCmnAlignmentJobPosition/guillotine/CutterLayout.h"
#include "unitCmnJobParam/PrintSection.h"
#include "unitCmnParams/DeviceFunctionParam.h"

class SlitterMarks {
 public:
  // Raises, naming the key, for a length that is not 0 mm or more.
  static CutterLayout layoutOf(const PrintSection& print, const DeviceFunctionParam& device);
  // Whether the slitter's marks are printed: then the jobs' register marks
  // are switched off (shape 0), since both would claim the same edges.
  static bool switchesOffRegisterMarks(const PrintSection& print) { return print.xySlitterMark; }
  // Switches the register marks of every job of the run off when the
  // primary job (index primary) prints the slitter's marks; the changed
  // "Print" sections are written back with the commit.
  static void applyTo(RunJobs& run, std::size_t primary);
};
