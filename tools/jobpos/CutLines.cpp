#include "CutLines.h"

#include <algorithm>

namespace {

constexpr double kEps = 0.001;

}  // namespace

CutLines::CutLines(const Sheet& sheet, double x0, double y0, double x1, double y1) {
  std::vector<Box> boxes;
  for (const PlacedUnit& u : sheet.units())
    boxes.push_back({u.x, u.y, u.x + u.width, u.y + u.height});
  cut(boxes, {x0, y0, x1, y1});
}

void CutLines::cut(const std::vector<Box>& boxes, const Box& piece) {
  if (boxes.size() < 2) return;
  if (split(boxes, piece, true) || split(boxes, piece, false)) return;
  ++uncuttable_;
}

// Tries the cuts after each box's far edge, nearest first.
bool CutLines::split(const std::vector<Box>& boxes, const Box& piece, bool across) {
  auto lo = [&](const Box& b) { return across ? b.y0 : b.x0; };
  auto hi = [&](const Box& b) { return across ? b.y1 : b.x1; };
  std::vector<Box> sorted = boxes;
  std::sort(sorted.begin(), sorted.end(),
            [&](const Box& a, const Box& b) { return hi(a) < hi(b); });
  for (const Box& candidate : sorted) {
    const double at = hi(candidate);
    std::vector<Box> before, after;
    for (const Box& b : boxes) (hi(b) <= at + kEps ? before : after).push_back(b);
    if (after.empty()) return false;
    double next = hi(after.front());
    bool clean = true;
    for (const Box& b : after) {
      clean = clean && lo(b) >= at - kEps;
      next = std::min(next, lo(b));
    }
    if (!clean) continue;
    const double middle = (at + next) / 2;
    Box first = piece, second = piece;
    if (across) {
      lines_.push_back({piece.x0, middle, piece.x1, middle});
      first.y1 = second.y0 = middle;
    } else {
      lines_.push_back({middle, piece.y0, middle, piece.y1});
      first.x1 = second.x0 = middle;
    }
    cut(before, first);
    cut(after, second);
    return true;
  }
  return false;
}
