// The cut lines of a guillotine layout in the picture (CutLines), over the
// units of every sheet, as blue dashed lines (<line class="cutter-cut">),
// added to another overlay's marks when one is given. The first cuts run
// through the printable width and, on a roll, the used length.
#pragma once

#include "PictureOverlay.h"

class CutLinesOverlay : public PictureOverlay {
 public:
  // inner, when given, must outlive this overlay.
  explicit CutLinesOverlay(const PictureOverlay* inner = nullptr) : inner_(inner) {}

  std::string defs(const Frame& frame) const override;
  void underUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const override;
  void overUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const override;
  std::vector<LegendLine> legend(const Frame& frame) const override;

 private:
  const PictureOverlay* inner_;
};
