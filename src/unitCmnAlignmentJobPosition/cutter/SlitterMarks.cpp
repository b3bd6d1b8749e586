#include "unitCmnAlignmentJobPosition/cutter/SlitterMarks.h"

#include <algorithm>

#include "unitCmnAlignmentJobPosition/cutter/CutterKeys.h"

namespace {

double key(const char* name, double value) { return CutterKeys::length("XY slitter", name, value); }

void addBleeds(CutterLayout& layout, const PrintSection& p) {
  layout.bleedTop = key("xySlitterPrintBleed", p.xySlitterPrintBleed);
  layout.bleedBottom = key("xySlitterPrintBleedBottom", p.xySlitterPrintBleedBottom);
  layout.bleedLeft = key("xySlitterPrintBleedLeft", p.xySlitterPrintBleedLeft);
  layout.bleedRight = key("xySlitterPrintBleedRight", p.xySlitterPrintBleedRight);
}

}  // namespace

CutterLayout SlitterMarks::layoutOf(const PrintSection& p, const DeviceFunctionParam& d) {
  CutterLayout layout;
  addBleeds(layout, p);
  if (!p.xySlitterMark) return layout;
  const double mark = key("XySlitterMarkSize", d.xySlitterMarkSize) +
                      key("XySlitterMarkOffset", d.xySlitterMarkOffset) +
                      key("xySlitterMarkOffset", p.xySlitterMarkOffset);
  layout.left = std::max(mark, key("XySlitterCutLineOffsetScanMinLimit",
                                   d.xySlitterCutLineOffsetScanMinLimit)) +
                key("XySlitterJobRegScanOffset", d.xySlitterJobRegScanOffset);
  layout.top = std::max(mark, key("XySlitterCutLineOffsetFeedMinLimit",
                                  d.xySlitterCutLineOffsetFeedMinLimit));
  layout.right =
      key("XySlitterMediaCutLineOffsetMinLimit", d.xySlitterMediaCutLineOffsetMinLimit) +
      key("XySlitterMediaRegMarkRightOffset", d.xySlitterMediaRegMarkRightOffset);
  layout.bottom = key("XySlitterRegFeedCutLineOffset", d.xySlitterRegFeedCutLineOffset);
  return layout;
}

void SlitterMarks::applyTo(RunJobs& run, std::size_t primary) {
  if (!switchesOffRegisterMarks(run[primary].print)) return;
  for (std::size_t k = 0; k < run.size(); ++k) {
    if (run[k].print.registerMarkShape == 0) continue;
    run[k].print.registerMarkShape = 0;
    run[k].printChanged = true;
  }
}
