#include "unitCmnAlignmentJobPosition/placement/CandidatePointGrid.h"

#include <algorithm>
#include <cmath>

void CandidatePointGrid::configure(double cellSize, double width) {
  perCell_ = 1.0 / cellSize;
  const double columns =
      std::isfinite(width) && width > 0 && width <= kMaxCoordinate ? std::floor(width / cellSize) + 1 : 1;
  cols_ = static_cast<std::size_t>(std::min(columns, 1024.0));
  maxRows_ = kMaxCells / cols_;
  cells_.clear();
  rows_ = 0;
  clear();
}

void CandidatePointGrid::clear() {
  for (std::vector<Point>& cell : cells_) cell.clear();
  beyond_.clear();
}

// The cell of v among count cells (v is finite and within the bound;
// truncation is the floor of a positive number).
std::size_t CandidatePointGrid::index(double v, std::size_t count) const {
  if (v <= 0) return 0;
  const double at = v * perCell_;
  return at >= static_cast<double>(count - 1) ? count - 1 : static_cast<std::size_t>(at);
}

std::size_t CandidatePointGrid::cellOf(const CornerPoint& c) const {
  if (!(std::fabs(c.x) <= kMaxCoordinate && std::fabs(c.y) <= kMaxCoordinate)) return kBeyond;
  return index(c.y, maxRows_) * cols_ + index(c.x, cols_);
}

void CandidatePointGrid::insert(const CornerPoint& c, uint32_t slot) {
  const std::size_t cell = cellOf(c);
  if (cell != kBeyond && cell / cols_ >= rows_) {
    rows_ = cell / cols_ + 1;
    cells_.resize(rows_ * cols_);
  }
  std::vector<Point>& list = listOf(cell);
  if (place_.size() <= slot) place_.resize(std::max<std::size_t>(slot + 1, 2 * place_.size()));
  place_[slot] = static_cast<uint32_t>(list.size());
  list.push_back({c.x, c.y, slot});
}

// The cell's last point takes the place of the one that goes.
void CandidatePointGrid::erase(const CornerPoint& c, uint32_t slot) {
  std::vector<Point>& list = listOf(cellOf(c));
  const uint32_t at = place_[slot];
  list[at] = list.back();
  place_[list[at].slot] = at;
  list.pop_back();
}

// The points keep their places in their cells.
void CandidatePointGrid::renumber(const std::vector<uint32_t>& to) {
  auto renumberList = [&](std::vector<Point>& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      list[i].slot = to[list[i].slot];
      place_[list[i].slot] = static_cast<uint32_t>(i);
    }
  };
  for (std::vector<Point>& cell : cells_) renumberList(cell);
  renumberList(beyond_);
}

bool CandidatePointGrid::contains(const CornerPoint& c) const {
  if (std::isnan(c.x) || std::isnan(c.y)) return false;
  for (const Point& p : listOf(cellOf(c))) {
    if (p.x == c.x && p.y == c.y) return true;
  }
  return false;
}

void CandidatePointGrid::collect(const Box& box, std::vector<uint32_t>& out) const {
  if (std::isnan(box.x0) || std::isnan(box.y0) || std::isnan(box.x1) || std::isnan(box.y1)) return;
  for (const Point& p : beyond_) out.push_back(p.slot);
  if (box.x0 > box.x1 || box.y0 > box.y1 || rows_ == 0) return;
  auto clamp = [](double v) { return std::max(-kMaxCoordinate, std::min(kMaxCoordinate, v)); };
  const std::size_t col0 = index(clamp(box.x0), cols_), col1 = index(clamp(box.x1), cols_);
  const std::size_t row0 = index(clamp(box.y0), maxRows_);
  const std::size_t row1 = std::min(index(clamp(box.y1), maxRows_), rows_ - 1);
  for (std::size_t row = row0; row <= row1; ++row) {
    for (std::size_t col = col0; col <= col1; ++col) {
      for (const Point& p : cells_[row * cols_ + col]) out.push_back(p.slot);
    }
  }
}
