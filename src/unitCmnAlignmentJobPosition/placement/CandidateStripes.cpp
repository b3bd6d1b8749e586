#include "unitCmnAlignmentJobPosition/placement/CandidateStripes.h"

#include <algorithm>
#include <cmath>
#include <iterator>

void CandidateStripes::configure(double width) {
  perStripe_ = std::isfinite(width) && width > 0 ? static_cast<double>(kStripes) / width : 0.0;
  clear();
}

void CandidateStripes::clear() {
  for (std::vector<Point>& stripe : stripes_) stripe.clear();
  std::fill(std::begin(held_), std::end(held_), 0);
  place_.clear();
}

void CandidateStripes::insert(const CornerPoint& c, uint32_t slot) {
  const std::size_t s = CellIndex::of(c.x, perStripe_, kStripes);
  std::vector<Point>& stripe = stripes_[s];
  if (place_.size() <= slot) place_.resize(std::max<std::size_t>(slot + 1, 2 * place_.size()));
  place_[slot] = static_cast<uint32_t>(stripe.size());
  stripe.push_back({c.x, c.y, slot});
  held_[s / 64] |= uint64_t{1} << (s % 64);
}

// The stripe's last point takes the place of the one that goes.
void CandidateStripes::erase(const CornerPoint& c, uint32_t slot) {
  const std::size_t s = CellIndex::of(c.x, perStripe_, kStripes);
  std::vector<Point>& stripe = stripes_[s];
  const uint32_t at = place_[slot];
  stripe[at] = stripe.back();
  place_[stripe[at].slot] = at;
  stripe.pop_back();
  if (stripe.empty()) held_[s / 64] &= ~(uint64_t{1} << (s % 64));
}

// The points keep their places in their stripes.
void CandidateStripes::renumber(const std::vector<uint32_t>& to) {
  for (std::vector<Point>& stripe : stripes_) {
    for (std::size_t i = 0; i < stripe.size(); ++i) {
      stripe[i].slot = to[stripe[i].slot];
      place_[stripe[i].slot] = static_cast<uint32_t>(i);
    }
  }
}

void CandidateStripes::collect(double maxX, double yBelow, std::vector<uint32_t>& out) const {
  if (std::isnan(maxX) || std::isnan(yBelow)) return;
  const std::size_t last = CellIndex::of(maxX, perStripe_, kStripes);
  for (std::size_t word = 0; word <= last / 64; ++word) {
    for (uint64_t bits = held_[word]; bits != 0; bits &= bits - 1) {
      const std::size_t s = word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits));
      if (s > last) return;
      const bool whole = s < last;
      for (const Point& p : stripes_[s]) {
        if ((whole || p.x <= maxX) && p.y < yBelow) out.push_back(p.slot);
      }
    }
  }
}
