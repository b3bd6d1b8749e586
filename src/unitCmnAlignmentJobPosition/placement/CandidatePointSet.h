// The points of the candidate list as a set with repeats (a locked unit's
// corners may repeat), so that "is this point already listed?" costs one
// hash lookup instead of a pass over a list that can hold tens of thousands
// of points. Points are equal when their x and y compare equal (0 and -0
// are one point); a point with a NaN coordinate equals nothing and is never
// stored. Open addressing with linear probing in a table at most half
// full, 16 bytes a slot, so that it stays small enough for the caches.
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
  // Removes one copy of c. REQUIRES: c was inserted (as often as it is erased).
  void erase(const CornerPoint& c);
  // Makes the table no larger than its points need.
  void shrink();

 private:
  struct Slot {
    uint64_t x, y;  // the coordinates' bits; x == kFree marks a free slot
  };
  // A NaN pattern: no stored point has it.
  static constexpr uint64_t kFree = 0x7FF8000000000001ull;

  static bool storable(const CornerPoint& c);
  static uint64_t bits(double v);
  std::size_t home(uint64_t x, uint64_t y) const;
  // The first slot holding (x, y), or the free slot where it would go.
  std::size_t find(uint64_t x, uint64_t y) const;
  void resize(std::size_t slots);
  void place(const Slot& s);
  void removeAt(std::size_t slot);

  std::vector<Slot> slots_ = std::vector<Slot>(64, Slot{kFree, 0});  // a power of two
  std::size_t used_ = 0;
};
