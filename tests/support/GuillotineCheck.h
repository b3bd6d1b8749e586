// Checks a cutter's layout the way a cutter would cut it: rectangles of one
// sheet can be separated by straight cuts through the whole piece when some
// cut across or along, through no rectangle, splits them into two non-empty
// groups that can each be separated again (down to single rectangles).
// Also: no two rectangles closer than the gap, every rectangle in the room.
#pragma once

#include <string>
#include <vector>

struct CutBox {
  double x, y, w, h;
};

class GuillotineCheck {
 public:
  static constexpr double kEps = 0.001;

  // Whether the boxes can be separated by guillotine cuts.
  static bool separable(const std::vector<CutBox>& boxes) {
    if (boxes.size() < 2) return true;
    for (bool across : {false, true})
      for (const CutBox& b : boxes) {
        const double at = across ? b.y + b.h : b.x + b.w;
        std::vector<CutBox> before, after;
        for (const CutBox& c : boxes) {
          const double lo = across ? c.y : c.x, hi = across ? c.y + c.h : c.x + c.w;
          if (hi <= at + kEps) before.push_back(c);
          else if (lo >= at - kEps) after.push_back(c);
          else break;
        }
        if (before.size() + after.size() == boxes.size() && !before.empty() && !after.empty())
          return separable(before) && separable(after);
      }
    return false;
  }

  // The first fault of a sheet's layout ("" when none): two boxes closer
  // than the gaps, a box outside [x0, x1] x [y0, y1], or no guillotine cut.
  static std::string fault(const std::vector<CutBox>& boxes, double gapScan, double gapFeed,
                           double x0, double y0, double x1, double y1) {
    for (size_t i = 0; i < boxes.size(); ++i) {
      const CutBox& a = boxes[i];
      if (a.x < x0 - kEps || a.y < y0 - kEps || a.x + a.w > x1 + kEps || a.y + a.h > y1 + kEps)
        return "box " + std::to_string(i) + " outside the room";
      for (size_t j = i + 1; j < boxes.size(); ++j) {
        const CutBox& b = boxes[j];
        const bool apart = a.x + a.w + gapScan <= b.x + kEps || b.x + b.w + gapScan <= a.x + kEps ||
                           a.y + a.h + gapFeed <= b.y + kEps || b.y + b.h + gapFeed <= a.y + kEps;
        if (!apart) return "boxes " + std::to_string(i) + " and " + std::to_string(j) + " overlap";
      }
    }
    return separable(boxes) ? "" : "no guillotine cut separates the layout";
  }
};
