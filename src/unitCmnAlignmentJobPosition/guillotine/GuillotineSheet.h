// One sheet (or an unlimited strip) being filled by guillotine packing. The
// sheet keeps a list of free rectangles, starting with the whole sheet.
// An item goes into the top-left corner of a free rectangle, which is then
// cut in two by a straight cut through the whole rectangle (across, below
// the item, or along, beside it) and the smaller part is cut again beside
// or below the item. Every rectangle ever made is the result of full cuts
// of its parent, so the placed items can always be separated by
// full-length cuts: the layout is guillotine-cuttable by construction.
// Sizes include the gaps (the packer adds them); millimetres.
#pragma once

#include <cstddef>
#include <vector>

class GuillotineSheet {
 public:
  // How a free rectangle is chosen for an item.
  enum class Choice {
    TopThenShortSide,  // the highest free rectangle, then the best short-side fit
    TopThenWidth,      // the highest, then the least width left over
    ShortSide,         // the best short-side fit anywhere
    LongSide,          // the best long-side fit anywhere
  };
  // Which way the first cut goes through the chosen free rectangle.
  enum class Split {
    ShorterLeftover,  // across when less width than length is left over
    LongerLeftover,
    MinimizeArea,     // the cut that leaves the larger rectangle whole
    MaximizeArea,
    Across,           // always across (rows)
    Along,            // always along (columns)
  };

  struct Rect {
    double x, y, w, h;
  };
  // Where an item would go: the free rectangle, the orientation and its
  // score (lower is better).
  struct Fit {
    std::size_t free = 0;
    bool turned = false;
    double score1 = 0.0, score2 = 0.0;
  };

  GuillotineSheet(double width, double length);

  // The best place for an item of w x h (tw x th turned; turnable says
  // whether that is allowed); false when it fits nowhere.
  bool find(double w, double h, double tw, double th, bool turnable, Choice choice,
            Fit& fit) const;
  // Puts the item there and cuts the free rectangle; returns its corner.
  Rect place(const Fit& fit, double w, double h, Split split);
  // How far along the sheet the placed items reach.
  double usedLength() const { return used_; }

 private:
  bool better(const Fit& a, const Fit& b) const;
  void score(Fit& fit, const Rect& r, double w, double h, Choice choice) const;

  std::vector<Rect> free_;
  double used_ = 0.0;
};
