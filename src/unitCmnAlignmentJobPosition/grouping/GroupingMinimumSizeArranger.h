// Kinds 17 to 22: the group's entries packed for the least media. They are
// ordered (grouping or duplicate order, then tallest first only among
// entries that tie) and put, one after the other, at the highest, then
// leftmost candidate corner where they keep the gaps to every entry of the
// sheet and to the locked units on it (the corner-point placement with
// locked units), a new sheet when nothing fits; with centring each sheet
// is then moved as the sequential kinds do. On two rolls side by side
// (twinRollWidth1 above 0) the entries fill rows on the rolls instead, not
// centred, and the locked units do not block them.
#pragma once

#include "unitCmnAlignmentJobPosition/grouping/AbGroupingArranger.h"

class GroupingMinimumSizeArranger : public AbGroupingArranger {
 public:
  // Before ordering: landscape rotation (17, 18), every entry back upright
  // (19, 20), or as built (21, 22).
  enum class RotationStep { Landscape, Upright, AsBuilt };

  GroupingMinimumSizeArranger(RotationStep rotation, GroupOrder order)
      : rotation_(rotation), order_(order) {}

  const char* selectionName() const override { return "MIN_SIZE"; }

  static void updateEntriesPosition(std::vector<ArrangeEntry>& entries,
                                    const std::vector<ArrangeEntry>& locked,
                                    const specialityType::DimDouble& area, double gapScan,
                                    double gapFeed, bool center, const GroupingInfo* info);
  // Roll 1 is area1 from the left edge, roll 2 is area2 from
  // secondRollOffset across.
  static void updateEntriesPositionTwinRoll(std::vector<ArrangeEntry>& entries,
                                            const specialityType::DimDouble& area1,
                                            const specialityType::DimDouble& area2, double gapScan,
                                            double gapFeed, double secondRollOffset);

 protected:
  void placeGroup(std::vector<ArrangeEntry>& entries, const std::vector<ArrangeEntry>& locked,
                  const specialityType::DimDouble& area, const GroupingArrangerData& data,
                  const GroupingInfo& info) override;

 private:
  std::vector<ArrangeEntry> rotated(const std::vector<ArrangeEntry>& entries,
                                    const specialityType::DimDouble& area) const;

  RotationStep rotation_;
  GroupOrder order_;
};
