// Guillotine packing of rectangles on a strip of media of a given width,
// unlimited or cut into sheets of a given length: every sheet's layout can
// be separated by straight cuts through the whole piece, across and along
// the media, as an automatic cutter or trimmer cuts it (GuillotineSheet).
//
// Among such layouts it looks for one that uses little media: it fills a
// sheet greedily (each item into the free rectangle that the choice rule
// prefers, cut as the split rule says) for several orders of the items
// (tallest lying flat, longest, largest, ...), choice rules and split
// rules, each with the turnable items free to turn, all lying flat or all
// standing, and keeps the best; on an unlimited strip it then tries swapping
// items in the best order and keeps what shortens the layout. Best means
// the shortest layout on an unlimited strip, and on sheets the most area
// placed on the sheet (then the shortest). The items a sheet does not take
// go to the next one. Everything is deterministic: the swaps come from a
// generator with a fixed seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct GuillotineItem {
  double w = 0.0, h = 0.0;    // as it comes
  double tw = 0.0, th = 0.0;  // turned a quarter
  bool turnable = false;
};

struct GuillotinePlace {
  double x = 0.0, y = 0.0;  // top-left corner on its sheet
  bool turned = false;
  int32_t sheet = 1;
};

class GuillotinePacker {
 public:
  struct Strip {
    double width = 0.0;
    double length = -1.0;  // -1: unlimited
    double gapScan = 0.0;  // kept right of every item
    double gapFeed = 0.0;  // kept below every item
  };

  // REQUIRES: every item fits an empty sheet in an orientation it may take
  // (fitsEmptySheet).
  static std::vector<GuillotinePlace> pack(const std::vector<GuillotineItem>& items,
                                           const Strip& strip);
  static bool fitsEmptySheet(const GuillotineItem& item, const Strip& strip);
};
