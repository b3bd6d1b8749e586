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
  while (slots_[i].x != kFree && (slots_[i].x != x || slots_[i].y != y))
    i = (i + 1) & (slots_.size() - 1);
  return i;
}

void CandidatePointSet::clear() {
  if (used_ == 0) return;
  for (Slot& s : slots_) s.x = kFree;
  used_ = 0;
}

bool CandidatePointSet::contains(const CornerPoint& c) const {
  return storable(c) && slots_[find(bits(c.x), bits(c.y))].x != kFree;
}

// A repeat goes into the first free slot after its copies, where a search
// for the point finds the first copy.
void CandidatePointSet::place(const Slot& s) {
  std::size_t i = home(s.x, s.y);
  while (slots_[i].x != kFree) i = (i + 1) & (slots_.size() - 1);
  slots_[i] = s;
  ++used_;
}

void CandidatePointSet::insert(const CornerPoint& c) {
  if (!storable(c)) return;
  if (2 * (used_ + 1) > slots_.size()) resize(slots_.size() * 2);
  place({bits(c.x), bits(c.y)});
}

void CandidatePointSet::erase(const CornerPoint& c) {
  if (!storable(c)) return;
  const std::size_t i = find(bits(c.x), bits(c.y));
  if (slots_[i].x != kFree) removeAt(i);
}

// Linear probing: closes the gap a removed slot leaves by moving back the
// slots after it that would otherwise no longer be found.
void CandidatePointSet::removeAt(std::size_t gap) {
  --used_;
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = gap;
  for (;;) {
    i = (i + 1) & mask;
    if (slots_[i].x == kFree) break;
    const std::size_t want = home(slots_[i].x, slots_[i].y);
    // Move slot i into the gap when its home does not lie in (gap, i].
    const bool between = gap <= i ? (gap < want && want <= i) : (gap < want || want <= i);
    if (!between) {
      slots_[gap] = slots_[i];
      gap = i;
    }
  }
  slots_[gap].x = kFree;
}

void CandidatePointSet::shrink() {
  std::size_t size = 64;
  while (size < 4 * used_) size *= 2;
  if (size < slots_.size()) resize(size);
}

void CandidatePointSet::resize(std::size_t slots) {
  std::vector<Slot> old(slots, Slot{kFree, 0});
  old.swap(slots_);
  used_ = 0;
  for (const Slot& s : old) {
    if (s.x != kFree) place(s);
  }
}
