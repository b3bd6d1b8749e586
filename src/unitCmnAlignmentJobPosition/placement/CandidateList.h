// The candidate corners of the corner-point placement, in list order (the
// order decides ties, so it is kept exactly: points are appended at the end
// and removed where they are). Built for lists of many thousands of points
// of which each step touches a few:
//   - removal marks a point dead; the list closes the gaps once they are
//     as many as the living points;
//   - a long list also keeps its points by x (CandidateStripes), for the
//     points far enough left for a size, and by cell (CandidatePointGrid),
//     for the points inside an entry; a short list (most layouts of equal
//     units keep a few dozen points) looks at every point, which costs less
//     than keeping the two;
//   - "is this point listed?" is a look at the point's cell, or along a
//     short list.
// Each point also remembers up to three blocked quadrants, "every size at
// least failedWidth wide and failedHeight long conflicts here".
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CandidatePointGrid.h"
#include "unitCmnAlignmentJobPosition/placement/CandidateStripes.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"

class CandidateList {
 public:
  static constexpr std::size_t kSlots = 3;

  // What a point has learnt (its place and whether it is still listed are
  // kept apart, in at() and the living marks, which every pass reads).
  struct Item {
    double failedWidth[kSlots] = {NAN, NAN, NAN};  // NaN: an empty slot
    double failedHeight[kSlots] = {NAN, NAN, NAN};
    uint32_t blocker = UINT32_MAX;  // the sheet entry that blocked it last, if any

    bool rejects(double w, double h) const {
      for (std::size_t i = 0; i < kSlots; ++i) {
        if (w >= failedWidth[i] && h >= failedHeight[i]) return true;
      }
      return false;
    }
    void remember(double w, double h);
  };

  using Box = CandidatePointGrid::Box;

  // The points' x mostly lie between 0 and width, and the cells of the
  // grid are cellSize mm square (others only make the list slower).
  // Clears the list.
  void configure(double cellSize, double width);
  void clear();
  // REQUIRES: c is a number (no NaN coordinate).
  void append(const CornerPoint& c);
  void remove(std::size_t slot);
  // Whether a living point equals c (0 and -0 are equal).
  bool contains(const CornerPoint& c) const;
  // Closes the gaps when they are many. Slots change: REQUIRES no slot
  // numbers are kept across it.
  void compactIfSparse();

  std::size_t slots() const { return items_.size(); }
  Item& operator[](std::size_t slot) { return items_[slot]; }
  const CornerPoint& at(std::size_t slot) const { return at_[slot]; }
  bool alive(std::size_t slot) const { return alive_[slot] != 0; }
  // Whether the list keeps its points by x and by cell (a short list does not).
  bool indexed() const { return indexed_; }

  // Calls visit(slot) for every living point, in list order.
  template <class Visit>
  void forEach(Visit&& visit) {
    for (std::size_t slot = 0; slot < items_.size(); ++slot) {
      if (alive_[slot]) visit(slot);
    }
  }

  // Sets the reach: the points with x <= maxX, which forEachReached visits
  // in list order until the reach is set again (points appended since are
  // not among them, points removed since are skipped).
  void setReach(double maxX);

  template <class Visit>
  void forEachReached(Visit&& visit) {
    if (!reachedByIndex_) {
      for (std::size_t slot = 0; slot < reachEnd_; ++slot) {
        if (alive_[slot] && at_[slot].x <= reachX_) visit(slot);
      }
      return;
    }
    for (uint32_t slot : reached_) {
      if (alive_[slot]) visit(slot);
    }
  }

  // Calls visit(slot) for the living points in the box (and maybe others
  // near it), in no set order (visit may remove the point it is given).
  template <class Visit>
  void forEachNear(const Box& box, Visit&& visit) {
    if (!indexed_) {
      forEach([&](std::size_t slot) {
        const CornerPoint& c = at_[slot];
        if (c.x >= box.x0 && c.x <= box.x1 && c.y >= box.y0 && c.y <= box.y1) visit(slot);
      });
      return;
    }
    near_.clear();
    byCell_.collect(box, near_);
    for (uint32_t slot : near_) visit(slot);
  }

  // Calls visit(slot) for the reached points, the points appended since
  // the reach was set and the living points in the box, and maybe others,
  // in no set order (visit may remove the point it is given): a short list
  // visits each of its points once.
  template <class Visit>
  void forEachReachedOrNear(const Box& box, Visit&& visit) {
    if (!reachedByIndex_ || !indexed_) {
      forEach(visit);
      return;
    }
    forEachReached(visit);
    for (std::size_t slot = reachEnd_; slot < items_.size(); ++slot) {
      if (alive_[slot]) visit(slot);
    }
    forEachNear(box, visit);
  }

 private:
  void buildIndex();
  void dropIndex();

  // By slot: what each point learnt, where it lies, whether it is listed.
  std::vector<Item> items_;
  std::vector<CornerPoint> at_;
  std::vector<unsigned char> alive_;
  // The indexes are built when the list grows past kIndexFrom slots and
  // dropped when a compaction leaves half of that or fewer.
  static constexpr std::size_t kIndexFrom = 128;
  bool indexed_ = false;
  CandidateStripes byX_;
  CandidatePointGrid byCell_;
  // The reach: a short list keeps its limits, a long one the slots.
  bool reachedByIndex_ = false;
  double reachX_ = 0.0;
  std::size_t reachEnd_ = 0;
  std::vector<uint32_t> reached_;
  std::vector<uint64_t> marked_;  // a bit per slot, set only during setReach
  std::vector<uint32_t> near_;    // scratch for forEachNear
  std::vector<uint32_t> renumbered_;  // scratch for compactIfSparse: old slot to new
  std::size_t dead_ = 0;
};
