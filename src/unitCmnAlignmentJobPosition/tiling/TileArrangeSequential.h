// Kind 7: the tiles one below the other in one column, placed as one block
// by the placement policies of "Arrange1": the block is as wide as the
// widest tile and as long as the tiles with the gap along the media
// between them. Every tile is shifted within the block by its policy, as
// the block is across the media.
#pragma once

#include "unitCmnAlignmentJobPosition/tiling/AbTilingArranger.h"

class TileArrangeSequential : public AbTilingArranger {
 protected:
  void layOutTiles() override;

 private:
  // The block's width and length.
  specialityType::DimDouble blockSize() const;
};
