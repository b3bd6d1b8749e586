// Base of the tile arrangers: they lay out the tiles of one tiled job (the
// first job the host added) and write into it one binary-unit section per
// printed tile and the arrangement sections of the sheets. arrange() runs
// the part every kind shares:
//   1. read the job's "Job", "Print", "Arrange1" and "Composite";
//   2. a job that is not tiled ("tiling" false, or no tile listed) is
//      answered false and left alone;
//   3. check what the layout will trust (the tile list, the gaps, the
//      origin) and measure every tile once;
//   4. the kind's layout (layOutTiles), which places each tile through
//      placeTile and writes its sheets through writeSheet;
//   5. check that every place is a number, then swap the new sections in
//      for the job's old arrangement and binary-unit sections.
// Every refusal raises naming the job before step 5, so a run that fails
// leaves the job exactly as it was. Z-orders count from 0 in placement
// order.
#pragma once

#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/tiling/TileList.h"
#include "unitCmnAlignmentJobPosition/tiling/TileWriteBack.h"
#include "unitCmnAlignmentJobPosition/tiling/TilingArrangerData.h"
#include "unitCmnJobParam/JobParam.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class AbTilingArranger {
 public:
  virtual ~AbTilingArranger();

  // True when the tiles were laid out and written into data.job; false,
  // with the job unchanged, when there is no job or it is not tiled.
  bool arrange(const TilingArrangerData& data);

  // The job's "Job", "Print", "Arrange1" and "Composite" records (a job
  // without "Arrange1" gets a record of zeros and empty texts).
  void readJobSections(const JobParam& job);

  // Keeps aside the binary unit of tile (column, row) at offset (x, y):
  // page 1, row 0, copy 1, the job's "JobID" as composite identifier, the
  // other keys as a new record has them. Answers the section's name.
  std::string addTileUnit(const IntPair& tile, int zOrder, double x, double y);

  // Where a block of tiles starts across, resp. along, the media for the
  // placement policy and origin of the arrangement section: policy 1
  // centres the block on the origin, policy 2 ends it there, any other
  // policy starts it there. Across the media an origin of -1 counts as 0
  // and turns policy 1 into a start at the origin; along the media -1 is
  // taken as it is.
  static double getScanOffset(const ArrangeSection& arrangeSection,
                              const specialityType::DimDouble& printableSize, double blockWidth);
  static double getFeedOffset(const ArrangeSection& arrangeSection,
                              const specialityType::DimDouble& printableSize,
                              double blockHeight);

 protected:
  using Tile = TileList::Tile;

  // The kind's layout of tiles(): every tile once through placeTile.
  virtual void layOutTiles() = 0;

  // The run's record, with the media made usable (LengthLimit::sanitize).
  const TilingArrangerData& data() const { return data_; }
  const std::vector<Tile>& tiles() const { return tiles_; }
  const PrintSection& print() const { return print_; }
  const ArrangeSection& firstArrangement() const { return arrange1_; }
  specialityType::DimDouble printableSize() const;

  // A sheet's record: "Arrange1" as read, listing no tile yet.
  ArrangeSection newSheet() const;
  // Places tile at (x, y) on sheet: its unit with the next z-order, its
  // name appended to the sheet's "compositeKeys".
  void placeTile(const Tile& tile, double x, double y, ArrangeSection& sheet);
  // Keeps sheet as section "Arrange" + number, "arrangeNumber" = number.
  void writeSheet(int number, ArrangeSection sheet);

  // How far a tile (or block) of this size is shifted from its start by
  // the placement policy: half of it for policy 1 (across the media only
  // with an origin other than -1), all of it for policy 2.
  double scanShift(double width) const;
  double feedShift(double height) const;

  // Raises "job <JobID>: <what>".
  [[noreturn]] void refuse(const std::string& what) const;
  // Refuses a gap that is not a finite number of 0 or more.
  void requireGap(const std::string& name, double value) const;
  // Refuses a value that is not a finite number.
  void requireFinite(const std::string& name, double value) const;

 private:
  // Steps 1 to 3; false when the job is not to be tiled.
  bool startRun(const TilingArrangerData& data);
  void checkArguments() const;
  void checkPlaces() const;
  // "tilePrintTile" as the job's text holds it ("" when missing).
  static std::string tileListText(const JobParam& job);

  TilingArrangerData data_;
  JobSection job_;
  PrintSection print_;
  ArrangeSection arrange1_;
  CompositeSection composite_;
  std::vector<Tile> tiles_;
  int zOrder_ = 0;
  TileWriteBack pending_;
};
