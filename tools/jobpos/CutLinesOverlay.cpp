#include "CutLinesOverlay.h"

#include "CutLines.h"
#include "SvgPicture.h"

namespace {

std::string line(double x0, double y0, double x1, double y1, double stroke) {
  using S = SvgPicture;
  return "<line class=\"cutter-cut\" x1=\"" + S::number(x0) + "\" y1=\"" + S::number(y0) +
         "\" x2=\"" + S::number(x1) + "\" y2=\"" + S::number(y1) +
         "\" stroke=\"#1565c0\" stroke-width=\"" + S::number(stroke) + "\" stroke-dasharray=\"" +
         S::number(4 * stroke) + "\"/>";
}

}  // namespace

std::string CutLinesOverlay::defs(const Frame& frame) const {
  return inner_ ? inner_->defs(frame) : "";
}

void CutLinesOverlay::underUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const {
  if (inner_) inner_->underUnits(out, sheet, frame);
}

void CutLinesOverlay::overUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const {
  if (inner_) inner_->overUnits(out, sheet, frame);
  const double end = frame.roll ? sheet.usedLength() : frame.length;
  const CutLines cuts(sheet, 0.0, 0.0, frame.width, end);
  for (const CutLine& c : cuts.lines()) out << line(c.x0, c.y0, c.x1, c.y1, frame.stroke) << "\n";
}

std::vector<PictureOverlay::LegendLine> CutLinesOverlay::legend(const Frame& frame) const {
  std::vector<LegendLine> lines = inner_ ? inner_->legend(frame) : std::vector<LegendLine>{};
  const double f = frame.font;
  lines.emplace_back(line(0, f / 2, f, f / 2, frame.stroke), "cut line of the cutter");
  return lines;
}
