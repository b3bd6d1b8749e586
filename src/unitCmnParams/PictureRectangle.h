// One picture (pocket) of a jig that has its own setting: its number and
// its offset from the grid position, and whether it is used.
#pragma once

#include <string>

#include "unitCmnParams/XmlFieldTable.h"

struct PictureRectangle {
  // "ddd-ddd": the first three digits count across, the last three down.
  std::string no;
  double offsetW = 0.0;
  double offsetH = 0.0;
  bool use = false;

  // No, OffsetW, OffsetH, Use below one "PictureRectangle" element.
  static const XmlFieldTable<PictureRectangle>& table();
};
