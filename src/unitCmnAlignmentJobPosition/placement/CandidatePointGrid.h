// The candidate points of a long list by cell, so that the points inside
// an entry are found without a pass over the list. Cells are cellSize mm
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
  // Appends the slots of the points in the cells the box meets (and of the
  // points beyond the grid), in no set order: every point in the box and
  // some others. A box with a NaN edge holds no point.
  void collect(const Box& box, std::vector<uint32_t>& out) const;

 private:
  static constexpr std::size_t kBeyond = SIZE_MAX;  // the list of points beyond the grid
  std::size_t cellOf(const CornerPoint& c) const;
  std::size_t index(double v, std::size_t count) const;
  std::vector<uint32_t>& listOf(std::size_t cell) { return cell == kBeyond ? beyond_ : cells_[cell]; }

  double perCell_ = 1.0;  // 1 / cell size
  std::size_t cols_ = 1;
  std::size_t maxRows_ = 1;
  std::size_t rows_ = 0;
  std::vector<std::vector<uint32_t>> cells_;  // row after row, cols_ cells each
  std::vector<uint32_t> beyond_;
  std::vector<uint32_t> place_;  // by slot: where in its cell's list the point is
};
