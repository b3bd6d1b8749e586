#include "unitCmnAlignmentJobPosition/guillotine/GuillotineSheet.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEps = 0.001;  // mm

bool fits(double w, double h, const GuillotineSheet::Rect& r) {
  return w <= r.w + kEps && h <= r.h + kEps;
}

}  // namespace

GuillotineSheet::GuillotineSheet(double width, double length) {
  free_.push_back({0.0, 0.0, width, length});
}

void GuillotineSheet::score(Fit& fit, const Rect& r, double w, double h, Choice choice) const {
  const double leftW = r.w - w;
  const double leftH = r.h - h;
  switch (choice) {
    case Choice::TopThenShortSide:
      fit.score1 = r.y;
      fit.score2 = std::min(leftW, leftH);
      return;
    case Choice::TopThenWidth:
      fit.score1 = r.y;
      fit.score2 = leftW;
      return;
    case Choice::ShortSide:
      fit.score1 = std::min(leftW, leftH);
      fit.score2 = std::max(leftW, leftH);
      return;
    case Choice::LongSide:
      fit.score1 = std::max(leftW, leftH);
      fit.score2 = std::min(leftW, leftH);
      return;
  }
}

bool GuillotineSheet::better(const Fit& a, const Fit& b) const {
  if (a.score1 < b.score1 - kEps) return true;
  if (a.score1 > b.score1 + kEps) return false;
  return a.score2 < b.score2 - kEps;
}

bool GuillotineSheet::find(double w, double h, double tw, double th, bool turnable, Choice choice,
                           Fit& fit) const {
  bool found = false;
  for (std::size_t i = 0; i < free_.size(); ++i) {
    for (int turn = 0; turn < (turnable ? 2 : 1); ++turn) {
      const double iw = turn ? tw : w;
      const double ih = turn ? th : h;
      if (!fits(iw, ih, free_[i])) continue;
      Fit candidate;
      candidate.free = i;
      candidate.turned = turn == 1;
      score(candidate, free_[i], iw, ih, choice);
      if (!found || better(candidate, fit)) fit = candidate;
      found = true;
    }
  }
  return found;
}

GuillotineSheet::Rect GuillotineSheet::place(const Fit& fit, double w, double h, Split split) {
  const Rect r = free_[fit.free];
  const double leftW = std::max(0.0, r.w - w);
  const double leftH = std::max(0.0, r.h - h);
  bool across = true;
  switch (split) {
    case Split::ShorterLeftover: across = leftW <= leftH; break;
    case Split::LongerLeftover: across = leftW > leftH; break;
    case Split::MinimizeArea: across = w * leftH > leftW * h; break;
    case Split::MaximizeArea: across = w * leftH <= leftW * h; break;
    case Split::Across: across = true; break;
    case Split::Along: across = false; break;
  }
  // Across: the cut runs the whole width of r below the item, the part
  // beside the item is as high as the item. Along: the cut runs the whole
  // length of r beside the item, the part below is as wide as the item.
  const Rect right{r.x + w, r.y, leftW, across ? h : r.h};
  const Rect below{r.x, r.y + h, across ? r.w : w, leftH};
  free_.erase(free_.begin() + static_cast<std::ptrdiff_t>(fit.free));
  for (const Rect& part : {right, below})
    if (part.w > kEps && part.h > kEps) free_.push_back(part);
  used_ = std::max(used_, r.y + h);
  return {r.x, r.y, w, h};
}
