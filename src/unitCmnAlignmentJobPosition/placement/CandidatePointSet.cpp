#include "unitCmnAlignmentJobPosition/placement/CandidatePointSet.h"

#include <cmath>
#include <cstring>

bool CandidatePointSet::storable(const CornerPoint& c) {
  return !std::isnan(c.x) && !std::isnan(c.y);
}

uint64_t CandidatePointSet::bits(double v) {
  v += 0.0;  // -0 becomes 0
  uint64_t out;
  std::memcpy(&out, &v, sizeof out);
  return out;
}

// Coordinates are often round numbers whose low bits are all zero, so both
// are mixed through every bit (the finaliser of MurmurHash3) before the low
// bits pick the slot.
std::size_t CandidatePointSet::home(uint64_t x, uint64_t y) const {
  uint64_t h = x ^ (y * 0x9E3779B97F4A7C15ull + (y >> 7));
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return static_cast<std::size_t>(h) & (slots_.size() - 1);
}

std::size_t CandidatePointSet::find(uint64_t x, uint64_t y) const {
  std::size_t i = home(x, y);
  while (slots_[i].count != 0 && (slots_[i].x != x || slots_[i].y != y))
    i = (i + 1) & (slots_.size() - 1);
  return i;
}

void CandidatePointSet::clear() {
  if (used_ == 0) return;
  for (Slot& s : slots_) s.count = 0;
  used_ = 0;
}

bool CandidatePointSet::contains(const CornerPoint& c) const {
  return storable(c) && slots_[find(bits(c.x), bits(c.y))].count != 0;
}

void CandidatePointSet::insert(const CornerPoint& c) {
  if (!storable(c)) return;
  if (2 * (used_ + 1) > slots_.size()) grow();
  Slot& s = slots_[find(bits(c.x), bits(c.y))];
  if (s.count == 0) {
    s.x = bits(c.x);
    s.y = bits(c.y);
    ++used_;
  }
  ++s.count;
}

void CandidatePointSet::erase(const CornerPoint& c) {
  if (!storable(c)) return;
  const std::size_t i = find(bits(c.x), bits(c.y));
  if (slots_[i].count == 0) return;
  if (--slots_[i].count == 0) removeAt(i);
}

// Linear probing: closes the gap a removed slot leaves by moving back the
// slots after it that would otherwise no longer be found.
void CandidatePointSet::removeAt(std::size_t gap) {
  --used_;
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = gap;
  for (;;) {
    i = (i + 1) & mask;
    if (slots_[i].count == 0) break;
    const std::size_t want = home(slots_[i].x, slots_[i].y);
    // Move slot i into the gap when its home does not lie in (gap, i].
    const bool between = gap <= i ? (gap < want && want <= i) : (gap < want || want <= i);
    if (!between) {
      slots_[gap] = slots_[i];
      gap = i;
    }
  }
  slots_[gap] = Slot{};
}

void CandidatePointSet::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  used_ = 0;
  for (const Slot& s : old) {
    if (s.count == 0) continue;
    Slot& t = slots_[find(s.x, s.y)];
    t = s;
    ++used_;
  }
}
