#include "unitCmnAlignmentJobPosition/EntryRotation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ArrangeEntry entry(double width, double height, uint32_t rotation = 0) {
  ArrangeEntry e;
  e.CompositeId = "job";
  e.MmWidth = width;
  e.MmHeight = height;
  e.Rotation = rotation;
  return e;
}

void expectSize(const ArrangeEntry& e, double width, double height, uint32_t rotation) {
  EXPECT_DOUBLE_EQ(width, e.MmWidth);
  EXPECT_DOUBLE_EQ(height, e.MmHeight);
  EXPECT_EQ(rotation, e.Rotation);
}

const specialityType::DimDouble kArea{400, -1};

}  // namespace

TEST(EntryRotation, QuarterTurnsFoldRotationOntoZeroAnd90) {
  // 0 -> 90, 90 -> 0, 180 -> 90, 270 -> 0, the same for both directions.
  const uint32_t from[] = {0, 90, 180, 270};
  const uint32_t to[] = {90, 0, 90, 0};
  for (int i = 0; i < 4; ++i) {
    ArrangeEntry a = entry(100, 300, from[i]);
    EntryRotation::rotate90(a);
    expectSize(a, 300, 100, to[i]);
    ArrangeEntry b = entry(100, 300, from[i]);
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
  expectSize(out[0], 300, 100, 90);
  expectSize(out[1], 100, 500, 90);
  expectSize(out[2], 300, 100, 0);
  expectSize(out[3], 400, 100, 90);
  expectSize(out[4], 100, 500, 0);
  expectSize(out[5], 400, 100, 0);
  expectSize(out[6], 200, 200, 0);
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
  expectSize(out[0], 100, 120, 0);
  expectSize(out[1], 100, 120, 90);
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
  ArrangeEntry kept = entry(180, 120, 90);  // turned with its allowance kept along
  kept.ExtraHeight = 20;
  kept.KeepExtraHeight = true;
  const auto out = EntryRotation::resetRotation(
      {entry(100, 300, 0), entry(300, 100, 90), entry(300, 100, 180), entry(300, 100, 270), kept});
  expectSize(out[0], 100, 300, 0);  // 0 stays
  expectSize(out[1], 100, 300, 0);  // 90 undone: size swapped back
  expectSize(out[2], 300, 100, 0);  // 180 -> 0 without a size change
  expectSize(out[3], 100, 300, 0);  // 270 undone
  expectSize(out[4], 100, 200, 0);  // (120 - 20) x (180 + 20)
}
