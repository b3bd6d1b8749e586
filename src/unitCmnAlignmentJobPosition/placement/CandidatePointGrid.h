// The candidate points of a long list by cell, so that the points inside
// an entry, and whether a point is listed, are found without a pass over
// the list. A step looks at the cells around its entry, which stay in the
// caches, where a table keyed by a hash of the point would reach all over
// memory. Cells are cellSize mm
// square; columns cover the area width (points left of 0 or right of the
// width fall into the first or last column) and rows are added as points
// reach further along the media, up to a bound (beyond it everything falls
// into the last row). A point beyond kMaxCoordinate is kept in one list
// every query answers. Slots are the candidate list's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"

class CandidatePointGrid {
 public:
  static constexpr double kMaxCoordinate = 1e12;  // mm
  static constexpr std::size_t kMaxCells = std::size_t{1} << 20;

  // A box, edges included.
  struct Box {
    double x0, y0, x1, y1;
  };

  // Sets the cell size and the width the columns cover, and empties the grid.
  void configure(double cellSize, double width);
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
  // points beyond the grid), in no set order: every point in the box and
  // some others. A box with a NaN edge holds no point.
  void collect(const Box& box, std::vector<uint32_t>& out) const;

 private:
  struct Point {
    double x, y;
    uint32_t slot;
  };
  static constexpr std::size_t kBeyond = SIZE_MAX;  // the list of points beyond the grid
  std::size_t cellOf(const CornerPoint& c) const;
  std::size_t index(double v, std::size_t count) const;
  std::vector<Point>& listOf(std::size_t cell) { return cell == kBeyond ? beyond_ : cells_[cell]; }
  const std::vector<Point>& listOf(std::size_t cell) const {
    return cell == kBeyond ? beyond_ : cell / cols_ < rows_ ? cells_[cell] : none_;
  }

  double perCell_ = 1.0;  // 1 / cell size
  std::size_t cols_ = 1;
  std::size_t maxRows_ = 1;
  std::size_t rows_ = 0;
  std::vector<std::vector<Point>> cells_;  // row after row, cols_ cells each
  std::vector<Point> beyond_;
  std::vector<Point> none_;  // the cells of rows not made yet
  std::vector<uint32_t> place_;  // by slot: where in its cell's list the point is
};
