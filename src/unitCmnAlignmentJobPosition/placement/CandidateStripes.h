// The candidate points of a long list by x, so that a search reaches only
// the points far enough left for its size. With units turned landscape on
// an endless roll, tens of thousands of points stay live along the right
// edge, out of reach of all but the narrowest sizes, and a pass in list
// order over them would cost more than the rest of the placement.
//
// The area's width is cut into equal stripes, each an unordered set of
// (x, slot); slots are the candidate list's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CellIndex.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"

class CandidateStripes {
 public:
  // Stripes over [0, width]; a width that is not a positive number makes
  // one stripe. Clears.
  void configure(double width);
  void clear();
  // REQUIRES: c is a number; slot is not held.
  void insert(const CornerPoint& c, uint32_t slot);
  // REQUIRES: slot is held, at c.
  void erase(const CornerPoint& c, uint32_t slot);
  // Gives every point the slot to[slot] (the list closed its gaps).
  void renumber(const std::vector<uint32_t>& to);
  // Appends the slots of the points with x <= maxX and y < yBelow, in no
  // set order.
  void collect(double maxX, double yBelow, std::vector<uint32_t>& out) const;

 private:
  struct Point {
    double x, y;
    uint32_t slot;
  };

  static constexpr std::size_t kStripes = 1024;
  static constexpr std::size_t kWords = kStripes / 64;
  // Stripes per mm (0: every point in stripe 0). A stripe grows with x
  // (CellIndex), so every point of a stripe before maxX's lies left of it.
  double perStripe_ = 0.0;
  std::vector<std::vector<Point>> stripes_ = std::vector<std::vector<Point>>(kStripes);
  // Bit s % 64 of word s / 64: whether stripe s holds points (a pass then
  // reads only the stripes that do).
  uint64_t held_[kWords] = {};
  std::vector<uint32_t> place_;  // by slot: where in its stripe the point is
};
