#include "unitCmnAlignmentJobPosition/placement/PlacedEntryGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// (False for NaN and the infinities too.)
bool mappable(double v) { return std::fabs(v) <= PlacedEntryGrid::kMaxCoordinate; }

bool mappable(const PlacedEntryGrid::Box& b) {
  return mappable(b.x0) && mappable(b.y0) && mappable(b.x1) && mappable(b.y1) && b.x0 <= b.x1 &&
         b.y0 <= b.y1;
}

}  // namespace

void PlacedEntryGrid::configure(double cellSize, double width) {
  perCell_ = 1.0 / cellSize;
  const double columns = mappable(width) && width > 0 ? std::floor(width / cellSize) + 1 : 1;
  cols_ = static_cast<std::size_t>(std::min(columns, 1024.0));
  maxRows_ = kMaxCells / cols_;
  cells_.clear();
  spill_.clear();
  spillUsed_ = 0;
  rows_ = 0;
  rowCapacity_ = 0;
  used_.clear();
  wide_.clear();
  filed_.clear();
}

void PlacedEntryGrid::clear() {
  for (std::size_t cell : used_) cells_[cell].count = 0;
  for (std::size_t i = 0; i < spillUsed_; ++i) spill_[i].clear();
  spillUsed_ = 0;
  used_.clear();
  wide_.clear();
  filed_.clear();
}

// Room for more rows: each column's cells move to their new places.
void PlacedEntryGrid::growRows(std::size_t rows) {
  if (rows <= rows_) return;
  rows_ = rows;
  if (rows_ <= rowCapacity_) return;
  // An odd capacity: with a power of two, the cells of one row in every
  // column would fall into one set of the processor's cache.
  const std::size_t capacity =
      std::max(rows_, std::min(std::max(2 * rowCapacity_, std::size_t{16}) + 1, maxRows_));
  std::vector<Cell> cells(capacity * cols_);
  for (std::size_t& cell : used_) {
    const std::size_t col = cell / rowCapacity_, row = cell % rowCapacity_;
    cells[col * capacity + row] = cells_[cell];
    cell = col * capacity + row;
  }
  cells_.swap(cells);
  rowCapacity_ = capacity;
}

void PlacedEntryGrid::add(uint32_t id, const Box& box) {
  filed_.push_back(id);
  if (id / 64 >= seen_.size()) seen_.resize(id / 64 + 1, 0);
  if (!mappable(box)) {
    wide_.push_back(id);
    return;
  }
  const std::size_t col0 = column(box.x0), col1 = column(box.x1);
  const std::size_t row0 = row(box.y0), row1 = row(box.y1);
  if ((col1 - col0 + 1) * (row1 - row0 + 1) > kMaxCellsPerEntry) {
    wide_.push_back(id);
    return;
  }
  growRows(row1 + 1);
  for (std::size_t r = row0; r <= row1; ++r) {
    for (std::size_t c = col0; c <= col1; ++c) {
      Cell& cell = cells_[cellAt(r, c)];
      if (cell.count == 0) used_.push_back(cellAt(r, c));
      push(cell, id);
    }
  }
}

void PlacedEntryGrid::push(Cell& cell, uint32_t id) {
  if (cell.count < kInline) {
    cell.ids[cell.count++] = id;
    return;
  }
  if (cell.count == kInline) {
    if (spillUsed_ == spill_.size()) spill_.emplace_back();
    cell.spill = static_cast<uint32_t>(spillUsed_++);
  }
  spill_[cell.spill].push_back(id);
  ++cell.count;
}

bool PlacedEntryGrid::range(const Box& box, Range& r) const {
  if (!mappable(box)) return false;
  r = {column(box.x0), column(box.x1), row(box.y0), row(box.y1)};
  if (rows_ == 0 || r.row0 >= rows_) {
    r.row0 = 1;  // an empty range: no row holds entries there
    r.row1 = 0;
  } else if (r.row1 >= rows_) {
    r.row1 = rows_ - 1;
  }
  return true;
}

// The ids come back in ascending order through a bit per id: setting the
// bits drops repeats, and reading the words in order sorts them.
void PlacedEntryGrid::collect(const std::vector<Box>& boxes, std::vector<uint32_t>& out) {
  std::size_t low = seen_.size(), high = 0;
  for (const Box& box : boxes) {
    any(box, [&](uint32_t id) {
      const std::size_t word = id / 64;
      seen_[word] |= uint64_t{1} << (id % 64);
      low = std::min(low, word);
      high = std::max(high, word);
      return false;
    });
  }
  for (std::size_t word = low; word <= high && word < seen_.size(); ++word) {
    for (uint64_t bits = seen_[word]; bits != 0; bits &= bits - 1)
      out.push_back(static_cast<uint32_t>(word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits))));
    seen_[word] = 0;
  }
}
