#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum Flag : unsigned { kFixed = 1, kTile = 2, kDeskew = 4, kLocked = 8, kKeep = 16 };

// An entry before (w, h, allowances, rotation, flags) and its size and
// rotation after.
struct Row {
  double w, h, extraW, extraH;
  uint32_t rot;
  unsigned flags;
  double outW, outH;
  uint32_t outRot;
};

ArrangeEntry entryOf(const Row& r) {
  ArrangeEntry e;
  e.MmWidth = r.w;
  e.MmHeight = r.h;
  e.ExtraWidth = r.extraW;
  e.ExtraHeight = r.extraH;
  e.Rotation = r.rot;
  e.RotationFixed = r.flags & kFixed;
  e.NoRotationTile = r.flags & kTile;
  e.NoRotationDeskew = r.flags & kDeskew;
  e.NoRotationLocked = r.flags & kLocked;
  e.KeepExtraHeight = r.flags & kKeep;
  return e;
}

void expectRow(const ArrangeEntry& e, const Row& r, size_t index) {
  SCOPED_TRACE("row " + std::to_string(index + 1));
  EXPECT_EQ(r.outW, e.MmWidth);
  EXPECT_EQ(r.outH, e.MmHeight);
  EXPECT_EQ(r.outRot, e.Rotation);
  EXPECT_EQ(r.extraW, e.ExtraWidth);
  EXPECT_EQ(r.extraH, e.ExtraHeight);
}

void expectRows(const std::vector<ArrangeEntry>& out, const std::vector<Row>& rows) {
  ASSERT_EQ(rows.size(), out.size());
  for (size_t i = 0; i < rows.size(); ++i) expectRow(out[i], rows[i], i);
}

std::vector<ArrangeEntry> entriesOf(const std::vector<Row>& rows) {
  std::vector<ArrangeEntry> entries;
  for (const Row& r : rows) entries.push_back(entryOf(r));
  return entries;
}

}  // namespace

// A quarter turn either way folds the rotation onto 0 and 90 and swaps the
// size; with KeepExtraHeight the allowance stays along the media: 100 x 200
// with 20 along turns to (200 - 20) x (100 + 20), and back.
TEST(EntryRotation, QuarterTurns) {
  const std::vector<Row> rows{
      {100, 300, 6, 8, 0, 0, 300, 100, 90},     {100, 300, 6, 8, 90, 0, 300, 100, 0},
      {100, 300, 6, 8, 180, 0, 300, 100, 90},   {100, 300, 6, 8, 270, 0, 300, 100, 0},
      {100, 200, 0, 20, 0, kKeep, 180, 120, 90}, {180, 120, 0, 20, 90, kKeep, 100, 200, 0},
  };
  for (auto turn : {EntryRotation::rotate90, EntryRotation::rotate270, EntryRotation::turn,
                    EntryRotation::turnBack}) {
    std::vector<ArrangeEntry> entries = entriesOf(rows);
    for (ArrangeEntry& e : entries) turn(e);
    expectRows(entries, rows);
  }
}

// On an area 400 wide an upright image is laid on its side when its height
// fits across, a wide one that does not fit across is turned upright; the
// image without its allowances decides what is upright. The flags except
// KeepExtraHeight leave an entry alone.
TEST(EntryRotation, RotateLandscape) {
  const std::vector<Row> rows{
      {100, 300, 0, 0, 0, 0, 300, 100, 90},       {500, 100, 0, 0, 0, 0, 100, 500, 90},
      {300, 100, 0, 0, 0, 0, 300, 100, 0},        {100, 400, 0, 0, 0, 0, 400, 100, 90},
      {100, 500, 0, 0, 0, 0, 100, 500, 0},        {400, 100, 0, 0, 0, 0, 400, 100, 0},
      {200, 200, 0, 0, 0, 0, 200, 200, 0},        {100, 120, 0, 30, 0, 0, 100, 120, 0},
      {120, 100, 40, 0, 0, 0, 100, 120, 90},      {100, 300, 0, 0, 0, kKeep, 300, 100, 90},
      {100, 300, 0, 0, 0, kFixed, 100, 300, 0},   {500, 100, 0, 0, 0, kFixed, 500, 100, 0},
      {100, 300, 0, 0, 0, kTile, 100, 300, 0},    {500, 100, 0, 0, 0, kTile, 500, 100, 0},
      {100, 300, 0, 0, 0, kDeskew, 100, 300, 0},  {500, 100, 0, 0, 0, kDeskew, 500, 100, 0},
      {100, 300, 0, 0, 0, kLocked, 100, 300, 0},  {500, 100, 0, 0, 0, kLocked, 500, 100, 0},
  };
  expectRows(EntryRotation::rotateLandscape(entriesOf(rows), {400, -1}), rows);
}

// 90 and 270 are undone (the size swapped back, or the kept allowance moved
// back: (120 - 20) x (180 + 20)); 180 goes to 0 without a size change.
TEST(EntryRotation, ResetRotation) {
  const std::vector<Row> rows{
      {100, 300, 0, 0, 0, 0, 100, 300, 0},   {300, 100, 0, 0, 90, 0, 100, 300, 0},
      {300, 100, 0, 0, 180, 0, 300, 100, 0}, {300, 100, 0, 0, 270, 0, 100, 300, 0},
      {180, 120, 0, 20, 90, kKeep, 100, 200, 0},
  };
  expectRows(EntryRotation::resetRotation(entriesOf(rows)), rows);
}
