// One greedy fill of a sheet by the guillotine packer: the items in a given
// order, each into the free rectangle the choice rule prefers, the free
// rectangle cut as the split rule says. Items that fit nowhere are left
// for the next sheet. Sizes include the gaps.
#pragma once

#include <cstddef>
#include <vector>

#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePacker.h"
#include "unitCmnAlignmentJobPosition/guillotine/GuillotineSheet.h"

class GuillotineAttempt {
 public:
  struct Rules {
    GuillotineSheet::Choice choice;
    GuillotineSheet::Split split;
  };

  // items: with the gaps added; width and length: of the sheet, gaps added.
  GuillotineAttempt(const std::vector<GuillotineItem>& items, double width, double length);

  // Fills one sheet with the items of order (indexes into items).
  void run(const std::vector<std::size_t>& order, const Rules& rules);

  // Whether this fill is better than other: more area placed, then shorter.
  bool betterThan(const GuillotineAttempt& other) const;
  double length() const { return length_; }
  double placedArea() const { return area_; }
  // Places of the items placed (index into items, place), in order.
  const std::vector<std::pair<std::size_t, GuillotinePlace>>& placed() const { return placed_; }

 private:
  const std::vector<GuillotineItem>* items_;
  double width_, sheetLength_;
  double length_ = 0.0;
  double area_ = 0.0;
  std::vector<std::pair<std::size_t, GuillotinePlace>> placed_;
};
