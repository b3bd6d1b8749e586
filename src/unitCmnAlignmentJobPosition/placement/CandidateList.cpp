#include "unitCmnAlignmentJobPosition/placement/CandidateList.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The smallest float not below v (NaN stays NaN).
float roundedUp(double v) {
  constexpr float kMax = std::numeric_limits<float>::max();
  if (v > kMax) return std::numeric_limits<float>::infinity();
  if (v < -kMax) return -kMax;
  const float f = static_cast<float>(v);
  return static_cast<double>(f) < v ? std::nextafter(f, std::numeric_limits<float>::infinity()) : f;
}

}  // namespace

// Keeps a quadrant in the slot of one it contains, else in a free slot,
// else in place of the one with the largest corner, unless its own corner
// is larger still.
void CandidateList::Item::remember(double width, double height) {
  const float w = roundedUp(width), h = roundedUp(height);
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

void CandidateList::configure(double rowHeight, double width, bool byX) {
  byRow_.configure(rowHeight, width);
  byX_.configure(width);
  keepByX_ = byX;
  indexed_ = false;
  clear();
}

void CandidateList::clear() {
  items_.clear();
  at_.clear();
  hashes_.clear();
  alive_.clear();
  dropIndex();
  dead_ = 0;
  reachSet_ = false;
  reachEnd_ = 0;
}

// A short list keeps its rows empty.
void CandidateList::dropIndex() {
  if (!indexed_) return;
  indexed_ = false;
  byRow_.clear();
  if (keepByX_) byX_.clear();
}

void CandidateList::buildIndex() {
  indexed_ = true;
  for (std::size_t slot = 0; slot < items_.size(); ++slot) {
    if (!alive_[slot]) continue;
    byRow_.insert(at_[slot], static_cast<uint32_t>(slot));
    if (keepByX_) byX_.insert(at_[slot], static_cast<uint32_t>(slot));
  }
}

void CandidateList::append(const CornerPoint& c) {
  const auto slot = static_cast<uint32_t>(items_.size());
  items_.emplace_back();
  at_.push_back(c);
  hashes_.push_back(PointHash::of(c.x, c.y));
  alive_.push_back(1);
  if (indexed_) {
    byRow_.insert(c, slot);
    if (keepByX_) byX_.insert(c, slot);
  } else if (items_.size() > kIndexFrom) buildIndex();
}

bool CandidateList::contains(const CornerPoint& c) const {
  if (indexed_) return byRow_.contains(c);
  return PointHash::forEachEqual(hashes_.data(), hashes_.size(), PointHash::of(c.x, c.y),
                                 [&](std::size_t slot) {
                                   return at_[slot].x == c.x && at_[slot].y == c.y && alive_[slot];
                                 });
}

void CandidateList::remove(std::size_t slot) {
  if (!alive_[slot]) return;
  alive_[slot] = 0;
  ++dead_;
  if (indexed_) {
    byRow_.erase(at_[slot], static_cast<uint32_t>(slot));
    if (keepByX_) byX_.erase(at_[slot], static_cast<uint32_t>(slot));
  }
  const double inf = std::numeric_limits<double>::infinity();
  at_[slot] = {inf, inf};
}

void CandidateList::compactIfSparse() {
  // A short list closes its gaps when one point in three is gone: every
  // step reads it whole a few times, the dead points too. A long list waits
  // until three points in four are gone: each compaction copies the living
  // points and renumbers the rows, and its passes read the rows and
  // stripes, which hold living points only.
  const std::size_t gone = indexed_ ? 3 : 1, of = indexed_ ? 4 : 3;
  if (dead_ < (indexed_ ? 16 : 8) || dead_ * of < items_.size() * gone) return;
  std::size_t kept = 0;
  renumbered_.resize(items_.size());
  for (std::size_t slot = 0; slot < items_.size(); ++slot) {
    if (!alive_[slot]) continue;
    items_[kept] = items_[slot];
    at_[kept] = at_[slot];
    hashes_[kept] = hashes_[slot];
    renumbered_[slot] = static_cast<uint32_t>(kept);
    ++kept;
  }
  items_.resize(kept);
  at_.resize(kept);
  hashes_.resize(kept);
  alive_.assign(kept, 1);
  dead_ = 0;
  if (items_.size() <= kIndexFrom / 2) {
    dropIndex();
    return;
  }
  if (!indexed_) return;
  byRow_.renumber(renumbered_);
  if (keepByX_) byX_.renumber(renumbered_);
}

// A list kept by x puts the stripes' slots in list order: a few by sorting
// them, many through a bit per slot (reading the words in order sorts
// them), whichever reads less.
void CandidateList::setReach(double maxX, double yBelow) {
  reachSet_ = true;
  reachEnd_ = items_.size();
  std::vector<uint32_t>& out = reached_;
  out.clear();
  byX_.collect(maxX, yBelow, out);
  uint32_t low = UINT32_MAX, high = 0;
  for (uint32_t slot : out) {
    low = std::min(low, slot);
    high = std::max(high, slot);
  }
  if (out.size() < 64 || (high - low) / 64 > 8 * out.size()) {
    std::sort(out.begin(), out.end());
    return;
  }
  marked_.resize(items_.size() / 64 + 1);
  for (uint32_t slot : out) marked_[slot / 64] |= uint64_t{1} << (slot % 64);
  out.clear();
  for (std::size_t word = low / 64; word <= high / 64; ++word) {
    for (uint64_t bits = marked_[word]; bits != 0; bits &= bits - 1)
      out.push_back(static_cast<uint32_t>(word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits))));
    marked_[word] = 0;
  }
}
