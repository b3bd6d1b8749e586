// One placed unit (one page, row, tile and copy of a composite): a section
// named "Bin" + "<compositeID>_P<page>_T<tile>-<tile>_C<copy>_V<row>".
// Lengths are millimetres.
#pragma once

#include <string>

#include "unitCmnJobParam/SectionTable.h"

struct BinaryUnitSection {
  std::string compositeID;
  int pageNumber{};
  int rowNumber{};
  int copyNumber{};
  IntPair tileNumber{};  // first and second tile
  int zOrder{};
  DoublePair offset{};  // (x, y) of the unit, mm, before the corrections below
  LabelledDoublePairs offsetOfOffset;  // named (x, y) corrections added to offset
  int relativeRotation{};

  // offset plus every pair of offsetOfOffset.
  DoublePair totalOffset() const;
  // Stores offset so that totalOffset() becomes (x, y).
  void setTotalOffset(double x, double y);

  static const SectionTable<BinaryUnitSection>& table();
  bool operator==(const BinaryUnitSection& o) const { return table().equal(*this, o); }
};
