// The start of a block of tiles for each placement policy, across and
// along the media, and the coordinator's tiling slot. The layouts
// themselves are tested end to end (tests/data/e2e/tile_*.case).
#include <gtest/gtest.h>

#include "ArrangeTestJobs.h"
#include "unitCmnAlignmentJobPosition/AlignmentJobPosition.h"
#include "unitCmnAlignmentJobPosition/tiling/AbTilingArranger.h"

namespace {

struct OffsetCase {
  char direction;  // 's' across the media, 'f' along it
  int policy;
  double origin;
  double media;  // printable width, resp. length
  double block;
  double expected;
};

// Hand-worked: policy 1 centres on the origin, 2 ends the block there,
// others start it there; a block larger than the media, and an origin of
// -1, which counts as 0 (and turns policy 1 into a start) only across.
const OffsetCase kOffsets[] = {
    {'s', 1, 30, 500, 600, -80},    // -((600 - 500) / 2 + 30)
    {'s', 1, 480, 500, 120, -100},  // half (60) passes the 20 left: -60 - 40
    {'s', 1, 30, 500, 120, -30},    // half passes the origin
    {'s', 1, 250, 500, 120, -60},   // -half
    {'s', 1, -1, 500, 120, 0},      // as policy 0 from 0
    {'s', 2, 10, 500, 600, -110},   // -(600 - 500 + 10)
    {'s', 2, 50, 500, 120, -50},
    {'s', 2, 450, 500, 120, -120},
    {'s', 2, -1, 500, 600, -100},   // origin 0
    {'s', 0, 30, 500, 600, -30},
    {'s', 0, 400, 500, 120, -20},   // 500 - 400 - 120
    {'s', 0, 30, 500, 120, 0},
    {'s', 7, 400, 500, 120, -20},   // an unknown policy starts at the origin
    {'f', 1, -1, 1000, 310, 1},     // half passes the origin -1: -o
    {'f', 1, -1, 1000, 1200, -99},  // -((1200 - 1000) / 2 - 1)
    {'f', 1, 500, 1000, 310, -155},
    {'f', 2, -1, 1000, 1200, -199},
    {'f', 2, -1, 1000, 310, 1},
    {'f', 0, -1, 1000, 1200, 1},
    {'f', 0, -1, 1000, 310, 0},
    {'f', 0, 800, 1000, 310, -110},
    {'f', 1, 0, -1, 310, -155.5},   // an unlimited roll (-1) is a length like any
};

}  // namespace

TEST(TileBlockOffsets, FollowThePolicyAndTheOrigin) {
  for (const OffsetCase& c : kOffsets) {
    ArrangeSection section;
    if (c.direction == 's') {
      section.placePolicyScan = c.policy;
      section.orgPosition = {c.origin, 0};
      EXPECT_EQ(AbTilingArranger::getScanOffset(section, {c.media, 0}, c.block), c.expected)
          << "scan policy " << c.policy << " origin " << c.origin << " block " << c.block;
    } else {
      section.placePolicyFeed = c.policy;
      section.orgPosition = {0, c.origin};
      EXPECT_EQ(AbTilingArranger::getFeedOffset(section, {0, c.media}, c.block), c.expected)
          << "feed policy " << c.policy << " origin " << c.origin << " block " << c.block;
    }
  }
}

TEST(TilingCoordinator, TilingKindsUseTheirOwnSlot) {
  TestJobs jobs{jobText("T", 200, 100,
                        "tiling=true\ntileScanDivision=2\ntileFeedDivision=1\n"
                        "tileScanPositions=100,100\ntileFeedPositions=100\n"
                        "tilePrintTile={1,1},{2,1}\n")};
  AlignmentJobPosition coordinator;
  coordinator.AlignmentJobPositionExec(jobs.data(1, 1000, -1));
  const AbCompositeArranger* composite = coordinator.compositeArranger();
  TilingArrangerData data;
  data.job = jobs.jobs()[0];
  data.arrangeKind = 7;
  data.printableWidth = 1000;
  data.printableLength = -1;
  EXPECT_TRUE(coordinator.AlignmentTilingPositionExec(data));
  EXPECT_EQ(coordinator.compositeArranger(), composite);
  const AbTilingArranger* tiling = coordinator.tilingArranger();
  ASSERT_NE(tiling, nullptr);
  // Another family's kind does not run the tile arranger left in the slot.
  data.arrangeKind = 1;
  EXPECT_FALSE(coordinator.AlignmentTilingPositionExec(data));
  EXPECT_EQ(coordinator.tilingArranger(), tiling);
  data.arrangeKind = 8;
  data.job = nullptr;
  EXPECT_FALSE(coordinator.AlignmentTilingPositionExec(data));
}
