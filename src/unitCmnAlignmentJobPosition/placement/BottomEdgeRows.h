// The entries of one sheet by their bottom edge, for the corners a new
// entry forms beside its right edge at the height of an earlier entry's
// bottom (CornerPointRules::pairCorners): entries with one bottom give one
// such point, so only the first of them (in placement order) that gives it
// matters.
//
// The entries with one bottom form a group, kept in placement order with
// the largest left edge and the largest right edge up to each of them:
// whether an entry gives the point is a threshold on one of those two
// edges, so the first that does is found by halving. Groups are kept in
// rows of equal height down the sheet, by their bottom. A row of equal
// labels is one group, answered in a few steps; looking at the area beside
// the new entry would read the whole row.
//
// Rows are added as bottoms reach further down, up to kMaxRows (beyond it
// everything falls into the last row); a bottom's group is looked for
// among the last few of its row only, so no input makes adding slow. An
// entry with an edge the rows cannot map (CellIndex::mappable) is kept
// apart, for the caller to look at whatever the query.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CellIndex.h"

class BottomEdgeRows {
 public:
  static constexpr std::size_t kMaxRows = std::size_t{1} << 16;

  // An entry of a group, with the largest left and right edges of the
  // group up to it.
  struct Member {
    uint32_t id;
    double leftUpTo, rightUpTo;
  };
  // The first member is kept in the group itself: with mixed sizes every
  // entry has a bottom of its own, and its group then needs nothing from
  // the heap.
  struct Group {
    double bottom;
    Member head;
    std::vector<Member> rest;  // in placement order

    const Member& last() const { return rest.empty() ? head : rest.back(); }
    // The id of the first member for which reaches(leftUpTo, rightUpTo)
    // holds, or none (false). REQUIRES: reaches is monotone in both.
    template <class Reaches>
    bool first(Reaches&& reaches, uint32_t& id) const {
      if (reaches(head.leftUpTo, head.rightUpTo)) {
        id = head.id;
        return true;
      }
      const auto it = std::partition_point(rest.begin(), rest.end(), [&](const Member& m) {
        return !reaches(m.leftUpTo, m.rightUpTo);
      });
      if (it == rest.end()) return false;
      id = it->id;
      return true;
    }
  };

  // Sets the row height and empties the rows.
  void configure(double rowHeight);
  // Empties the rows for a new sheet.
  void clear();
  // REQUIRES: id is larger than every id added since the rows were last
  // emptied.
  void add(uint32_t id, double left, double right, double bottom);

  // The entries kept apart, in placement order.
  const std::vector<uint32_t>& apart() const { return apart_; }
  // The rows holding the groups whose bottom lies within [low, high] (and
  // others): [first, last); false when a bound cannot be mapped to a row
  // (see CellIndex::mappable).
  struct Rows {
    std::size_t first, last;
  };
  bool ending(double low, double high, Rows& rows) const {
    if (!CellIndex::mappable(low) || !CellIndex::mappable(high)) return false;
    rows = {row(low), std::min(row(high) + 1, used_)};
    return true;
  }
  // Whether the rows hold at most `most` groups.
  bool atMost(const Rows& rows, std::size_t most) const {
    std::size_t count = 0;
    for (std::size_t r = rows.first; r < rows.last && count <= most; ++r) count += rows_[r].size();
    return count <= most;
  }
  // Calls visit(group) for every group of the rows.
  template <class Visit>
  void forEachGroup(const Rows& rows, Visit&& visit) const {
    for (std::size_t r = rows.first; r < rows.last; ++r) {
      for (const Group& group : rows_[r]) visit(group);
    }
  }

 private:
  std::size_t row(double y) const { return CellIndex::of(y, perRow_, kMaxRows); }

  double perRow_ = 1.0;  // 1 / row height
  std::vector<std::vector<Group>> rows_;
  std::size_t used_ = 0;  // rows that may hold groups (the others are empty)
  std::vector<uint32_t> apart_;
};
