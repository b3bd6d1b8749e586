#include "SvgPicture.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

#include "SvgText.h"

namespace {


const auto num = SvgText::num;
const auto oneDecimal = SvgText::oneDecimal;
const auto escaped = SvgText::escaped;

bool isTile(const PlacedUnit& u) { return u.tileScan > 0 && u.tileFeed > 0; }

// "(column,row)" of a tile.
std::string tileName(int column, int row) {
  return "(" + std::to_string(column) + "," + std::to_string(row) + ")";
}

std::string unitLabel(const PlacedUnit& u) {
  if (isTile(u)) return "tile " + tileName(u.tileScan, u.tileFeed);
  std::string label = "copy " + std::to_string(u.copy);
  if (u.pages > 1 || u.page > 1) label += " · page " + std::to_string(u.page);
  return label;
}

// Text lengths in characters (UTF-8 continuation bytes not counted), to fit
// labels into their unit.
size_t characters(const std::string& text) {
  size_t n = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

// "tiles" when every unit is a tile, else "units".
std::string countNoun(const std::vector<PlacedUnit>& units) {
  for (const auto& u : units)
    if (!isTile(u)) return "units";
  return units.empty() ? "units" : "tiles";
}

bool hasTiles(const SheetLayout& layout) {
  for (const auto& s : layout.sheets())
    for (const auto& u : s.units())
      if (isTile(u)) return true;
  return false;
}

bool hasOverlap(const SheetLayout& layout) {
  for (const auto& s : layout.sheets())
    for (const auto& u : s.units())
      for (const auto& o : u.overlaps)
        if (o.depth > 0.0) return true;
  return false;
}

struct Metrics {
  double width;     // printable width drawn
  double pad;       // space around drawings
  double font;      // caption size
  double stroke;    // outline width
  double left;      // left edge of the frames (room for the feed label)
};

void drawUnitBox(std::ostream& out, const PlacedUnit& u, const Metrics& m) {
  const char* fill = SvgText::fill(static_cast<size_t>(u.jobIndex));
  const char* line = SvgText::line(static_cast<size_t>(u.jobIndex));
  out << "<rect class=\"unit\" data-job=\"" << escaped(u.jobId) << "\" data-copy=\"" << u.copy
      << "\" data-page=\"" << u.page << "\"";
  if (isTile(u)) out << " data-tile=\"" << u.tileScan << "," << u.tileFeed << "\"";
  out << " x=\"" << num(u.x) << "\" y=\"" << num(u.y) << "\" width=\"" << num(u.width)
      << "\" height=\"" << num(u.height) << "\" fill=\"" << fill << "\" stroke=\"" << line
      << "\" stroke-width=\"" << num(m.stroke) << "\"><title>"
      << escaped(u.jobId + ", " + unitLabel(u) + ": " + oneDecimal(u.width) + " x " +
                 oneDecimal(u.height) + " mm at (" + oneDecimal(u.x) + ", " + oneDecimal(u.y) +
                 "); " + u.section)
      << "</title></rect>\n";
  if (u.rotation == 90 || u.rotation == 270)
    out << "<line class=\"turned\" x1=\"" << num(u.x) << "\" y1=\"" << num(u.y) << "\" x2=\""
        << num(u.x + u.width) << "\" y2=\"" << num(u.y + u.height) << "\" stroke=\"" << line
        << "\" stroke-width=\"" << num(m.stroke) << "\" stroke-dasharray=\""
        << num(m.stroke * 6) << "," << num(m.stroke * 4) << "\"/>\n";
}

const char* const kSideNames[kUnitSides] = {"top", "bottom", "left", "right"};

// The strip of a tile that lies over (or under) its neighbour once the
// panels are joined, hatched, with a dashed line where the neighbour's
// edge meets it.
void drawOverlap(std::ostream& out, const PlacedUnit& u, UnitSide side, const Metrics& m) {
  const TileOverlapSide& o = u.overlaps[side];
  const bool across = side == kLeft || side == kRight;
  const double d = std::min(o.depth, across ? u.width : u.height);
  if (!(d > 0.0)) return;
  const double x = side == kRight ? u.x + u.width - d : u.x;
  const double y = side == kBottom ? u.y + u.height - d : u.y;
  const double w = across ? d : u.width, h = across ? u.height : d;
  out << "<rect class=\"overlap\" data-side=\"" << kSideNames[side] << "\" x=\"" << num(x)
      << "\" y=\"" << num(y) << "\" width=\"" << num(w) << "\" height=\"" << num(h)
      << "\" fill=\"url(#overlap)\"><title>"
      << escaped(tileName(u.tileScan, u.tileFeed) + ": overlap " + oneDecimal(o.depth) +
                 " mm on the " + kSideNames[side] + ", joined to tile " +
                 tileName(o.column, o.row))
      << "</title></rect>\n";
  // The join: the neighbour's edge lies on the strip's inner side.
  const double jx = side == kLeft ? x + w : x, jy = side == kTop ? y + h : y;
  out << "<line class=\"join\" x1=\"" << num(jx) << "\" y1=\"" << num(jy) << "\" x2=\""
      << num(across ? jx : jx + w) << "\" y2=\"" << num(across ? jy + h : jy)
      << "\" stroke=\"#333333\" stroke-width=\"" << num(m.stroke * 1.5)
      << "\" stroke-dasharray=\"" << num(m.stroke * 8) << "," << num(m.stroke * 4) << "\"/>\n";
}

// A tile is named by its (column,row) in large type, its job below; any
// other unit by its job over its copy (and page). Each as large as fits.
void drawUnitLabel(std::ostream& out, const PlacedUnit& u, const Metrics& m) {
  const bool tile = isTile(u);
  const std::string first = tile ? tileName(u.tileScan, u.tileFeed) : u.jobId;
  const std::string second = tile ? u.jobId : unitLabel(u);
  const size_t longest = std::max(characters(first) * (tile ? 2 : 1), characters(second));
  const double size = std::min({m.font * 1.1, u.height / 3.0,
                                u.width / (0.68 * static_cast<double>(std::max<size_t>(longest, 1)))});
  if (!(size > 0.0)) return;
  const double big = tile ? size * 2 : size;
  const double cx = u.x + u.width / 2, cy = u.y + u.height / 2;
  out << "<text class=\"" << (tile ? "tile-label" : "label") << "\" x=\"" << num(cx)
      << "\" y=\"" << num(cy - size * 0.15) << "\" font-size=\"" << num(big)
      << "\" text-anchor=\"middle\" font-weight=\"bold\">" << escaped(first) << "</text>\n"
      << "<text class=\"label\" x=\"" << num(cx) << "\" y=\"" << num(cy + size * 1.0)
      << "\" font-size=\"" << num(size * 0.85) << "\" text-anchor=\"middle\">"
      << escaped(second) << "</text>\n";
  if (u.rotation != 0) {
    const double tag = std::min(size, m.font * 0.8);
    out << "<text class=\"turn-tag\" x=\"" << num(u.x + tag * 0.3) << "\" y=\""
        << num(u.y + tag * 1.1) << "\" font-size=\"" << num(tag) << "\" fill=\""
        << SvgText::line(static_cast<size_t>(u.jobIndex)) << "\">" << u.rotation
        << "°</text>\n";
  }
}

void drawUnit(std::ostream& out, const PlacedUnit& u, const Metrics& m) {
  drawUnitBox(out, u, m);
  for (int side = 0; side < kUnitSides; ++side)
    drawOverlap(out, u, static_cast<UnitSide>(side), m);
  drawUnitLabel(out, u, m);
}

// A ruler step (mm) that gives at most maxTicks ticks over length.
double rulerStep(double length, double maxTicks) {
  for (const double step : {10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0})
    if (length / step <= maxTicks) return step;
  double step = 10000.0;
  while (length / step > maxTicks) step *= 2;
  return step;
}

// Tick marks with their distance in mm outside the top edge (across) and
// the left edge (along) of a sheet.
void drawRulers(std::ostream& out, double width, double length, const Metrics& m) {
  const double tick = m.font * 0.3, size = m.font * 0.55;
  out << "<g class=\"ruler\" stroke=\"#666666\" stroke-width=\"" << num(m.stroke) << "\" font-size=\""
      << num(size) << "\" fill=\"#555555\">\n";
  const double across = rulerStep(width, 16);
  for (double x = 0; x <= width + 1e-9; x += across)
    out << "<line x1=\"" << num(x) << "\" y1=\"0\" x2=\"" << num(x) << "\" y2=\"" << num(-tick)
        << "\"/><text x=\"" << num(x) << "\" y=\"" << num(-tick - size * 0.3)
        << "\" text-anchor=\"middle\" stroke=\"none\">" << num(x) << "</text>\n";
  const double along = rulerStep(length, 30);
  for (double y = 0; y <= length + 1e-9; y += along)
    out << "<line x1=\"0\" y1=\"" << num(y) << "\" x2=\"" << num(-tick) << "\" y2=\"" << num(y)
        << "\"/><text x=\"" << num(-tick * 1.5) << "\" y=\"" << num(y + size * 0.35)
        << "\" text-anchor=\"end\" stroke=\"none\">" << num(y) << "</text>\n";
  out << "</g>\n";
}

}  // namespace

SvgPicture::SvgPicture(double width, double length, const PictureOverlay* overlay)
    : width_(width), length_(length), overlay_(overlay) {}

std::string SvgPicture::number(double mm) { return num(mm); }

std::string SvgPicture::escape(const std::string& text) { return escaped(text); }

std::string SvgPicture::render(const SheetLayout& layout) const {
  double right = 0.0;
  for (const auto& s : layout.sheets())
    for (const auto& u : s.units()) right = std::max(right, u.x + u.width);
  Metrics m;
  m.width = width_ > 0.0 ? width_ : right;
  const double base = std::max(m.width, 200.0);
  m.pad = base * 0.04;
  m.font = base * 0.018;
  m.stroke = base * 0.001;
  // Room for the feed label and the ruler's numbers (up to 6 digits).
  m.left = m.pad + m.font * 1.2 + m.font * 0.55 * 0.6 * 6;
  const bool roll = !(length_ > 0.0);

  std::ostringstream body;
  double cursor = m.pad;  // top of the next drawing
  double widest = std::max(m.width, right);
  for (const auto& sheet : layout.sheets()) {
    const double used = sheet.usedLength();
    double bottom = roll ? used + std::max(base * 0.04, 10.0) : length_;
    for (const auto& u : sheet.units()) {
      bottom = std::max(bottom, u.y + u.height);
      widest = std::max(widest, u.x + u.width);
    }
    const double top = cursor + m.font * 3.4;  // room for the caption and the ruler
    std::string caption = "Sheet " + std::to_string(sheet.number()) + " — " +
                           std::to_string(sheet.units().size()) + " " +
                           countNoun(sheet.units()) + " · used length " +
                           oneDecimal(used) + " mm · utilisation " +
                           oneDecimal(100.0 * sheet.utilisation(m.width)) + " % · " +
                           oneDecimal(m.width) + " mm wide, " +
                           (roll ? std::string("unlimited roll")
                                 : oneDecimal(length_) + " mm long");
    body << "<g class=\"sheet\" data-sheet=\"" << sheet.number() << "\" transform=\"translate("
         << num(m.left) << "," << num(top) << ")\">\n"
         << "<text class=\"caption\" x=\"0\" y=\"" << num(-m.font * 2.3) << "\" font-size=\""
         << num(m.font) << "\" font-weight=\"bold\">" << escaped(caption) << "</text>\n"
         << "<text class=\"axis\" x=\"" << num(m.width) << "\" y=\"" << num(-m.font * 1.0)
         << "\" font-size=\"" << num(m.font * 0.7) << "\" text-anchor=\"end\">scan → (mm)</text>\n"
         << "<text class=\"axis\" transform=\"translate(" << num(-(m.left - m.pad - m.font * 0.1))
         << ",0) rotate(90)\" font-size=\"" << num(m.font * 0.7) << "\">feed → (mm)</text>\n";

    // The media: a closed sheet, or a roll whose far end is left open.
    const double mediaEnd = roll ? bottom : length_;
    body << "<rect class=\"media\" x=\"0\" y=\"0\" width=\"" << num(m.width) << "\" height=\""
         << num(mediaEnd) << "\" fill=\"#ffffff\"" << (roll ? "" : " stroke=\"#333333\"")
         << (roll ? "" : " stroke-width=\"" + num(m.stroke * 2) + "\"") << "/>\n";
    if (roll)
      body << "<path class=\"media-edge\" d=\"M0," << num(mediaEnd) << " L0,0 L" << num(m.width)
           << ",0 L" << num(m.width) << "," << num(mediaEnd) << "\" fill=\"none\" stroke=\"#333333\""
           << " stroke-width=\"" << num(m.stroke * 2) << "\"/>\n"
           << "<line class=\"roll-end\" x1=\"0\" y1=\"" << num(mediaEnd) << "\" x2=\""
           << num(m.width) << "\" y2=\"" << num(mediaEnd) << "\" stroke=\"#333333\""
           << " stroke-width=\"" << num(m.stroke) << "\" stroke-dasharray=\""
           << num(m.font * 0.5) << "," << num(m.font * 0.5) << "\"/>\n";

    // The margin the layout leaves before its first unit.
    const double marginX = sheet.smallestX(), marginY = sheet.smallestY();
    if (marginX > 0.0)
      body << "<rect class=\"allowance\" x=\"0\" y=\"0\" width=\"" << num(marginX)
           << "\" height=\"" << num(used) << "\" fill=\"url(#allowance)\"><title>"
           << oneDecimal(marginX) << " mm before the first unit across (marks, code strip)"
           << "</title></rect>\n";
    if (marginY > 0.0)
      body << "<rect class=\"allowance\" x=\"0\" y=\"0\" width=\"" << num(m.width)
           << "\" height=\"" << num(marginY) << "\" fill=\"url(#allowance)\"><title>"
           << oneDecimal(marginY) << " mm before the first unit along (marks, code strip)"
           << "</title></rect>\n";

    const PictureOverlay::Frame frame{m.width, mediaEnd, roll, m.font, m.stroke};
    if (overlay_) overlay_->underUnits(body, sheet, frame);
    drawRulers(body, m.width, mediaEnd, m);
    for (const auto& u : sheet.units()) drawUnit(body, u, m);
    if (overlay_) overlay_->overUnits(body, sheet, frame);

    body << "<line class=\"used-length\" x1=\"0\" y1=\"" << num(used) << "\" x2=\""
         << num(m.width) << "\" y2=\"" << num(used) << "\" stroke=\"#cc0000\" stroke-width=\""
         << num(m.stroke * 2) << "\" stroke-dasharray=\"" << num(m.font * 0.6) << ","
         << num(m.font * 0.3) << "\"/>\n"
         << "<text class=\"used-length\" x=\"" << num(m.width - m.font * 0.3) << "\" y=\""
         << num(used + m.font * 1.1) << "\" font-size=\"" << num(m.font * 0.8)
         << "\" text-anchor=\"end\" fill=\"#cc0000\">used " << oneDecimal(used)
         << " mm</text>\n</g>\n";
    cursor = top + bottom + m.pad;
  }
  if (layout.sheets().empty()) {
    body << "<text class=\"caption\" x=\"" << num(m.left) << "\" y=\"" << num(cursor + m.font)
         << "\" font-size=\"" << num(m.font) << "\">No arranged units in these jobs.</text>\n";
    cursor += m.font * 2;
  }

  // The legend: one line per job, then the marks used.
  std::map<int, size_t> unitsOfJob;
  for (const auto& s : layout.sheets())
    for (const auto& u : s.units()) ++unitsOfJob[u.jobIndex];
  const double line = m.font * 1.5;
  double y = cursor + m.font;
  body << "<g class=\"legend\" font-size=\"" << num(m.font * 0.9) << "\">\n"
       << "<text x=\"" << num(m.left) << "\" y=\"" << num(y) << "\" font-weight=\"bold\">Legend"
       << "</text>\n";
  auto item = [&](const std::string& swatch, const std::string& text) {
    y += line;
    body << "<g transform=\"translate(" << num(m.left) << "," << num(y - m.font * 0.8) << ")\">"
         << swatch << "<text x=\"" << num(m.font * 1.6) << "\" y=\"" << num(m.font * 0.8)
         << "\">" << escaped(text) << "</text></g>\n";
  };
  const std::string box = "x=\"0\" y=\"0\" width=\"" + num(m.font) + "\" height=\"" +
                          num(m.font) + "\"";
  const auto& ids = layout.jobIds();
  for (size_t i = 0; i < ids.size(); ++i) {
    const size_t n = unitsOfJob.count(static_cast<int>(i)) ? unitsOfJob[static_cast<int>(i)] : 0;
    item("<rect " + box + " fill=\"" + SvgText::fill(i) + "\" stroke=\"" +
             SvgText::line(i) + "\"/>",
         ids[i] + " — " + std::to_string(n) + " units");
  }
  const PictureOverlay::Frame shared{m.width, 0.0, roll, m.font, m.stroke};
  if (overlay_)
    for (const auto& l : overlay_->legend(shared)) item(l.first, l.second);
  item("<rect " + box + " fill=\"url(#allowance)\" stroke=\"#999999\"/>",
       "margin before the first unit: register marks, code strip");
  item("<rect " + box + " fill=\"#ffffff\" stroke=\"#555555\"/><line x1=\"0\" y1=\"0\" x2=\"" +
           num(m.font) + "\" y2=\"" + num(m.font) + "\" stroke=\"#555555\"/>",
       "turned unit (Composite rotate 90° or 270°; the angle is written in its corner)");
  item("<line x1=\"0\" y1=\"" + num(m.font / 2) + "\" x2=\"" + num(m.font) + "\" y2=\"" +
           num(m.font / 2) + "\" stroke=\"#cc0000\" stroke-width=\"" + num(m.stroke * 2) +
           "\" stroke-dasharray=\"" + num(m.font * 0.3) + "," + num(m.font * 0.15) + "\"/>",
       "used length (media utilisation = unit area / width × used length)");
  if (hasOverlap(layout)) {
    item("<rect " + box + " fill=\"#ffffff\" stroke=\"#555555\"/><rect " + box +
             " fill=\"url(#overlap)\"/><line x1=\"" + num(m.font * 0.6) + "\" y1=\"0\" x2=\"" +
             num(m.font * 0.6) + "\" y2=\"" + num(m.font) + "\" stroke=\"#333333\" "
             "stroke-dasharray=\"" + num(m.font * 0.2) + "," + num(m.font * 0.1) + "\"/>",
         "tile overlap, joined under or over the next panel (dashed: that panel's edge)");
  }
  item("", "1 mm = 1 unit. Sizes: Composite scale minus trims (cut lines, labels and marks "
           "around units not included).");
  if (hasTiles(layout))
    item("", "A tile (column,row): its part of the image with its overlaps (no corner marks "
             "or tile numbers).");
  body << "</g>\n";
  y += m.pad;

  const double totalWidth = m.left + widest + m.pad;
  const double totalHeight = y;
  const double shownWidth = 1000.0;
  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 "
      << num(totalWidth) << " " << num(totalHeight) << "\" width=\"" << num(shownWidth)
      << "\" height=\"" << num(shownWidth * totalHeight / totalWidth)
      << "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n"
      << "<title>jobpos: " << layout.sheets().size() << " sheet(s), " << layout.unitCount()
      << " units</title>\n"
      << "<defs><pattern id=\"allowance\" patternUnits=\"userSpaceOnUse\" width=\""
      << num(m.font * 0.5) << "\" height=\"" << num(m.font * 0.5)
      << "\" patternTransform=\"rotate(45)\"><rect width=\"" << num(m.font * 0.5)
      << "\" height=\"" << num(m.font * 0.5) << "\" fill=\"#eeeeee\"/><line x1=\"0\" y1=\"0\" "
      << "x2=\"0\" y2=\"" << num(m.font * 0.5) << "\" stroke=\"#aaaaaa\" stroke-width=\""
      << num(m.font * 0.2) << "\"/></pattern>"
      << "<pattern id=\"overlap\" patternUnits=\"userSpaceOnUse\" width=\"" << num(m.font * 0.4)
      << "\" height=\"" << num(m.font * 0.4)
      << "\" patternTransform=\"rotate(-45)\"><rect width=\"" << num(m.font * 0.4)
      << "\" height=\"" << num(m.font * 0.4) << "\" fill=\"#000000\" fill-opacity=\"0.15\"/>"
      << "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"" << num(m.font * 0.4)
      << "\" stroke=\"#000000\" stroke-opacity=\"0.45\" stroke-width=\"" << num(m.font * 0.12)
      << "\"/></pattern>" << (overlay_ ? overlay_->defs(shared) : "") << "</defs>\n"
      << "<rect class=\"background\" x=\"0\" y=\"0\" width=\"" << num(totalWidth)
      << "\" height=\"" << num(totalHeight) << "\" fill=\"#e9ecef\"/>\n"
      << body.str() << "</svg>\n";
  return svg.str();
}
