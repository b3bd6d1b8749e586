// The candidate corners of the corner-point placement, in list order (the
// order decides ties, so it is kept exactly: points are appended at the end
// and removed where they are). Built for lists of many thousands of points
// of which each step touches a few:
//   - removal marks a point dead; the list closes the gaps once they are
//     as many as the living points;
//   - a tree over the slots keeps, for every run of slots it covers, the
//     box holding their living points, so a pass can skip every run whose
//     box says nothing there matters (a pass costs about the points it
//     looks at times the tree's height, not the length of the list);
//     a short list (most layouts of equal units keep a few dozen points)
//     has no tree: looking at every point costs less than keeping one;
//   - a counted set of the points answers "is this point listed?".
// Each point also remembers up to three blocked quadrants, "every size at
// least failedWidth wide and failedHeight long conflicts here".
#pragma once

#include <cmath>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CandidatePointSet.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointRules.h"

class CandidateList {
 public:
  static constexpr std::size_t kSlots = 3;

  // What a point has learnt (its place and whether it is still listed are
  // kept apart, in at() and the living marks, which every pass reads: a
  // pass over many points then reads few cache lines).
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

  // The box holding the living points of a run of slots (an empty run:
  // minimums +inf, maximums -inf).
  struct Bounds {
    double minX, minY, maxX, maxY;
  };

  void clear();
  // REQUIRES: c is a number (no NaN coordinate).
  void append(const CornerPoint& c);
  void remove(std::size_t slot);
  bool contains(const CornerPoint& c) const { return points_.contains(c); }
  // Closes the gaps when they are many. Slots change: REQUIRES no slot
  // numbers are kept across it.
  void compactIfSparse();

  std::size_t slots() const { return items_.size(); }
  Item& operator[](std::size_t slot) { return items_[slot]; }
  const CornerPoint& at(std::size_t slot) const { return at_[slot]; }
  // Whether the list keeps its tree of boxes (a short list does not).
  bool indexed() const { return leaves_ > 0; }

  // Calls visit(slot) for the living points, in list order, skipping runs
  // of slots whose box fails look(bounds) (all, some or none of them: look
  // only saves work, visit must still judge every point it is given). look
  // is asked again as the pass goes on, so it may depend on what visit
  // learnt.
  template <class Look, class Visit>
  void forEach(Look&& look, Visit&& visit) {
    if (leaves_ > 0) {
      descend(1, look, visit);
      return;
    }
    for (std::size_t slot = 0; slot < items_.size(); ++slot) {
      if (alive_[slot]) visit(slot);
    }
  }

 private:
  template <class Look, class Visit>
  void descend(std::size_t node, Look& look, Visit& visit) {
    if (!look(tree_[node])) return;
    if (node >= leaves_) {
      const std::size_t first = (node - leaves_) * kRun;
      const std::size_t end = std::min(items_.size(), first + kRun);
      for (std::size_t slot = first; slot < end; ++slot) {
        if (alive_[slot]) visit(slot);
      }
      return;
    }
    descend(2 * node, look, visit);
    descend(2 * node + 1, look, visit);
  }
  // Recomputes the box of the run holding slot, and of the nodes above.
  void update(std::size_t slot);
  Bounds runBounds(std::size_t run) const;
  void rebuild(std::size_t leaves);
  void dropTree();

  // By slot: what each point learnt, where it lies, whether it is listed.
  std::vector<Item> items_;
  std::vector<CornerPoint> at_;
  std::vector<unsigned char> alive_;
  // A complete binary tree over leaves_ runs of kRun slots: node 1 the
  // root, node n's children 2n and 2n + 1, run r (slots r * kRun to
  // r * kRun + kRun - 1, looked at one by one) at node leaves_ + r.
  static constexpr std::size_t kRun = 4;
  std::vector<Bounds> tree_;
  std::size_t leaves_ = 0;  // 0: no tree
  // The tree is built when the list grows past kTreeFrom slots and dropped
  // when a compaction leaves half of that or fewer.
  static constexpr std::size_t kTreeFrom = 128;
  std::size_t dead_ = 0;
  CandidatePointSet points_;
};
