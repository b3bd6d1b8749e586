#include "GroupOverlay.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "SvgPicture.h"

namespace {

const char* const kBand = "#8c6bb1";  // the margin bands and the group area's edge

std::string num(double v) { return SvgPicture::number(v); }

std::string mm(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

struct Box {
  double x0, y0, x1, y1;
  bool overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

void band(std::ostream& out, const char* side, double x, double y, double w, double h,
          const std::string& title) {
  if (!(w > 0.0) || !(h > 0.0)) return;
  out << "<rect class=\"group-margin\" data-side=\"" << side << "\" x=\"" << num(x) << "\" y=\""
      << num(y) << "\" width=\"" << num(w) << "\" height=\"" << num(h) << "\" fill=\"" << kBand
      << "\" fill-opacity=\"0.18\"><title>" << SvgPicture::escape(title) << "</title></rect>\n";
}

std::string sideTitle(const char* side, const char* key, double arrange, double group) {
  return std::string(side) + " margin of the group " + mm(arrange + group) + " mm: arrangeMargin" +
         key + " " + mm(arrange) + " + groupingMargin" + key + " " + mm(group);
}

}  // namespace

std::string GroupOverlay::defs(const Frame& f) const {
  const std::string step = num(f.font * 0.45);
  return "<pattern id=\"locked\" patternUnits=\"userSpaceOnUse\" width=\"" + step +
         "\" height=\"" + step + "\" patternTransform=\"rotate(45)\"><line x1=\"0\" y1=\"0\" "
         "x2=\"0\" y2=\"" + step + "\" stroke=\"#222222\" stroke-opacity=\"0.6\" stroke-width=\"" +
         num(f.font * 0.1) + "\"/></pattern>";
}

void GroupOverlay::underUnits(std::ostream& out, const Sheet&, const Frame& f) const {
  const SideMargins& a = group_.arrangeMargins();
  const SideMargins& g = group_.groupMargins();
  const double right = a.right + g.right, left = a.left + g.left;
  const double bottom = a.bottom + g.bottom, top = f.roll ? 0.0 : a.top + g.top;
  band(out, "right", 0, 0, right, f.length, sideTitle("right", "Right", a.right, g.right));
  band(out, "left", f.width - left, 0, left, f.length, sideTitle("left", "Left", a.left, g.left));
  band(out, "bottom", 0, 0, f.width, bottom, sideTitle("bottom", "Bottom", a.bottom, g.bottom));
  band(out, "top", 0, f.length - top, f.width, top, sideTitle("top", "Top", a.top, g.top));
  const double w = f.width - right - left, h = f.length - bottom - top;
  if (w > 0.0 && h > 0.0 && (right + left + bottom + top) > 0.0)
    out << "<rect class=\"group-area\" x=\"" << num(right) << "\" y=\"" << num(bottom)
        << "\" width=\"" << num(w) << "\" height=\"" << num(h) << "\" fill=\"none\" stroke=\""
        << kBand << "\" stroke-width=\"" << num(f.stroke) << "\" stroke-dasharray=\""
        << num(f.font * 0.4) << "," << num(f.font * 0.2) << "\"/>\n";
}

void GroupOverlay::overUnits(std::ostream& out, const Sheet& sheet, const Frame& f) const {
  for (const auto& u : sheet.units()) {
    if (group_.isLocked(u.jobId))
      out << "<rect class=\"locked\" data-job=\"" << SvgPicture::escape(u.jobId) << "\" x=\""
          << num(u.x) << "\" y=\"" << num(u.y) << "\" width=\"" << num(u.width) << "\" height=\""
          << num(u.height) << "\" fill=\"url(#locked)\"><title>"
          << SvgPicture::escape(u.jobId + " copy " + std::to_string(u.copy) + ": locked by " +
                                group_.lockReason(u.jobId) + ", kept where its job text put it")
          << "</title></rect>\n";
    const double size = std::min({f.font * 0.8, u.height / 3.0, u.width / 3.0});
    if (size > 0.0)
      out << "<text class=\"duplicate-tag\" data-copy=\"" << u.copy << "\" x=\""
          << num(u.x + u.width - size * 0.3) << "\" y=\"" << num(u.y + size * 1.1)
          << "\" font-size=\"" << num(size) << "\" text-anchor=\"end\" font-weight=\"bold\">#"
          << u.copy << "</text>\n";
  }
  drawDuplicateBlocks(out, sheet, f);
}

// The arranged units of each group duplicate, outlined when no two
// duplicates' outlines overlap (locked units stay out: they are not
// arranged with the group).
void GroupOverlay::drawDuplicateBlocks(std::ostream& out, const Sheet& sheet,
                                       const Frame& f) const {
  std::map<int, Box> blocks;
  for (const auto& u : sheet.units()) {
    if (group_.isLocked(u.jobId)) continue;
    const Box b{u.x, u.y, u.x + u.width, u.y + u.height};
    auto found = blocks.emplace(u.copy, b);
    Box& block = found.first->second;
    block = {std::min(block.x0, b.x0), std::min(block.y0, b.y0), std::max(block.x1, b.x1),
             std::max(block.y1, b.y1)};
  }
  for (auto a = blocks.begin(); a != blocks.end(); ++a)
    for (auto b = std::next(a); b != blocks.end(); ++b)
      if (a->second.overlaps(b->second)) return;
  const double pad = f.stroke * 3, size = f.font * 0.6;
  for (const auto& [copy, b] : blocks) {
    const std::string name = "duplicate " + std::to_string(copy);
    out << "<rect class=\"group-duplicate\" data-copy=\"" << copy << "\" x=\"" << num(b.x0 - pad)
        << "\" y=\"" << num(b.y0 - pad) << "\" width=\"" << num(b.x1 - b.x0 + 2 * pad)
        << "\" height=\"" << num(b.y1 - b.y0 + 2 * pad) << "\" fill=\"none\" stroke=\"#333333\""
        << " stroke-width=\"" << num(f.stroke * 1.5) << "\" stroke-dasharray=\""
        << num(f.font * 0.3) << "," << num(f.font * 0.15) << "\"><title>group " << name
        << "</title></rect>\n<text class=\"duplicate-label\" x=\"" << num(b.x0 + size * 0.3)
        << "\" y=\"" << num(b.y1 - size * 0.3) << "\" font-size=\"" << num(size) << "\">" << name
        << "</text>\n";
  }
}

std::vector<PictureOverlay::LegendLine> GroupOverlay::legend(const Frame& f) const {
  const std::string box = "x=\"0\" y=\"0\" width=\"" + num(f.font) + "\" height=\"" +
                          num(f.font) + "\"";
  std::string locked;
  for (const auto& m : group_.members())
    if (group_.isLocked(m)) locked += (locked.empty() ? "" : ", ") + m;
  const SideMargins& a = group_.arrangeMargins();
  const SideMargins& g = group_.groupMargins();
  return {
      {"", "group of " + group_.primaryId() + ": " + std::to_string(group_.members().size()) +
               " members, groupingDuplicateCount " + std::to_string(group_.duplicateCount())},
      {"<rect " + box + " fill=\"" + kBand + "\" fill-opacity=\"0.18\"/>",
       "group margins: right " + mm(a.right + g.right) + ", bottom " + mm(a.bottom + g.bottom) +
           ", left " + mm(a.left + g.left) + ", top " + mm(a.top + g.top) +
           " mm (arrangeMargin* + groupingMargin*)"},
      {"<rect " + box + " fill=\"#ffffff\" stroke=\"#555555\"/><rect " + box +
           " fill=\"url(#locked)\"/>",
       "locked, kept where its job text put it: " + (locked.empty() ? "none" : locked)},
      {"<text x=\"0\" y=\"" + num(f.font * 0.8) + "\" font-size=\"" + num(f.font * 0.8) +
           "\" font-weight=\"bold\">#k</text>",
       "group duplicate k (the unit's copy number); dashed: one duplicate's units"},
  };
}
