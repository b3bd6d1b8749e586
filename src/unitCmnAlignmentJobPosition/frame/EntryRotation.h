// The rotation primitives of arrangement entries. A quarter turn maps the
// rotation 0 -> 90, 90 -> 0, 180 -> 90, 270 -> 0 (an entry is upright or on
// its side; 180 and 270 fold onto those) and swaps the size; an entry that
// keeps its allowance along the media moves ExtraHeight from one side to
// the other instead.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class EntryRotation {
 public:
  static void rotate90(ArrangeEntry& e);
  static void rotate270(ArrangeEntry& e);

  // Turns the other way round from the entry's rotation: rotate270 when it
  // is not 0, else rotate90 (the minimum-size trial turn).
  static void turn(ArrangeEntry& e);
  // Undoes turn().
  static void turnBack(ArrangeEntry& e);

  // Lays an upright image on its side when its height fits across the
  // area, and turns a wide image that does not fit across upright.
  static std::vector<ArrangeEntry> rotateLandscape(std::vector<ArrangeEntry> entries,
                                                   const specialityType::DimDouble& area);
  // Every entry back to rotation 0.
  static std::vector<ArrangeEntry> resetRotation(std::vector<ArrangeEntry> entries);
};
