#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"

#include <gtest/gtest.h>

#include <vector>

#include "ArrangeEntries.h"

namespace {

ArrangeEntry turned(double width, double height, uint32_t rotation) {
  ArrangeEntry e = entry(width, height);
  e.Rotation = rotation;
  return e;
}

void expectSize(const ArrangeEntry& e, double width, double height, uint32_t rotation) {
  expectShapes({e}, {{width, height, rotation}});
}

const specialityType::DimDouble kArea{400, -1};

}  // namespace

TEST(EntryRotation, QuarterTurnsFoldRotationOntoZeroAnd90) {
  // 0 -> 90, 90 -> 0, 180 -> 90, 270 -> 0, the same for both directions.
  const uint32_t from[] = {0, 90, 180, 270};
  const uint32_t to[] = {90, 0, 90, 0};
  for (int i = 0; i < 4; ++i) {
    ArrangeEntry a = turned(100, 300, from[i]);
    EntryRotation::rotate90(a);
    expectSize(a, 300, 100, to[i]);
    ArrangeEntry b = turned(100, 300, from[i]);
    EntryRotation::rotate270(b);
    expectSize(b, 300, 100, to[i]);
  }
}

TEST(EntryRotation, TwoQuarterTurnsRestoreTheEntry) {
  ArrangeEntry e = entry(100, 300);
  e.ExtraWidth = 6;
  e.ExtraHeight = 8;
  e.Deskew = 2.5;
  EntryRotation::rotate90(e);
  EntryRotation::rotate90(e);
  expectSize(e, 100, 300, 0);
  EXPECT_EQ(6, e.ExtraWidth);
  EXPECT_EQ(8, e.ExtraHeight);
  EXPECT_EQ(2.5, e.Deskew);
}

TEST(EntryRotation, KeepExtraHeightMovesTheAllowanceAlongTheMedia) {
  // 100 x 200 with 20 of allowance along the media: turned, the image part
  // (200 - 20) goes across and the allowance stays along: 180 x (100 + 20).
  ArrangeEntry e = entry(100, 200);
  e.ExtraHeight = 20;
  e.KeepExtraHeight = true;
  EntryRotation::rotate90(e);
  expectSize(e, 180, 120, 90);
  // Turned back: (120 - 20) x (180 + 20).
  EntryRotation::rotate270(e);
  expectSize(e, 100, 200, 0);
  EXPECT_EQ(20, e.ExtraHeight);
}

TEST(EntryRotation, LandscapeRuleOnAnArea400Wide) {
  std::vector<ArrangeEntry> list{
      entry(100, 300),  // upright, 300 fits across: laid on its side
      entry(500, 100),  // wide, 500 does not fit across: turned upright
      entry(300, 100),  // wide and fits: stays
      entry(100, 400),  // upright, exactly as long as the area is wide: turned
      entry(100, 500),  // upright but 500 does not fit across: stays
      entry(400, 100),  // wide, exactly the area width: stays
      entry(200, 200),  // square is not upright and fits: stays
  };
  const auto out = EntryRotation::rotateLandscape(list, kArea);
  ASSERT_EQ(list.size(), out.size());
  expectShapes(out, {{300, 100, 90}, {100, 500, 90}, {300, 100, 0}, {400, 100, 90}, {100, 500, 0},
                     {400, 100, 0}, {200, 200, 0}});
  // The list handed in is a copy; the caller's entries keep their size.
  expectSize(list[0], 100, 300, 0);
}

TEST(EntryRotation, LandscapeRuleComparesTheImageWithoutAllowances) {
  // 100 x 120 with 30 allowance along: the image is 100 x 90, not upright,
  // and 100 fits across, so it stays.
  ArrangeEntry tallOnlyByAllowance = entry(100, 120);
  tallOnlyByAllowance.ExtraHeight = 30;
  // 120 x 100 with 40 allowance across: the image is 80 x 100, upright, and
  // 100 fits across, so it is laid on its side.
  ArrangeEntry wideOnlyByAllowance = entry(120, 100);
  wideOnlyByAllowance.ExtraWidth = 40;
  const auto out =
      EntryRotation::rotateLandscape({tallOnlyByAllowance, wideOnlyByAllowance}, kArea);
  expectShapes(out, {{100, 120, 0}, {100, 120, 90}});
}

TEST(EntryRotation, LandscapeRuleLeavesFlaggedEntriesAlone) {
  std::vector<ArrangeEntry> list;
  for (int flag = 0; flag < 4; ++flag) {
    for (ArrangeEntry e : {entry(100, 300), entry(500, 100)}) {
      e.RotationFixed = flag == 0;
      e.NoRotationTile = flag == 1;
      e.NoRotationDeskew = flag == 2;
      e.NoRotationLocked = flag == 3;
      list.push_back(e);
    }
  }
  const auto out = EntryRotation::rotateLandscape(list, kArea);
  for (size_t i = 0; i < out.size(); ++i) {
    EXPECT_EQ(list[i].MmWidth, out[i].MmWidth) << i;
    EXPECT_EQ(0u, out[i].Rotation) << i;
  }

  // KeepExtraHeight is a rotation mode, not a lock: the entry is turned.
  ArrangeEntry keep = entry(100, 300);
  keep.KeepExtraHeight = true;
  expectSize(EntryRotation::rotateLandscape({keep}, kArea)[0], 300, 100, 90);
}

TEST(EntryRotation, ResetBringsEveryEntryBackToZero) {
  ArrangeEntry kept = turned(180, 120, 90);  // turned with its allowance kept along
  kept.ExtraHeight = 20;
  kept.KeepExtraHeight = true;
  // 0 stays; 90 undone (size swapped back); 180 -> 0 without a size change;
  // 270 undone; the kept allowance: (120 - 20) x (180 + 20).
  const auto out =
      EntryRotation::resetRotation({turned(100, 300, 0), turned(300, 100, 90),
                                    turned(300, 100, 180), turned(300, 100, 270), kept});
  expectShapes(out, {{100, 300, 0}, {100, 300, 0}, {300, 100, 0}, {100, 300, 0}, {100, 200, 0}});
}
