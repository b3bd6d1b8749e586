// The points of the candidate list as a counted set, so that "is this
// point already listed?" costs one hash lookup instead of a pass over a
// list that can hold thousands of points. Points are equal when their x and
// y compare equal (0 and -0 are one point); a point with a NaN coordinate
// equals nothing and is never stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"

class CandidatePointSet {
 public:
  void clear();
  bool contains(const CornerPoint& c) const;
  void insert(const CornerPoint& c);
  // REQUIRES: c was inserted (as often as it is erased).
  void erase(const CornerPoint& c);

 private:
  struct Slot {
    uint64_t x = 0, y = 0;
    uint32_t count = 0;  // 0: the slot is free
  };
  static bool storable(const CornerPoint& c);
  static uint64_t bits(double v);
  std::size_t home(uint64_t x, uint64_t y) const;
  // The slot holding (x, y), or the free slot where it would go.
  std::size_t find(uint64_t x, uint64_t y) const;
  void grow();
  void removeAt(std::size_t slot);

  std::vector<Slot> slots_ = std::vector<Slot>(64);  // a power of two, never full
  std::size_t used_ = 0;
};
