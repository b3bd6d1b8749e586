// The marks of a grouping arrangement in the picture:
//  - the group's margins, as shaded bands inside the media
//    (<rect class="group-margin" data-side>): each side is the primary's
//    "arrangeMargin*" plus its "groupingMargin*". The library adds the
//    right and bottom margins to every offset, so those bands lie at the
//    start across (x 0) and along (y 0); the left band at the far edge
//    across; the top band at the far end of a sheet of finite length (a
//    roll is not shortened by it);
//  - every unit of a locked member hatched (<rect class="locked">);
//  - the group duplicate of every unit, its copy number, as a tag in its
//    corner (<text class="duplicate-tag" data-copy>) and, where the
//    arranged units of the duplicates on a sheet lie in separate blocks
//    (the duplicate order), each block outlined and named
//    (<rect class="group-duplicate" data-copy>).
#pragma once

#include "GroupSettings.h"
#include "PictureOverlay.h"

class GroupOverlay : public PictureOverlay {
 public:
  // group must outlive the overlay.
  explicit GroupOverlay(const GroupSettings& group) : group_(group) {}

  std::string defs(const Frame& frame) const override;
  void underUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const override;
  void overUnits(std::ostream& out, const Sheet& sheet, const Frame& frame) const override;
  std::vector<LegendLine> legend(const Frame& frame) const override;

 private:
  void drawDuplicateBlocks(std::ostream& out, const Sheet& sheet, const Frame& frame) const;

  const GroupSettings& group_;
};
