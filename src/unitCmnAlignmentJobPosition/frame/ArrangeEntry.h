// One placeable rectangle during an arrangement: one binary unit (a page,
// row, tile or copy) of one job. A plain value; arrangers work on copies of
// entry lists. Millimetres and degrees.
#pragma once

#include <cstdint>
#include <string>

struct ArrangeEntry {
  std::string CompositeId;      // identifier of the unit's job
  std::string StrCompositeKey;  // name of the unit's binary-unit section
  double X = 0.0;               // across the media, from the printable origin
  double Y = 0.0;               // along the media
  double MmWidth = 0.0;         // current width (after rotation), allowances included
  double MmHeight = 0.0;        // current height (after rotation)
  double ExtraWidth = 0.0;      // part of the width that is allowance, not image
  double ExtraHeight = 0.0;     // the same along the media
  uint32_t Rotation = 0;        // 0, 90, 180 or 270
  double Deskew = 0.0;          // the job's deskew angle, carried unchanged
  bool RotationFixed = false;   // never rotated automatically
  bool NoRotationTile = false;    // a tile: the tile layout fixes its orientation
  bool NoRotationDeskew = false;  // a deskewed job: its size is already a turned box
  bool KeepExtraHeight = false;   // rotating keeps ExtraHeight along the media
  bool NoRotationLocked = false;  // the job's copy positions are locked
  int32_t OrderNum = 0;    // order of the entry building
  int32_t ArrangeNum = 0;  // sheet, from 1: written into "Arrange" + ArrangeNum
  int32_t PageNum = 0;     // the unit's page
  int32_t CopyNum = 0;     // the unit's copy
  int32_t RowNum = 0;      // the unit's row
  int32_t Tile1 = 0;       // the unit's first tile number
  int32_t Tile2 = 0;       // the unit's second tile number
  int32_t GroupIdx = 0;    // group of the entry's job (grouping only)
  int32_t JobIdx = -1;     // the entry's job: its index in the run (RunJobs)

  // Whether automatic rotation must leave the entry alone (flags other than
  // RotationFixed and KeepExtraHeight).
  bool noRotation() const { return NoRotationTile || NoRotationDeskew || NoRotationLocked; }
};
