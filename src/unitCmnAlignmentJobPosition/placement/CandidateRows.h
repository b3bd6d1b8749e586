// The candidate points of a long list in rows across the sheet, each row
// cut into kColumns cells across the area width, so that a pass reads the
// points from the top of the sheet down, and in each row only the cells
// far enough left: the points a size may stand on, those above and left of
// a corner, those in a box. "Is this point listed?" is a look at one cell.
// A step reads the rows around its entry, which stay in the caches.
//
// Rows are `height` mm high and are added as points reach further along
// the media, up to kMaxRows (beyond it everything falls into the last
// row); a point whose coordinates are not within CellIndex::kMaxCoordinate is kept in
// one list that only collect() answers. Slots are the candidate list's.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CellIndex.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"
#include "unitCmnAlignmentJobPosition/placement/PlacedEntryGrid.h"
#include "unitCmnAlignmentJobPosition/placement/PointHash.h"

class CandidateRows {
 public:
  static constexpr std::size_t kColumns = 64;
  static constexpr std::size_t kMaxRows = std::size_t{1} << 14;
  using Box = PlacedEntryGrid::Box;  // edges included

  // Sets the row height and the width the columns cover (one column when
  // it is not a positive number), and empties the rows.
  void configure(double height, double width);
  void clear();
  // REQUIRES: c is a number; slot is not held.
  void insert(const CornerPoint& c, uint32_t slot);
  // REQUIRES: slot is held, at c.
  void erase(const CornerPoint& c, uint32_t slot);
  // Gives every point the slot to[slot] (the list closed its gaps).
  void renumber(const std::vector<uint32_t>& to);
  // Whether a point equal to c is held (0 and -0 are equal).
  bool contains(const CornerPoint& c) const;
  // Appends the slots of the points in the cells the box meets (and of the
  // points beyond the rows), in no set order: every point in the box and
  // some others. A box with a NaN edge holds no point.
  void collect(const Box& box, std::vector<uint32_t>& out) const;
  // Whether points lie beyond the rows (forEachTopDown leaves them out).
  bool anyBeyond() const { return !beyond_.points.empty(); }

  // Visits the points with x <= maxX and y < yBelow a row at a time, from
  // the top (within a row in no set order): visit(slot) for each, then
  // rowDone() after each row that had any; stops when rowDone() answers
  // true. visit must leave the rows as they are.
  template <class Visit, class RowDone>
  void forEachTopDown(double maxX, double yBelow, Visit&& visit, RowDone&& rowDone) {
    if (std::isnan(maxX) || std::isnan(yBelow) || rows_.empty()) return;
    const std::size_t lastCol = columnOf(maxX);
    const uint64_t reach = upTo(lastCol);
    const std::size_t lastRow = std::min(rowOf(yBelow), rows_.size() - 1);
    for (std::size_t row = firstRow_; row <= lastRow; ++row) {
      if (row % kBlock == 0 && (blockHeld_[row / kBlock] & reach) == 0) {
        row += kBlock - 1;
        continue;
      }
      bool any = false;
      for (uint64_t bits = held_[row] & reach; bits != 0; bits &= bits - 1) {
        const std::size_t col = static_cast<std::size_t>(__builtin_ctzll(bits));
        // The columns before lastCol hold only points left of maxX.
        const bool whole = col < lastCol;
        for (const Point& p : rows_[row].cells[col].points) {
          if ((whole || p.x <= maxX) && p.y < yBelow) {
            visit(static_cast<std::size_t>(p.slot));
            any = true;
          }
        }
      }
      if (row % kBlock == kBlock - 1) settleBlock(row / kBlock);
      if (any && rowDone()) return;
    }
  }

 private:
  struct Point {
    double x, y;
    uint32_t slot;
  };
  // The points of a cell, and beside them their hashes, which "is this
  // point listed?" reads: cells along the right edge can hold a few
  // hundred points (a narrow unit there forms a corner with the right edge
  // of every row below it).
  struct Cell {
    std::vector<Point> points;
    std::vector<uint16_t> hashes;
    void push(const Point& p);
    void eraseAt(std::size_t at);  // the last point takes its place
    void clear();
  };
  struct Row {
    std::array<Cell, kColumns> cells;
  };
  static uint64_t upTo(std::size_t col) {
    return col + 1 >= 64 ? ~uint64_t{0} : (uint64_t{1} << (col + 1)) - 1;
  }
  // The row of y and the column of x: monotone (a larger value never has
  // a smaller index), clamped to the rows and columns there may be.
  std::size_t rowOf(double y) const { return CellIndex::of(y, perRow_, kMaxRows); }
  std::size_t columnOf(double x) const { return CellIndex::of(x, perColumn_, kColumns); }
  static bool beyond(const CornerPoint& c) {
    return !CellIndex::mappable(c.x) || !CellIndex::mappable(c.y);
  }
  Cell& cellOf(const CornerPoint& c) {
    return beyond(c) ? beyond_ : rows_[rowOf(c.y)].cells[columnOf(c.x)];
  }
  void settleBlock(std::size_t block);

  double perRow_ = 1.0;     // 1 / row height
  double perColumn_ = 0.0;  // kColumns / width
  std::vector<Row> rows_;
  // By row, bit k: cell k holds points. Apart from the rows, so that a
  // pass from the top reads eight rows' bits from one cache line.
  std::vector<uint64_t> held_;
  Cell beyond_;
  std::vector<uint32_t> place_;       // by slot: where in its cell's list the point is
  std::vector<std::size_t> used_;     // the rows that have held points since the last clear
  std::vector<unsigned char> inUse_;  // by row
  std::size_t firstRow_ = 0;          // no row before it holds points
  // By block of kBlock rows: at least the cells its rows hold (bits are
  // set as points come and cleared when a pass has read the block), so
  // that a pass skips a block with nothing far enough left.
  static constexpr std::size_t kBlock = 64;
  std::vector<uint64_t> blockHeld_;
};
