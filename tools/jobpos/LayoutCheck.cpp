#include "LayoutCheck.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr double kTol = LayoutCheck::kTolerance;

std::string mm(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.3f", v);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

// "A copy 2 (BinA_...)": how a message names a unit.
std::string named(const PlacedUnit& u) {
  std::string text = u.jobId;
  if (u.tileScan > 0 && u.tileFeed > 0)
    text += " tile (" + std::to_string(u.tileScan) + "," + std::to_string(u.tileFeed) + ")";
  else
    text += " copy " + std::to_string(u.copy) + " page " + std::to_string(u.page);
  return text + " (" + u.section + ")";
}

std::string box(const PlacedUnit& u) {
  return mm(u.width) + " x " + mm(u.height) + " mm at (" + mm(u.x) + ", " + mm(u.y) + ")";
}

}  // namespace

const char* LayoutWarning::name(Kind kind) {
  switch (kind) {
    case kOverlap: return "overlap";
    case kOutside: return "outside";
    case kTooLarge: return "too-large";
    case kAcrossRolls: return "across-rolls";
  }
  return "?";
}

LayoutCheck::LayoutCheck(const SheetLayout& layout, const SheetMedia& media) : media_(media) {
  for (const auto& sheet : layout.sheets()) checkSheet(sheet);
}

std::vector<const LayoutWarning*> LayoutCheck::onSheet(int sheet) const {
  std::vector<const LayoutWarning*> out;
  for (const auto& w : warnings_)
    if (w.sheet == sheet) out.push_back(&w);
  return out;
}

void LayoutCheck::checkSheet(const Sheet& sheet) {
  for (const auto& u : sheet.units()) {
    checkPlace(sheet.number(), u);
    if (media_.twin()) checkRolls(sheet.number(), u);
  }
  checkOverlaps(sheet);
}

void LayoutCheck::add(LayoutWarning::Kind kind, int sheet, const PlacedUnit& u,
                      const std::string& text) {
  LayoutWarning w;
  w.kind = kind;
  w.sheet = sheet;
  w.unit = &u;
  w.x = u.x;
  w.y = u.y;
  w.width = u.width;
  w.height = u.height;
  w.message = "sheet " + std::to_string(sheet) + ": " + named(u) + ", " + box(u) + ", " + text;
  warnings_.push_back(w);
}

// A unit larger than the media is reported as such; any other unit that
// reaches past an edge as outside.
void LayoutCheck::checkPlace(int sheet, const PlacedUnit& u) {
  const bool wide = u.width > media_.width + kTol;
  const bool longer = !media_.roll() && u.height > media_.length + kTol;
  if (wide || longer) {
    add(LayoutWarning::kTooLarge, sheet, u,
        "is larger than the media (" + mm(media_.width) + " mm wide" +
            (media_.roll() ? std::string(", unlimited roll") : ", " + mm(media_.length) + " mm long") +
            ")");
    return;
  }
  std::string edges;
  auto edge = [&](bool past, const std::string& text) {
    if (past) edges += (edges.empty() ? "" : ", ") + text;
  };
  edge(u.x < -kTol, "starts " + mm(-u.x) + " mm before the left edge");
  edge(u.x + u.width > media_.width + kTol,
       "ends " + mm(u.x + u.width - media_.width) + " mm past the " + mm(media_.width) +
           " mm printable width");
  edge(u.y < -kTol, "starts " + mm(-u.y) + " mm before the start of the sheet");
  edge(!media_.roll() && u.y + u.height > media_.length + kTol,
       "ends " + mm(u.y + u.height - media_.length) + " mm past the " + mm(media_.length) +
           " mm sheet length");
  if (!edges.empty()) add(LayoutWarning::kOutside, sheet, u, "lies outside the media: " + edges);
}

// The first roll runs from 0 to its width, the second from its start to
// the printable width; a unit must lie within one of them.
void LayoutCheck::checkRolls(int sheet, const PlacedUnit& u) {
  const double right = u.x + u.width;
  const bool onFirst = u.x >= -kTol && right <= media_.firstRoll + kTol;
  const bool onSecond = u.x >= media_.twinStart - kTol && right <= media_.width + kTol;
  if (onFirst || onSecond) return;
  add(LayoutWarning::kAcrossRolls, sheet, u,
      "does not lie within one roll (first roll 0 to " + mm(media_.firstRoll) +
          " mm, second roll from " + mm(media_.twinStart) + " mm)");
}

// Units sorted along the feed; each is compared with those that start
// before it ends, so a long roll is not compared unit by unit with all.
void LayoutCheck::checkOverlaps(const Sheet& sheet) {
  std::vector<const PlacedUnit*> units;
  for (const auto& u : sheet.units()) units.push_back(&u);
  std::stable_sort(units.begin(), units.end(),
                   [](const PlacedUnit* a, const PlacedUnit* b) { return a->y < b->y; });
  for (size_t i = 0; i < units.size(); ++i) {
    const PlacedUnit& a = *units[i];
    for (size_t j = i + 1; j < units.size() && units[j]->y < a.y + a.height - kTol; ++j) {
      const PlacedUnit& b = *units[j];
      const double left = std::max(a.x, b.x), right = std::min(a.x + a.width, b.x + b.width);
      const double top = std::max(a.y, b.y), bottom = std::min(a.y + a.height, b.y + b.height);
      if (right - left <= kTol || bottom - top <= kTol) continue;
      add(LayoutWarning::kOverlap, sheet.number(), a,
          "overlaps " + named(b) + " by " + mm(right - left) + " x " + mm(bottom - top) + " mm");
      LayoutWarning& w = warnings_.back();
      w.other = &b;
      w.x = left;
      w.y = top;
      w.width = right - left;
      w.height = bottom - top;
    }
  }
}
