// The guillotine placement of the cutter kinds, on entries: the entries
// (with their bleeds) are packed by GuillotinePacker in the area less the
// cutter's frame, with the larger of the run's gaps and the cutter's least
// gap between them, and get X, Y (frame included), ArrangeNum and, when
// turns are allowed and the entry's flags let it turn, a quarter turn.
// With centring every sheet's layout is moved to the middle of the room
// between the frame's left and right edges.
//
// An entry that fits no empty sheet in any orientation it may take (wider
// than the media, a frame that leaves no room) cannot be cut out: the run
// is refused, naming the unit. So is a run of more entries than the packing
// takes in reasonable time.
#pragma once

#include <cstddef>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnAlignmentJobPosition/guillotine/CutterLayout.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class GuillotinePlacement {
 public:
  struct Settings {
    specialityType::DimDouble area;  // height -1 = unlimited
    CutterLayout cutter;
    double gapScan = 0.0;
    double gapFeed = 0.0;
    bool turns = true;  // entries whose flags allow it may be turned
    bool centerInScan = false;
  };

  static void place(std::vector<ArrangeEntry>& entries, const Settings& settings);
  // Raises when units must keep their places: a guillotine layout is cut
  // through the whole sheet and cannot be laid around them.
  static void requireNoneLocked(const std::vector<ArrangeEntry>& locked);
  // Each entry grows by the cutter's bleeds (counted as allowance).
  static void addBleeds(std::vector<ArrangeEntry>& entries, const CutterLayout& cutter);
};
