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

// "300 × 200 mm": a unit's size as written on it.
std::string sizeText(const PlacedUnit& u) {
  return SvgText::num(u.width) + " × " + SvgText::num(u.height) + " mm";
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

// "1 unit", "3 units": a count with its noun, given in the plural.
std::string counted(size_t n, std::string noun) {
  if (n == 1 && !noun.empty() && noun.back() == 's') noun.pop_back();
  return std::to_string(n) + " " + noun;
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
      << escaped(u.jobId + ", " + unitLabel(u) + ": " + sizeText(u) + " at (" +
                 oneDecimal(u.x) + ", " + oneDecimal(u.y) + "); " + u.section)
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
  const std::string dims = sizeText(u);
  const size_t longest = std::max({characters(first) * (tile ? 2 : 1), characters(second),
                                   characters(dims)});
  const double size = std::min({m.font * 1.1, u.height / 4.0,
                                u.width / (0.68 * static_cast<double>(std::max<size_t>(longest, 1)))});
  if (!(size > 0.0)) return;
  const double big = tile ? size * 2 : size;
  const double cx = u.x + u.width / 2, cy = u.y + u.height / 2;
  out << "<text class=\"" << (tile ? "tile-label" : "label") << "\" x=\"" << num(cx)
      << "\" y=\"" << num(cy - size * 0.15) << "\" font-size=\"" << num(big)
      << "\" text-anchor=\"middle\" font-weight=\"bold\">" << escaped(first) << "</text>\n"
      << "<text class=\"label\" x=\"" << num(cx) << "\" y=\"" << num(cy + size * 1.0)
      << "\" font-size=\"" << num(size * 0.85) << "\" text-anchor=\"middle\">"
      << escaped(second) << "</text>\n"
      << "<text class=\"unit-size\" x=\"" << num(cx) << "\" y=\"" << num(cy + size * 2.0)
      << "\" font-size=\"" << num(size * 0.8) << "\" text-anchor=\"middle\" fill=\"#333333\">"
      << escaped(dims) << "</text>\n";
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

namespace {

// What every part of the picture needs: the media, the overlay and sizes.
struct Drawing {
  SheetMedia media;
  const PictureOverlay* overlay;
  Metrics m;
  bool roll;
  RegisterMarks marks;
};

const char* const kRed = "#d00000";

bool anyTurned(const SheetLayout& layout) {
  for (const auto& s : layout.sheets())
    for (const auto& u : s.units())
      if (u.rotation != 0) return true;
  return false;
}

bool anyMargin(const SheetLayout& layout) {
  for (const auto& s : layout.sheets())
    if (s.smallestX() > 0.0 || s.smallestY() > 0.0) return true;
  return false;
}

// An arrowed line from (x1,y1) to (x2,y2) with its length written beside it.
void dimensionLine(std::ostream& out, double x1, double y1, double x2, double y2,
                   const std::string& label, bool vertical, const Metrics& m) {
  const double a = m.font * 0.35;  // arrow head
  out << "<g class=\"dimension\" stroke=\"#222222\" stroke-width=\"" << num(m.stroke * 1.5)
      << "\" fill=\"#222222\"><line x1=\"" << num(x1) << "\" y1=\"" << num(y1) << "\" x2=\""
      << num(x2) << "\" y2=\"" << num(y2) << "\"/>";
  if (vertical)
    out << "<path d=\"M" << num(x1) << "," << num(y1) << " l" << num(-a / 2) << "," << num(a)
        << " h" << num(a) << " z M" << num(x2) << "," << num(y2) << " l" << num(-a / 2) << ","
        << num(-a) << " h" << num(a) << " z\"/>";
  else
    out << "<path d=\"M" << num(x1) << "," << num(y1) << " l" << num(a) << "," << num(-a / 2)
        << " v" << num(a) << " z M" << num(x2) << "," << num(y2) << " l" << num(-a) << ","
        << num(-a / 2) << " v" << num(a) << " z\"/>";
  const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
  out << "<text stroke=\"none\" font-size=\"" << num(m.font * 0.8) << "\" text-anchor=\"middle\"";
  if (vertical)
    out << " transform=\"translate(" << num(cx + m.font * 0.9) << "," << num(cy)
        << ") rotate(90)\">";
  else
    out << " x=\"" << num(cx) << "\" y=\"" << num(cy + m.font * 1.0) << "\">";
  out << escaped(label) << "</text></g>\n";
}

// The width under the sheet; the sheet's length (or, on a roll, the used
// length) beside it, right of whatever reaches furthest across.
void drawDimensions(std::ostream& out, const Sheet& sheet, double mediaEnd, double reach,
                    const Drawing& d) {
  const Metrics& m = d.m;
  const double below = std::max(mediaEnd, sheet.usedLength()) + m.font * 0.8;
  dimensionLine(out, 0, below, m.width, below, "width " + oneDecimal(m.width) + " mm", false, m);
  const double right = reach + m.font * 0.8;
  const double length = d.roll ? sheet.usedLength() : d.media.length;
  dimensionLine(out, right, 0, right, length,
                (d.roll ? "used " : "sheet length ") + oneDecimal(length) + " mm", true, m);
}

// The two rolls: each one's extent dashed along its edges, the strip
// between them shaded.
void drawRolls(std::ostream& out, double mediaEnd, const Drawing& d) {
  if (!d.media.twin()) return;
  const Metrics& m = d.m;
  const double gap = d.media.twinStart - d.media.firstRoll;
  if (gap > 0.0)
    out << "<rect class=\"roll-gap\" x=\"" << num(d.media.firstRoll) << "\" y=\"0\" width=\""
        << num(gap) << "\" height=\"" << num(mediaEnd) << "\" fill=\"#adb5bd\" fill-opacity=\"0.5\">"
        << "<title>between the rolls: " << oneDecimal(d.media.firstRoll) << " to "
        << oneDecimal(d.media.twinStart) << " mm</title></rect>\n";
  for (const double x : {d.media.firstRoll, d.media.twinStart})
    out << "<line class=\"roll-edge\" x1=\"" << num(x) << "\" y1=\"0\" x2=\"" << num(x)
        << "\" y2=\"" << num(mediaEnd) << "\" stroke=\"#343a40\" stroke-width=\""
        << num(m.stroke * 2) << "\" stroke-dasharray=\"" << num(m.font * 0.8) << ","
        << num(m.font * 0.3) << "\"/>\n";
  out << "<text class=\"roll-name\" x=\"" << num(m.font * 0.3) << "\" y=\"" << num(m.font)
      << "\" font-size=\"" << num(m.font * 0.8) << "\" fill=\"#343a40\">roll 1 (0-"
      << oneDecimal(d.media.firstRoll) << " mm)</text>\n<text class=\"roll-name\" x=\""
      << num(d.media.twinStart + m.font * 0.3) << "\" y=\"" << num(m.font) << "\" font-size=\""
      << num(m.font * 0.8) << "\" fill=\"#343a40\">roll 2 (from "
      << oneDecimal(d.media.twinStart) << " mm)</text>\n";
}

const char* const kCutColour = "#c2185b";

bool anyCutLine(const SheetLayout& layout) {
  for (const auto& s : layout.sheets())
    for (const auto& u : s.units())
      if (u.cutLine) return true;
  return false;
}

// The cut line the job prints around its image: a dashed contour.
void drawCutLine(std::ostream& out, const PlacedUnit& u, const Metrics& m) {
  if (!u.cutLine) return;
  out << "<rect class=\"cut-line\" x=\"" << num(u.x) << "\" y=\"" << num(u.y) << "\" width=\""
      << num(u.width) << "\" height=\"" << num(u.height) << "\" fill=\"none\" stroke=\""
      << kCutColour << "\" stroke-width=\"" << num(m.stroke * 1.5) << "\" stroke-dasharray=\""
      << num(m.font * 0.4) << "," << num(m.font * 0.2) << "\"/>\n";
}

// Marks around the layout: the library moves every unit in by the marks'
// margin and prints a mark, as large as "registerMarkSize", in each corner
// of the margin around the units; drawn as corner marks of that size.
void drawLayoutMarks(std::ostream& out, const Sheet& sheet, const RegisterMarks& marks,
                     const Metrics& m) {
  if (!marks.aroundLayout() || !(marks.size > 0.0) || sheet.units().empty()) return;
  double right = 0.0, bottom = 0.0;
  for (const auto& u : sheet.units()) {
    right = std::max(right, u.x + u.width);
    bottom = std::max(bottom, u.y + u.height);
  }
  right += marks.margin();
  bottom += marks.margin();
  const double z = marks.size;
  out << "<g class=\"register-mark\" fill=\"none\" stroke=\"#000000\" stroke-width=\""
      << num(std::max(z * 0.12, m.stroke * 2)) << "\"><title>register marks around the layout: "
      << oneDecimal(z) << " mm, " << oneDecimal(marks.offset) << " mm from the units</title>";
  for (const double x : {0.0, right})
    for (const double y : {0.0, bottom}) {
      const double dx = x == 0.0 ? z : -z, dy = y == 0.0 ? z : -z;
      out << "<path d=\"M" << num(x + dx) << "," << num(y) << " H" << num(x) << " V"
          << num(y + dy) << "\"/>";
    }
  out << "</g>\n";
}

// The parts of a unit that lie off the media, filled red.
void drawOverhang(std::ostream& out, const PlacedUnit& u, const Drawing& d) {
  const double right = u.x + u.width, bottom = u.y + u.height;
  const double across = d.m.width, along = d.roll ? bottom : d.media.length;
  auto part = [&](double x1, double y1, double x2, double y2) {
    if (x2 - x1 <= 0.0 || y2 - y1 <= 0.0) return;
    out << "<rect class=\"overhang\" x=\"" << num(x1) << "\" y=\"" << num(y1) << "\" width=\""
        << num(x2 - x1) << "\" height=\"" << num(y2 - y1) << "\" fill=\"" << kRed
        << "\" fill-opacity=\"0.35\"/>\n";
  };
  part(u.x, u.y, std::min(right, 0.0), bottom);                       // before the left edge
  part(std::max(u.x, across), u.y, right, bottom);                    // past the width
  part(std::max(u.x, 0.0), u.y, std::min(right, across), std::min(bottom, 0.0));
  part(std::max(u.x, 0.0), std::max(u.y, along), std::min(right, across), bottom);
}

// What the layout check found on the sheet: a red outline with its
// message, the overlapping area and the parts off the media filled red.
void drawAttention(std::ostream& out, const std::vector<const LayoutWarning*>& found,
                   const Drawing& d) {
  const Metrics& m = d.m;
  for (const LayoutWarning* w : found) {
    if (w->kind == LayoutWarning::kOutside || w->kind == LayoutWarning::kTooLarge)
      drawOverhang(out, *w->unit, d);
    const bool overlap = w->kind == LayoutWarning::kOverlap;
    out << "<rect class=\"attention\" data-check=\"" << LayoutWarning::name(w->kind)
        << "\" data-job=\"" << escaped(w->unit->jobId) << "\" x=\"" << num(w->x) << "\" y=\""
        << num(w->y) << "\" width=\"" << num(w->width) << "\" height=\"" << num(w->height)
        << "\" fill=\"" << (overlap ? kRed : "none") << "\" fill-opacity=\"0.45\" stroke=\""
        << kRed << "\" stroke-width=\"" << num(m.stroke * 4) << "\"><title>"
        << escaped(w->message) << "</title></rect>\n"
        << "<text class=\"attention-mark\" x=\"" << num(w->x + w->width / 2) << "\" y=\""
        << num(w->y + std::min(w->height, m.font * 1.2)) << "\" font-size=\""
        << num(m.font * 1.1) << "\" text-anchor=\"middle\" fill=\"" << kRed << "\">⚠</text>\n";
  }
}

// One sheet's drawing, its top at cursor; hands back where the next starts.
double drawSheet(std::ostream& body, const Sheet& sheet, const LayoutCheck& check,
                 const Drawing& d, double cursor, double& widest) {
  const Metrics& m = d.m;
  const double used = sheet.usedLength();
  const double base = std::max(m.width, 200.0);
  double bottom = d.roll ? used + std::max(base * 0.04, 10.0) : d.media.length;
  double reach = m.width;  // across, the media or a unit past its edge
  for (const auto& u : sheet.units()) {
    bottom = std::max(bottom, u.y + u.height);
    reach = std::max(reach, u.x + u.width);
  }
  widest = std::max(widest, reach);
  const double top = cursor + m.font * 3.4;  // room for the caption and the ruler
  const std::string caption =
      "Sheet " + std::to_string(sheet.number()) + " — " +
      counted(sheet.units().size(), countNoun(sheet.units())) + " · used length " + oneDecimal(used) +
      " mm · utilisation " + oneDecimal(100.0 * sheet.utilisation(m.width)) + " % · " +
      oneDecimal(m.width) + " mm wide, " +
      (d.roll ? std::string("unlimited roll") : oneDecimal(d.media.length) + " mm long");
  body << "<g class=\"sheet\" data-sheet=\"" << sheet.number() << "\" transform=\"translate("
       << num(m.left) << "," << num(top) << ")\">\n"
       << "<text class=\"caption\" x=\"0\" y=\"" << num(-m.font * 2.3) << "\" font-size=\""
       << num(m.font) << "\" font-weight=\"bold\">" << escaped(caption) << "</text>\n"
       << "<text class=\"axis\" x=\"" << num(m.width) << "\" y=\"" << num(-m.font * 1.0)
       << "\" font-size=\"" << num(m.font * 0.7) << "\" text-anchor=\"end\">scan → (mm)</text>\n"
       << "<text class=\"axis\" transform=\"translate(" << num(-(m.left - m.pad - m.font * 0.1))
       << ",0) rotate(90)\" font-size=\"" << num(m.font * 0.7) << "\">feed → (mm)</text>\n";

  // The media: a closed sheet, or a roll whose far end is left open.
  const double mediaEnd = d.roll ? bottom : d.media.length;
  body << "<rect class=\"media\" x=\"0\" y=\"0\" width=\"" << num(m.width) << "\" height=\""
       << num(mediaEnd) << "\" fill=\"#ffffff\"" << (d.roll ? "" : " stroke=\"#333333\"")
       << (d.roll ? "" : " stroke-width=\"" + num(m.stroke * 2) + "\"") << "/>\n";
  if (d.roll)
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

  const PictureOverlay::Frame frame{m.width, mediaEnd, d.roll, m.font, m.stroke};
  drawRolls(body, mediaEnd, d);
  if (d.overlay) d.overlay->underUnits(body, sheet, frame);
  drawRulers(body, m.width, mediaEnd, m);
  for (const auto& u : sheet.units()) drawUnit(body, u, m);
  for (const auto& u : sheet.units()) drawCutLine(body, u, m);
  drawLayoutMarks(body, sheet, d.marks, m);
  if (d.overlay) d.overlay->overUnits(body, sheet, frame);
  drawAttention(body, check.onSheet(sheet.number()), d);

  body << "<line class=\"used-length\" x1=\"0\" y1=\"" << num(used) << "\" x2=\""
       << num(m.width) << "\" y2=\"" << num(used) << "\" stroke=\"#cc0000\" stroke-width=\""
       << num(m.stroke * 2) << "\" stroke-dasharray=\"" << num(m.font * 0.6) << ","
       << num(m.font * 0.3) << "\"/>\n"
       << "<text class=\"used-length\" x=\"" << num(m.width - m.font * 0.3) << "\" y=\""
       << num(used + m.font * 1.1) << "\" font-size=\"" << num(m.font * 0.8)
       << "\" text-anchor=\"end\" fill=\"#cc0000\">used " << oneDecimal(used) << " mm</text>\n";
  drawDimensions(body, sheet, mediaEnd, reach, d);
  body << "</g>\n";
  return top + std::max(mediaEnd, used) + m.font * 2.5 + m.pad;
}

// The figures at the top: every sheet and all of them together.
double drawSummary(std::ostream& body, const SheetLayout& layout, const LayoutReport& report,
                   const Metrics& m, double cursor) {
  const double line = m.font * 1.3;
  double y = cursor + m.font;
  body << "<g class=\"summary\" font-size=\"" << num(m.font * 0.9) << "\">\n<text x=\""
       << num(m.left) << "\" y=\"" << num(y) << "\" font-weight=\"bold\" font-size=\""
       << num(m.font * 1.2) << "\">" << escaped(report.totalLine()) << "</text>\n";
  for (const auto& s : layout.sheets()) {
    y += line;
    body << "<text x=\"" << num(m.left) << "\" y=\"" << num(y) << "\">"
         << escaped(s.summary(m.width, countNoun(s.units()).c_str())) << "</text>\n";
  }
  const size_t problems = report.check().warnings().size();
  if (problems > 0) {
    y += line;
    body << "<text class=\"attention-summary\" x=\"" << num(m.left) << "\" y=\"" << num(y)
         << "\" fill=\"" << kRed << "\" font-weight=\"bold\">⚠ the layout check found "
         << problems << " problem" << (problems == 1 ? "" : "s")
         << " (outlined in red; hover for the numbers)</text>\n";
  }
  body << "</g>\n";
  return y + m.pad;
}

// The legend: one line per job, then only the marks the drawings show.
double drawLegend(std::ostream& body, const SheetLayout& layout, const LayoutReport& report,
                  const Drawing& d, double cursor) {
  const Metrics& m = d.m;
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
    body << "<g class=\"legend-item\" transform=\"translate(" << num(m.left) << ","
         << num(y - m.font * 0.8) << ")\">" << swatch << "<text x=\"" << num(m.font * 1.6)
         << "\" y=\"" << num(m.font * 0.8) << "\">" << escaped(text) << "</text></g>\n";
  };
  const std::string box = "x=\"0\" y=\"0\" width=\"" + num(m.font) + "\" height=\"" +
                          num(m.font) + "\"";
  const auto& ids = layout.jobIds();
  for (size_t i = 0; i < ids.size(); ++i) {
    const auto n = unitsOfJob.find(static_cast<int>(i));
    const std::string name = i < layout.jobNames().size() ? layout.jobNames()[i] : "";
    item("<rect " + box + " fill=\"" + SvgText::fill(i) + "\" stroke=\"" + SvgText::line(i) +
             "\"/>",
         ids[i] + (name.empty() ? "" : " (" + name + ")") + " — " +
             counted(n == unitsOfJob.end() ? 0 : n->second, "units"));
  }
  const PictureOverlay::Frame shared{m.width, 0.0, d.roll, m.font, m.stroke};
  if (d.overlay)
    for (const auto& l : d.overlay->legend(shared)) item(l.first, l.second);
  if (!report.check().warnings().empty())
    item("<rect " + box + " fill=\"" + kRed + "\" fill-opacity=\"0.45\" stroke=\"" + kRed + "\"/>",
         "needs attention: overlap (filled), outside the media, larger than the media or "
         "across the rolls (outlined)");
  if (d.media.twin())
    item("<rect " + box + " fill=\"#adb5bd\" fill-opacity=\"0.5\"/><line x1=\"0\" y1=\"0\" "
         "x2=\"0\" y2=\"" + num(m.font) + "\" stroke=\"#343a40\" stroke-dasharray=\"" +
             num(m.font * 0.3) + "," + num(m.font * 0.1) + "\"/>",
         "twin rolls: dashed roll edges, shaded between them");
  if (anyCutLine(layout))
    item("<rect " + box + " fill=\"none\" stroke=\"" + kCutColour + "\" stroke-dasharray=\"" +
             num(m.font * 0.3) + "," + num(m.font * 0.15) + "\"/>",
         "cut line printed around the unit (Composite printCutline)");
  if (layout.marks().aroundLayout() && !layout.sheets().empty())
    item("<path d=\"M" + num(m.font) + ",0 H0 V" + num(m.font) +
             "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"" + num(m.stroke * 3) + "\"/>",
         "register marks around the layout (registerMarkSize " +
             oneDecimal(layout.marks().size) + " mm, in the corners of the margin)");
  if (layout.marks().aroundEachUnit() && !layout.sheets().empty())
    item("", "register marks around each unit (not drawn: each unit takes room for them "
             "beyond its drawn size)");
  if (anyMargin(layout))
    item("<rect " + box + " fill=\"url(#allowance)\" stroke=\"#999999\"/>",
         "margin before the first unit: register marks, code strip");
  if (anyTurned(layout))
    item("<rect " + box + " fill=\"#ffffff\" stroke=\"#555555\"/><line x1=\"0\" y1=\"0\" x2=\"" +
             num(m.font) + "\" y2=\"" + num(m.font) + "\" stroke=\"#555555\"/>",
         "turned unit (diagonal at 90° or 270°; the angle is written in its corner)");
  if (!layout.sheets().empty())
    item("<line x1=\"0\" y1=\"" + num(m.font / 2) + "\" x2=\"" + num(m.font) + "\" y2=\"" +
             num(m.font / 2) + "\" stroke=\"#cc0000\" stroke-width=\"" + num(m.stroke * 2) +
             "\" stroke-dasharray=\"" + num(m.font * 0.3) + "," + num(m.font * 0.15) + "\"/>",
         "used length (media utilisation = unit area / width × used length)");
  if (hasOverlap(layout))
    item("<rect " + box + " fill=\"#ffffff\" stroke=\"#555555\"/><rect " + box +
             " fill=\"url(#overlap)\"/><line x1=\"" + num(m.font * 0.6) + "\" y1=\"0\" x2=\"" +
             num(m.font * 0.6) + "\" y2=\"" + num(m.font) + "\" stroke=\"#333333\" "
             "stroke-dasharray=\"" + num(m.font * 0.2) + "," + num(m.font * 0.1) + "\"/>",
         "tile overlap, joined under or over the next panel (dashed: that panel's edge)");
  item("", "1 mm = 1 unit; each unit shows its size. Sizes: Composite scale minus trims "
           "(cut lines, labels and marks around units not included).");
  if (hasTiles(layout))
    item("", "A tile (column,row): its part of the image with its overlaps (no corner marks "
             "or tile numbers).");
  body << "</g>\n";
  return y + m.pad;
}

std::string defsOf(const Metrics& m, const std::string& overlayDefs) {
  std::ostringstream svg;
  svg << "<defs><pattern id=\"allowance\" patternUnits=\"userSpaceOnUse\" width=\""
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
      << "\"/></pattern>" << overlayDefs << "</defs>\n";
  return svg.str();
}

}  // namespace

SvgPicture::SvgPicture(const SheetMedia& media, const PictureOverlay* overlay)
    : media_(media), overlay_(overlay) {}

std::string SvgPicture::number(double mm) { return num(mm); }

std::string SvgPicture::escape(const std::string& text) { return escaped(text); }

std::string SvgPicture::render(const SheetLayout& layout, const LayoutReport& report) const {
  double right = 0.0;
  for (const auto& s : layout.sheets())
    for (const auto& u : s.units()) right = std::max(right, u.x + u.width);
  Drawing d{media_, overlay_, {}, media_.roll(), layout.marks()};
  Metrics& m = d.m;
  m.width = media_.width > 0.0 ? media_.width : right;
  const double base = std::max(m.width, 200.0);
  m.pad = base * 0.04;
  m.font = base * 0.018;
  m.stroke = base * 0.001;
  // Room for the feed label and the ruler's numbers (up to 6 digits).
  m.left = m.pad + m.font * 1.2 + m.font * 0.55 * 0.6 * 6;

  std::ostringstream body;
  double cursor = drawSummary(body, layout, report, m, m.pad);
  double widest = std::max(m.width, right);
  for (const auto& sheet : layout.sheets())
    cursor = drawSheet(body, sheet, report.check(), d, cursor, widest);
  if (layout.sheets().empty()) {
    body << "<text class=\"caption\" x=\"" << num(m.left) << "\" y=\"" << num(cursor + m.font)
         << "\" font-size=\"" << num(m.font) << "\">No arranged units in these jobs.</text>\n";
    cursor += m.font * 2;
  }
  const double totalHeight = drawLegend(body, layout, report, d, cursor);

  // Room on the right for the length's dimension line.
  const double totalWidth = m.left + widest + m.font * 3 + m.pad;
  const double shownWidth = 1000.0;
  const PictureOverlay::Frame shared{m.width, 0.0, d.roll, m.font, m.stroke};
  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 "
      << num(totalWidth) << " " << num(totalHeight) << "\" width=\"" << num(shownWidth)
      << "\" height=\"" << num(shownWidth * totalHeight / totalWidth)
      << "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n"
      << "<title>jobpos: " << layout.sheets().size() << " sheet(s), " << layout.unitCount()
      << " units</title>\n"
      << defsOf(m, overlay_ ? overlay_->defs(shared) : "")
      << "<rect class=\"background\" x=\"0\" y=\"0\" width=\"" << num(totalWidth)
      << "\" height=\"" << num(totalHeight) << "\" fill=\"#e9ecef\"/>\n"
      << body.str() << "</svg>\n";
  return svg.str();
}
