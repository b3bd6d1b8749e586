#include "unitCmnAlignmentJobPosition/placement/CandidateList.h"

#include <algorithm>

// Keeps a quadrant in the slot of one it contains, else in a free slot,
// else in place of the one with the largest corner, unless its own corner
// is larger still.
void CandidateList::Item::remember(double w, double h) {
  std::size_t slot = 0;
  for (std::size_t i = 0; i < kSlots; ++i) {
    if (std::isnan(failedWidth[i]) || (w <= failedWidth[i] && h <= failedHeight[i])) {
      failedWidth[i] = w;
      failedHeight[i] = h;
      return;
    }
    if (failedWidth[i] + failedHeight[i] > failedWidth[slot] + failedHeight[slot]) slot = i;
  }
  if (w + h >= failedWidth[slot] + failedHeight[slot]) return;
  failedWidth[slot] = w;
  failedHeight[slot] = h;
}

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr CandidateList::Bounds kEmpty{kInf, kInf, -kInf, -kInf};

CandidateList::Bounds joined(const CandidateList::Bounds& a, const CandidateList::Bounds& b) {
  return {std::min(a.minX, b.minX), std::min(a.minY, b.minY), std::max(a.maxX, b.maxX),
          std::max(a.maxY, b.maxY)};
}

bool sameBounds(const CandidateList::Bounds& a, const CandidateList::Bounds& b) {
  return a.minX == b.minX && a.minY == b.minY && a.maxX == b.maxX && a.maxY == b.maxY;
}

}  // namespace

void CandidateList::clear() {
  items_.clear();
  at_.clear();
  alive_.clear();
  dropTree();
  dead_ = 0;
  points_.clear();
}

CandidateList::Bounds CandidateList::runBounds(std::size_t run) const {
  Bounds b = kEmpty;
  const std::size_t end = std::min(items_.size(), (run + 1) * kRun);
  for (std::size_t slot = run * kRun; slot < end; ++slot) {
    const CornerPoint& c = at_[slot];
    if (alive_[slot]) b = joined(b, {c.x, c.y, c.x, c.y});
  }
  return b;
}

// Walks up only as far as a box changes.
void CandidateList::update(std::size_t slot) {
  std::size_t node = leaves_ + slot / kRun;
  const Bounds leaf = runBounds(slot / kRun);
  if (sameBounds(leaf, tree_[node])) return;
  tree_[node] = leaf;
  for (node /= 2; node >= 1; node /= 2) {
    const Bounds b = joined(tree_[2 * node], tree_[2 * node + 1]);
    if (sameBounds(b, tree_[node])) return;
    tree_[node] = b;
  }
}

void CandidateList::dropTree() {
  leaves_ = 0;
  tree_.clear();
}

void CandidateList::rebuild(std::size_t leaves) {
  leaves_ = leaves;
  tree_.assign(2 * leaves_, kEmpty);
  for (std::size_t run = 0; run * kRun < items_.size(); ++run) tree_[leaves_ + run] = runBounds(run);
  for (std::size_t node = leaves_ - 1; node >= 1; --node)
    tree_[node] = joined(tree_[2 * node], tree_[2 * node + 1]);
}

// A new point only widens boxes: each box on the way up takes it in, and
// the walk stops at the first box that already held it.
void CandidateList::append(const CornerPoint& c) {
  items_.emplace_back();
  at_.push_back(c);
  alive_.push_back(1);
  points_.insert(c);
  if (leaves_ == 0) {
    if (items_.size() > kTreeFrom) rebuild(2 * kTreeFrom / kRun);
    return;
  }
  if (items_.size() > leaves_ * kRun) {
    rebuild(2 * leaves_);
    return;
  }
  const Bounds point{c.x, c.y, c.x, c.y};
  for (std::size_t node = leaves_ + (items_.size() - 1) / kRun; node >= 1; node /= 2) {
    const Bounds b = joined(tree_[node], point);
    if (sameBounds(b, tree_[node])) return;
    tree_[node] = b;
  }
}

void CandidateList::remove(std::size_t slot) {
  if (!alive_[slot]) return;
  alive_[slot] = 0;
  points_.erase(at_[slot]);
  ++dead_;
  if (leaves_ > 0) update(slot);
}

void CandidateList::compactIfSparse() {
  if (dead_ < 64 || dead_ * 2 < items_.size()) return;
  std::size_t kept = 0;
  for (std::size_t slot = 0; slot < items_.size(); ++slot) {
    if (!alive_[slot]) continue;
    items_[kept] = items_[slot];
    at_[kept] = at_[slot];
    ++kept;
  }
  items_.resize(kept);
  at_.resize(kept);
  alive_.assign(kept, 1);
  dead_ = 0;
  points_.shrink();
  if (items_.size() <= kTreeFrom / 2) {
    dropTree();
    return;
  }
  std::size_t leaves = 1;
  while (leaves * kRun < items_.size()) leaves *= 2;
  rebuild(leaves);
}
