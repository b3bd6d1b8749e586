#include "unitCmnAlignmentJobPosition/placement/PlacedEntryGrid.h"

#include <algorithm>
#include <cmath>

void PlacedEntryGrid::configure(double cellSize, double width) {
  perCell_ = 1.0 / cellSize;
  const bool cut = CellIndex::mappable(width) && width > 0;
  const double columns = cut ? std::floor(width / cellSize) + 1 : 1;
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

// The ids come back in ascending order through a bit per id: setting the
// bits drops repeats, and reading the words in order sorts them. A cell
// holds its ids in ascending order, so its first and last bound the words
// to read.
void PlacedEntryGrid::collect(const std::vector<Box>& boxes, std::vector<uint32_t>& out) {
  if (filed_.empty()) return;
  std::size_t low = seen_.size(), high = 0;
  auto mark = [&](uint32_t id) {
    seen_[id / 64] |= uint64_t{1} << (id % 64);
    return false;
  };
  auto bound = [&](uint32_t first, uint32_t last) {
    low = std::min<std::size_t>(low, first / 64);
    high = std::max<std::size_t>(high, last / 64);
  };
  for (uint32_t id : wide_) {
    mark(id);
    bound(id, id);
  }
  for (const Box& box : boxes) {
    Range r;
    if (!range(box, r)) {
      for (uint32_t id : filed_) mark(id);
      bound(filed_.front(), filed_.back());
      continue;
    }
    anyCell(r, [&](const Cell& cell) {
      if (cell.count == 0) return false;
      anyIn(cell, mark);
      const uint32_t last =
          cell.count <= kInline ? cell.ids[cell.count - 1] : spill_[cell.spill].back();
      bound(cell.ids[0], last);
      return false;
    });
  }
  for (std::size_t word = low; word <= high && word < seen_.size(); ++word) {
    for (uint64_t bits = seen_[word]; bits != 0; bits &= bits - 1) {
      const auto bit = static_cast<std::size_t>(__builtin_ctzll(bits));
      out.push_back(static_cast<uint32_t>(word * 64 + bit));
    }
    seen_[word] = 0;
  }
}
