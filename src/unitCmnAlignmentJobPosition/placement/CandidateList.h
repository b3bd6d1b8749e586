// The candidate corners of the corner-point placement, in list order (the
// order decides ties, so it is kept exactly: points are appended at the end
// and removed where they are). Built for lists of many thousands of points
// of which each step touches a few:
//   - removal marks a point dead (and moves it to +inf); the list closes
//     the gaps once they are half as many as the living points in a short
//     list (and at least 8: a short list is read whole, dead points
//     included, several times a step), three times as many in a long one;
//   - a long list also keeps its points in rows across the sheet
//     (CandidateRows), so that a pass can read them from the top of the
//     sheet down, far enough left for a size, or near an entry, and "is
//     this point listed?" is a look at one cell. When asked to, it also
//     keeps them by x (CandidateStripes), so that a pass can read, in
//     list order, the points far enough left for a size whatever their y
//     (what a search of a narrow size wants: read from the top down, every
//     row would hold a few of the points along the right edge). A short
//     list (most layouts of equal units keep a few dozen points) reads all
//     of them, which costs less than keeping either.
// Each point also remembers up to three blocked quadrants, "every size at
// least failedWidth wide and failedHeight long conflicts here".
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CandidateRows.h"
#include "unitCmnAlignmentJobPosition/placement/CandidateStripes.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"
#include "unitCmnAlignmentJobPosition/placement/PointHash.h"

class CandidateList {
 public:
  static constexpr std::size_t kSlots = 3;

  // What a point has learnt (its place and whether it is still listed are
  // kept apart, in at() and the living marks, which every pass reads).
  // The quadrants are kept in floats rounded up (a float quadrant lies
  // within the true one, so what it rejects does conflict), which halves
  // the items: a long list holds hundreds of thousands.
  struct Item {
    float failedWidth[kSlots] = {NAN, NAN, NAN};  // NaN: an empty slot
    float failedHeight[kSlots] = {NAN, NAN, NAN};
    uint32_t blocker = UINT32_MAX;  // the sheet entry that blocked it last, if any

    bool rejects(double w, double h) const {
      for (std::size_t i = 0; i < kSlots; ++i) {
        if (w >= failedWidth[i] && h >= failedHeight[i]) return true;
      }
      return false;
    }
    void remember(double w, double h);
  };

  using Box = CandidateRows::Box;

  // Rows of a long list are rowHeight mm high and cut into cells across
  // width; byX: a long list also keeps its points by x. Clears the list.
  void configure(double rowHeight, double width, bool byX);
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
  // Whether the list keeps its rows (a short list does not), whether it
  // also keeps its points by x, and whether every point is in the rows
  // (points beyond CellIndex::kMaxCoordinate are not).
  bool indexed() const { return indexed_; }
  bool byX() const { return indexed_ && keepByX_; }
  bool allInRows() const { return indexed_ && !byRow_.anyBeyond(); }

  // Calls visit(slot) for every living point, in list order. visit must
  // not append.
  template <class Visit>
  void forEach(Visit&& visit) {
    const std::size_t end = alive_.size();
    for (std::size_t slot = 0; slot < end; ++slot) {
      if (alive_[slot]) visit(slot);
    }
  }
  // Calls visit(slot) for every slot, in list order, the removed points'
  // too: at() gives those as (+inf, +inf), which no search prefers to
  // anything, so a search need not tell them apart (whether a slot is
  // living is a branch no processor can guess).
  template <class Visit>
  void forEachSlot(Visit&& visit) {
    anySlot([&](std::size_t slot) {
      visit(slot);
      return false;
    });
  }
  // Whether test(slot) answers true for a slot, read as forEachSlot
  // reads them; stops at the first.
  template <class Test>
  bool anySlot(Test&& test) {
    const std::size_t end = alive_.size();
    for (std::size_t slot = 0; slot < end; ++slot) {
      if (test(slot)) return true;
    }
    return false;
  }

  // Sets the reach: the points with x <= maxX and y < yBelow, which
  // forEachReached visits in list order until the reach is set again
  // (points appended since are not among them, points removed since are
  // skipped).
  // REQUIRES: byX().
  void setReach(double maxX, double yBelow);
  // Forgets the reach (forEachAboveLeftOrIn then reads the rows).
  void clearReach() { reachSet_ = false; }

  template <class Visit>
  void forEachReached(Visit&& visit) {
    for (uint32_t slot : reached_) {
      if (alive_[slot]) visit(slot);
    }
  }

  // The living points with x <= maxX and y < yBelow, a row at a time from
  // the top (see CandidateRows::forEachTopDown).
  // REQUIRES: allInRows(); visit leaves the list as it is.
  template <class Visit, class RowDone>
  void forEachTopDown(double maxX, double yBelow, Visit&& visit, RowDone&& rowDone) {
    byRow_.forEachTopDown(maxX, yBelow, visit, rowDone);
  }

  // Calls visit(slot) for the living points left of and above `corner`
  // (x <= corner.x, y < corner.y) and those in the box, and maybe others,
  // in no set order; visit may remove the point it is given. A short list
  // visits each of its slots once, removed ones too (see forEachSlot). With
  // a reach set, the reach and the points appended since stand in for the
  // first kind: REQUIRES then that the reach holds every point left of and
  // above corner that was listed when it was set.
  template <class Visit>
  void forEachAboveLeftOrIn(const CornerPoint& corner, const Box& box, Visit&& visit) {
    if (!indexed_) {
      forEachSlot(visit);
      return;
    }
    near_.clear();
    if (reachSet_) {
      near_ = reached_;
      for (std::size_t slot = reachEnd_; slot < items_.size(); ++slot)
        near_.push_back(static_cast<uint32_t>(slot));
      byRow_.collect(box, near_);
    } else if (byRow_.anyBeyond()) {
      forEach(visit);
      return;
    } else {
      byRow_.forEachTopDown(
          corner.x, corner.y, [&](std::size_t slot) { near_.push_back(static_cast<uint32_t>(slot)); },
          [] { return false; });
      byRow_.collect(box, near_);
    }
    for (uint32_t slot : near_) {
      if (alive_[slot]) visit(slot);
    }
  }

 private:
  void buildIndex();
  void dropIndex();

  // By slot: what each point learnt, where it lies, whether it is listed.
  std::vector<Item> items_;
  std::vector<CornerPoint> at_;
  std::vector<uint16_t> hashes_;  // PointHash of at_, read by contains()
  std::vector<unsigned char> alive_;
  // The rows are built when the list grows past kIndexFrom slots and
  // dropped when a compaction leaves half of that or fewer.
  static constexpr std::size_t kIndexFrom = 128;
  bool indexed_ = false;
  bool keepByX_ = false;
  CandidateRows byRow_;
  CandidateStripes byX_;
  // The reach, in list order, and the slots listed when it was set.
  bool reachSet_ = false;
  std::size_t reachEnd_ = 0;
  std::vector<uint32_t> reached_;
  std::vector<uint64_t> marked_;  // a bit per slot, set only during setReach
  std::vector<uint32_t> near_;        // scratch for forEachAboveLeftOrIn
  std::vector<uint32_t> renumbered_;  // scratch for compactIfSparse: old slot to new
  std::size_t dead_ = 0;
};
