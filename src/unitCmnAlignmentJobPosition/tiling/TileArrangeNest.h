// Kind 6: the tiles in rows across the media, rows one below the other,
// and a new sheet whenever a new row would pass the printable length. Each
// sheet's rows are one block, placed by the placement policies of
// "Arrange1"; a first walk over the tiles finds every sheet's block, the
// second places the tiles.
//
// Paired placement (arguments 1 and 4 set, argument 6 at least 2) keeps
// every tile on sheet 1: with a second-column offset (argument 5) above 0
// the tiles alternate between two columns, that far apart; otherwise they
// fill rows no wider than argument 7 and rows never start a new sheet.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/tiling/AbTilingArranger.h"
#include "unitCmnAlignmentJobPosition/tiling/NestRows.h"

class TileArrangeNest : public AbTilingArranger {
 protected:
  void layOutTiles() override;

 private:
  struct Origin {
    double x = 0.0;
    double y = 0.0;
  };

  bool pairedPlacement() const;
  NestRows::Limits rowLimits(double width, bool closesSheets) const;
  // The start of each sheet's block, sheet 1 first.
  std::vector<Origin> blockOrigins(bool paired) const;
  Origin originOf(const NestRows::Block& block) const;
  void placeInRows(const NestRows::Limits& limits, const std::vector<Origin>& origins);
  void placeInTwoColumns(const Origin& origin);
};
