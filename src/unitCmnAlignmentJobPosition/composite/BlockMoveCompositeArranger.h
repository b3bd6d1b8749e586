// Kind 12: the layout of the minimum-size placement (kind 1: automatic
// rotation, tallest first, each entry also tried turned), moved as one
// block across the media by the execution's positionOffset. Every sheet
// moves by the same distance, so the operator's position holds from sheet
// to sheet; the distance is clipped so that the widest sheet still ends
// within the printable width (never below 0: a negative offset leaves the
// block at the left edge). The layout is not centred: the offset is the
// position. An offset that is not a finite number is refused.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/composite/MinimumSizeCompositeArranger.h"

class BlockMoveCompositeArranger : public MinimumSizeCompositeArranger {
 public:
  // The distance the block moves: the offset clipped to [0, width - block
  // width]; 0 when the block is wider than the area.
  static double clippedShift(double offset, double blockWidth, double areaWidth);

 protected:
  void placeEntries(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    const CompositeArrangerData& data) override;
};
