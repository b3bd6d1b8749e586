#include "unitCmnAlignmentJobPosition/placement/CandidateRows.h"

void CandidateRows::Cell::push(const Point& p) {
  points.push_back(p);
  hashes.push_back(PointHash::of(p.x, p.y));
}

void CandidateRows::Cell::eraseAt(std::size_t at) {
  points[at] = points.back();
  hashes[at] = hashes.back();
  points.pop_back();
  hashes.pop_back();
}

void CandidateRows::Cell::clear() {
  points.clear();
  hashes.clear();
}

void CandidateRows::configure(double height, double width) {
  perRow_ = 1.0 / height;
  perColumn_ = std::isfinite(width) && width > 0 ? static_cast<double>(kColumns) / width : 0.0;
  rows_.clear();
  held_.clear();
  inUse_.clear();
  used_.clear();
  blockHeld_.clear();
  clear();
}

void CandidateRows::clear() {
  for (std::size_t row : used_) {
    Row& r = rows_[row];
    for (uint64_t bits = held_[row]; bits != 0; bits &= bits - 1)
      r.cells[static_cast<std::size_t>(__builtin_ctzll(bits))].clear();
    held_[row] = 0;
    inUse_[row] = 0;
    blockHeld_[row / kBlock] = 0;
  }
  used_.clear();
  beyond_.clear();
  firstRow_ = rows_.size();
}

void CandidateRows::insert(const CornerPoint& c, uint32_t slot) {
  if (place_.size() <= slot) place_.resize(std::max<std::size_t>(slot + 1, 2 * place_.size()));
  Cell* cell = &beyond_;
  if (!beyond(c)) {
    const std::size_t row = rowOf(c.y), col = columnOf(c.x);
    if (row >= rows_.size()) {
      rows_.resize(row + 1);
      held_.resize(row + 1, 0);
      inUse_.resize(row + 1, 0);
      blockHeld_.resize(row / kBlock + 1, 0);
    }
    if (!inUse_[row]) {
      inUse_[row] = 1;
      used_.push_back(row);
    }
    held_[row] |= uint64_t{1} << col;
    blockHeld_[row / kBlock] |= uint64_t{1} << col;
    firstRow_ = std::min(firstRow_, row);
    cell = &rows_[row].cells[col];
  }
  place_[slot] = static_cast<uint32_t>(cell->points.size());
  cell->push({c.x, c.y, slot});
}

// The cell's last point takes the place of the one that goes.
void CandidateRows::erase(const CornerPoint& c, uint32_t slot) {
  Cell& cell = cellOf(c);
  const uint32_t at = place_[slot];
  cell.eraseAt(at);
  if (at < cell.points.size()) place_[cell.points[at].slot] = at;
  if (!cell.points.empty() || beyond(c)) return;
  const std::size_t row = rowOf(c.y);
  held_[row] &= ~(uint64_t{1} << columnOf(c.x));
  while (firstRow_ < held_.size() && held_[firstRow_] == 0) ++firstRow_;
}

// The points keep their places in their cells.
void CandidateRows::renumber(const std::vector<uint32_t>& to) {
  auto renumberCell = [&](Cell& cell) {
    for (std::size_t i = 0; i < cell.points.size(); ++i) {
      cell.points[i].slot = to[cell.points[i].slot];
      place_[cell.points[i].slot] = static_cast<uint32_t>(i);
    }
  };
  // Rows left empty leave the list of used rows.
  std::size_t kept = 0;
  for (std::size_t row : used_) {
    Row& r = rows_[row];
    if (held_[row] == 0) {
      inUse_[row] = 0;
      continue;
    }
    for (uint64_t bits = held_[row]; bits != 0; bits &= bits - 1)
      renumberCell(r.cells[static_cast<std::size_t>(__builtin_ctzll(bits))]);
    used_[kept++] = row;
  }
  used_.resize(kept);
  renumberCell(beyond_);
}

bool CandidateRows::contains(const CornerPoint& c) const {
  if (std::isnan(c.x) || std::isnan(c.y)) return false;
  const Cell* cell = &beyond_;
  if (!beyond(c)) {
    const std::size_t row = rowOf(c.y);
    if (row >= rows_.size()) return false;
    cell = &rows_[row].cells[columnOf(c.x)];
  }
  return PointHash::forEachEqual(cell->hashes.data(), cell->hashes.size(), PointHash::of(c.x, c.y),
                      [&](std::size_t i) {
                        const Point& p = cell->points[i];
                        return p.x == c.x && p.y == c.y;
                      });
}

void CandidateRows::collect(const Box& box, std::vector<uint32_t>& out) const {
  if (std::isnan(box.x0) || std::isnan(box.y0) || std::isnan(box.x1) || std::isnan(box.y1)) return;
  for (const Point& p : beyond_.points) out.push_back(p.slot);
  if (box.x0 > box.x1 || box.y0 > box.y1 || rows_.empty()) return;
  const uint64_t cols = upTo(columnOf(box.x1)) & ~(upTo(columnOf(box.x0)) >> 1);
  const std::size_t last = std::min(rowOf(box.y1), rows_.size() - 1);
  for (std::size_t row = rowOf(box.y0); row <= last; ++row) {
    for (uint64_t bits = held_[row] & cols; bits != 0; bits &= bits - 1) {
      for (const Point& p : rows_[row].cells[static_cast<std::size_t>(__builtin_ctzll(bits))].points)
        out.push_back(p.slot);
    }
  }
}

void CandidateRows::settleBlock(std::size_t block) {
  uint64_t held = 0;
  const std::size_t end = std::min(rows_.size(), (block + 1) * kBlock);
  for (std::size_t row = block * kBlock; row < end; ++row) held |= held_[row];
  blockHeld_[block] = held;
}
