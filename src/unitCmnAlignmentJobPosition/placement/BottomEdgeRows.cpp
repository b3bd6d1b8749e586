#include "unitCmnAlignmentJobPosition/placement/BottomEdgeRows.h"

void BottomEdgeRows::configure(double rowHeight) {
  perRow_ = 1.0 / rowHeight;
  rows_.clear();
  used_ = 0;
  apart_.clear();
}

void BottomEdgeRows::clear() {
  for (std::size_t r = 0; r < used_; ++r) rows_[r].clear();
  used_ = 0;
  apart_.clear();
}

// The group of the bottom is looked for among the last kLook of its row
// (the entries of a row of labels come one after the other); when it is
// not there, a new group for the same bottom will do: the first member of
// all that gives the point is the first of its own group.
void BottomEdgeRows::add(uint32_t id, double left, double right, double bottom) {
  constexpr std::size_t kLook = 8;
  using C = CellIndex;
  if (!C::mappable(left) || !C::mappable(right) || !C::mappable(bottom)) {
    apart_.push_back(id);
    return;
  }
  const std::size_t r = row(bottom);
  if (r >= rows_.size()) rows_.resize(std::max(r + 1, std::min(2 * rows_.size(), kMaxRows)));
  used_ = std::max(used_, r + 1);
  std::vector<Group>& groups = rows_[r];
  const auto end = groups.rbegin() + static_cast<std::ptrdiff_t>(std::min(kLook, groups.size()));
  auto group =
      std::find_if(groups.rbegin(), end, [&](const Group& g) { return g.bottom == bottom; });
  if (group == end) {
    groups.push_back({bottom, {id, left, right}, {}});
    return;
  }
  const Member& last = group->last();
  group->rest.push_back({id, std::max(left, last.leftUpTo), std::max(right, last.rightUpTo)});
}
