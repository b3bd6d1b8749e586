// Kind 8: the tiles where the job's print area puts them. With a print
// area ("printAreaSet" of "Arrange1" not empty) every tile is a sheet of
// its own, at (0, 0) of that sheet; without one, the tiles follow each
// other along the media on one sheet, each followed by the page break:
// "beforeMargin" and "afterMargin" of "Print", its "afterFeed" when the
// after-feed switch is on, and the page gap.
#pragma once

#include "unitCmnAlignmentJobPosition/tiling/AbTilingArranger.h"

class TileArrangeByPrintArea : public AbTilingArranger {
 protected:
  void layOutTiles() override;

 private:
  void sheetPerTile();
  void oneColumn();
};
