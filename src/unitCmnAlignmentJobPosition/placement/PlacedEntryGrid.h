// A uniform grid over one sheet that finds the placed entries near a box
// without looking at every entry of the sheet. Each entry is filed under
// every cell its box covers; a query answers the entries filed under the
// cells the query box covers. That is a superset of the entries whose box
// meets the query box, never fewer: callers apply the exact rule to each
// entry answered.
//
// Cells are cellSize mm square; columns cover the area width (anything to
// the left of 0 or right of the width falls into the first or last column),
// rows are added as entries reach further along the media, up to a bound
// (beyond it everything falls into the last row). An entry whose box is
// not finite, lies beyond CellIndex::kMaxCoordinate or covers more than
// kMaxCellsPerEntry cells is kept in one list that every query answers;
// a query box that cannot be mapped to cells answers every entry.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CellIndex.h"

class PlacedEntryGrid {
 public:
  static constexpr std::size_t kMaxCellsPerEntry = 4096;
  static constexpr std::size_t kMaxCells = std::size_t{1} << 20;

  // A box in mm; x0 <= x1 and y0 <= y1 when its numbers are finite.
  struct Box {
    double x0, y0, x1, y1;
  };

  // Sets the cell size and the width the columns cover, and empties the grid.
  void configure(double cellSize, double width);
  // Empties the grid for a new sheet (keeps its cells' memory).
  void clear();
  // Files entry id (ids are small numbers chosen by the caller) under box.
  // REQUIRES: id is larger than every id filed since the grid was last
  // emptied (so each cell holds its ids in ascending order).
  void add(uint32_t id, const Box& box);

  // Calls visit(id) for the entries near box (an entry may come more than
  // once); answers true as soon as visit does.
  template <class Visit>
  bool any(const Box& box, Visit&& visit) const {
    if (filed_.empty()) return false;  // (most sheets hold no locked unit)
    for (uint32_t id : wide_) {
      if (visit(id)) return true;
    }
    Range r;
    if (!range(box, r)) {
      for (uint32_t id : filed_) {
        if (visit(id)) return true;
      }
      return false;
    }
    return anyCell(r, [&](const Cell& cell) { return anyIn(cell, visit); });
  }

  // anyAt(x, y, visit) is any() for the box of one point, looking at its
  // one cell.
  template <class Visit>
  bool anyAt(double x, double y, Visit&& visit) const {
    if (!CellIndex::mappable(x) || !CellIndex::mappable(y))
      return any(Box{x, y, x, y}, visit);
    for (uint32_t id : wide_) {
      if (visit(id)) return true;
    }
    const std::size_t r = row(y);
    if (r >= rows_) return false;
    return anyIn(cells_[cellAt(r, column(x))], visit);
  }

  // Appends the entries near any of the boxes to out, each once, in
  // ascending id order.
  void collect(const std::vector<Box>& boxes, std::vector<uint32_t>& out);

 private:
  // A cell keeps its first kInline ids in itself and the others in a list
  // of spill_: a query down a column then reads two cells to a cache line
  // and, mostly, nothing else.
  static constexpr std::size_t kInline = 6;
  struct Cell {
    uint32_t count = 0;
    uint32_t ids[kInline] = {};
    uint32_t spill = 0;  // index into spill_ once count > kInline
  };
  struct Range {
    std::size_t col0, col1, row0, row1;
  };
  template <class Visit>
  bool anyIn(const Cell& cell, Visit&& visit) const {
    const std::size_t inside = cell.count < kInline ? cell.count : kInline;
    for (std::size_t i = 0; i < inside; ++i) {
      if (visit(cell.ids[i])) return true;
    }
    if (cell.count <= kInline) return false;
    for (uint32_t id : spill_[cell.spill]) {
      if (visit(id)) return true;
    }
    return false;
  }
  void push(Cell& cell, uint32_t id);
  // Whether test(cell) answers true for a cell of the range; stops at the
  // first. The longer side of the range in the inner loop (the order of
  // the visits makes no difference to a caller): down a column the next
  // cell is the next one kept, across a row it is a column further.
  template <class Test>
  bool anyCell(const Range& r, Test&& test) const {
    const std::size_t rows = r.row1 - r.row0 + 1, cols = r.col1 - r.col0 + 1;
    if (r.row1 < r.row0) return false;
    const bool down = rows >= cols;
    const std::size_t inner = down ? rows : cols, outer = down ? cols : rows;
    const std::size_t innerStep = down ? 1 : rowCapacity_, outerStep = down ? rowCapacity_ : 1;
    for (std::size_t o = 0, first = cellAt(r.row0, r.col0); o < outer; ++o, first += outerStep) {
      for (std::size_t i = 0, cell = first; i < inner; ++i, cell += innerStep) {
        if (test(cells_[cell])) return true;
      }
    }
    return false;
  }

  // The cells a box covers, within the rows that exist; false when the box
  // cannot be mapped to cells. (Here, since every query starts with it.)
  bool range(const Box& box, Range& r) const {
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
  static bool mappable(const Box& b) {
    using C = CellIndex;
    return C::mappable(b.x0) && C::mappable(b.y0) && C::mappable(b.x1) && C::mappable(b.y1) &&
           b.x0 <= b.x1 && b.y0 <= b.y1;
  }
  std::size_t column(double x) const { return CellIndex::of(x, perCell_, cols_); }
  std::size_t row(double y) const { return CellIndex::of(y, perCell_, maxRows_); }
  void growRows(std::size_t rows);
  // Cells are kept column after column, so that a query down a column (the
  // entries below an entry placed high up) reads them one after another.
  std::size_t cellAt(std::size_t row, std::size_t col) const { return col * rowCapacity_ + row; }

  double perCell_ = 1.0;  // 1 / cell size
  std::size_t cols_ = 1;
  std::size_t maxRows_ = 1;
  std::size_t rows_ = 0;          // rows that may hold entries
  std::size_t rowCapacity_ = 0;  // rows each column has room for
  std::vector<Cell> cells_;  // column after column
  std::vector<std::vector<uint32_t>> spill_;  // the first spillUsed_ are in use
  std::size_t spillUsed_ = 0;
  std::vector<std::size_t> used_;             // cells holding entries
  std::vector<uint32_t> wide_;                // entries every query answers
  std::vector<uint32_t> filed_;               // every entry
  std::vector<uint64_t> seen_;                // a bit per id, set only during collect
};
