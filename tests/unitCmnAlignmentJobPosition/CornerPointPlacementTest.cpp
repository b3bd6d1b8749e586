#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "ArrangeEntries.h"

// Expected positions are worked out by hand from the placement rules; the
// workings are next to each layout. eps = 0.001 is the tolerance. "conflict
// p" means all four conflict inequalities hold against p:
//   p.X + p.W + gs - eps > x,  x + w + gs > p.X + eps,
//   y + h + gf > p.Y + eps,    p.Y + p.H + gf - eps > y.
// The first entry always takes (0,0), which stays in the candidate list
// until the second entry removes it as lying inside the first.

namespace {

using Settings = CornerPointPlacement::Settings;

constexpr double kNear = 1e-9;  // room for rounding in sums like 49.9995 + 10
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Settings settings(double width, double length, double gapScan, double gapFeed) {
  Settings s;
  s.area.width = width;
  s.area.height = length;
  s.gapScan = gapScan;
  s.gapFeed = gapFeed;
  return s;
}

std::vector<ArrangeEntry> placed(std::vector<ArrangeEntry> entries, const Settings& s) {
  CornerPointPlacement::place(entries, s);
  return entries;
}

// Places the entries and checks where each of them went.
void expectLayout(const std::vector<ArrangeEntry>& entries, const Settings& s,
                  const std::vector<Spot>& spots) {
  EXPECT_EQ(entries.size(), spots.size());
  expectPlaced(placed(entries, s), spots, kNear);
}

::testing::AssertionResult at(const ArrangeEntry& e, double x, double y, int32_t sheet) {
  if (std::fabs(e.X - x) <= kNear && std::fabs(e.Y - y) <= kNear && e.ArrangeNum == sheet) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "at (" << e.X << ", " << e.Y << ") on sheet "
                                       << e.ArrangeNum << ", expected (" << x << ", " << y
                                       << ") on sheet " << sheet;
}

::testing::AssertionResult shaped(const ArrangeEntry& e, double width, double height,
                                  uint32_t rotation) {
  if (e.MmWidth == width && e.MmHeight == height && e.Rotation == rotation) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << e.MmWidth << " x " << e.MmHeight << " rotation "
                                       << e.Rotation << ", expected " << width << " x "
                                       << height << " rotation " << rotation;
}

}  // namespace

// ---------------------------------------------------------------------------
// Packing on one sheet and the move to the next.

TEST(CornerPointPlacement, EmptyListPlacesNothing) {
  std::vector<ArrangeEntry> entries;
  Settings s = settings(300, -1, 10, 10);
  s.tryTurned = true;
  s.centerInScan = true;
  EXPECT_NO_THROW(CornerPointPlacement::place(entries, s));
  EXPECT_TRUE(entries.empty());
}

// width 250, gaps 10
//   x: 0      100 110     210   250
//      +-- A --+   +-- B --+        y 0
//      +-------+   +-------+        y 50
//      +-- C --+                    y 60
//      +-------+                    y 110
// A at (0,0): list (0,0) (110,0) (0,60) (110,10) (10,60).
// B: (0,0) conflict A; (110,0): 110+100 = 210 <= 250 and A's right edge with
//    gap 100+10-0.001 = 109.999 > 110 fails -> (110,0), exactly a gap apart.
// C: (110,0), (110,10) conflict B; (0,60): A's bottom 50+10-0.001 > 60 fails,
//    0+100+10 > 110.001 fails against B -> y 60; (10,60) same y, further
//    right; B's corners (220,0), (220,10): 320 > 250; (120,60) further
//    right -> (0,60).
TEST(CornerPointPlacement, EntriesGoSideBySideThenBelowWithTheGaps) {
  const Settings s = settings(250, -1, 10, 10);
  expectLayout({entry(100, 50), entry(100, 50)}, s, {{0, 0, 1}, {110, 0, 1}});
  expectLayout({entry(100, 50), entry(100, 50), entry(100, 50)}, s,
               {{0, 0, 1}, {110, 0, 1}, {0, 60, 1}});
}

// width 150, length 100, gaps 10, entries 100x60.
// A at (0,0): corners (110,0) (0,70) (110,10) (10,70).
// Next: (110,*): 210 > 150; (0,70), (10,70): 70+60 = 130 > 100; (0,0)
//   conflict A -> nothing fits -> new sheet at (0,0), the same again.
TEST(CornerPointPlacement, EachEntryOnItsOwnSheetWhenNothingElseFits) {
  expectLayout({entry(100, 60), entry(100, 60), entry(100, 60)}, settings(150, 100, 10, 10),
               {{0, 0, 1}, {0, 0, 2}, {0, 0, 3}});
}

// width 120, length 100, gaps 10
//   x: 0        110 120   200
//      +------- W -----|---+   y 0     W 200x50 sticks out of the area
//      +---------------|---+   y 50
//      +-- B ---+      |       y 60
//      +--------+      |       y 90
// W fits nowhere on the empty sheet 1: it stays at (0,0) there and the list
// keeps (0,0); W's corners (210,0), (210,10): x > 120 dropped; (0,60),
// (10,60) added.
// B 100x30: (0,0) conflict W; (0,60): W bottom 59.999 > 60 fails, 60+30 <=
//   100 -> (0,60) on sheet 1.
// B 100x60 instead: (0,60), (10,60): 120 > 100 -> new sheet at (0,0).
// C 100x40 after B 100x30: (0,0) inside W removed; B's corners (110,0)
//   inside W, (0,100), (10,100) y >= 100, (110,70), pair W/B (110,60).
//   (0,60), (10,60) conflict B; (110,*): 210 > 120 -> sheet 2.
TEST(CornerPointPlacement, TooWideEntryStaysOnItsSheetAndTheNextOpensOneOnlyIfNeeded) {
  const Settings s = settings(120, 100, 10, 10);
  expectLayout({entry(200, 50), entry(100, 30), entry(100, 40)}, s,
               {{0, 0, 1}, {0, 60, 1}, {0, 0, 2}});
  expectLayout({entry(200, 50), entry(100, 60)}, s, {{0, 0, 1}, {0, 0, 2}});
}

// width 100, gaps 10, entries 100x50: one column at y 0, 60, 120 (right
// corners x 110 > 100 are dropped). The third ends at 120+50 = 170: it fits
// a length of exactly 170, not of 169.99; with length -1 there is no end.
TEST(CornerPointPlacement, LengthLimitIncludesTheEndAndMinusOneIsUnlimited) {
  const std::vector<ArrangeEntry> column{entry(100, 50), entry(100, 50), entry(100, 50)};
  for (double length : {-1.0, 170.0}) {
    SCOPED_TRACE(length);
    expectLayout(column, settings(100, length, 10, 10), {{0, 0, 1}, {0, 60, 1}, {0, 120, 1}});
  }
  const auto cut = placed(column, settings(100, 169.99, 10, 10));
  EXPECT_TRUE(at(cut[2], 0, 0, 2));

  // Unlimited length also takes entries far along the media.
  const auto longOnes = placed({entry(100, 1e9), entry(100, 1e9)}, settings(100, -1, 0, 0));
  EXPECT_TRUE(at(longOnes[1], 0, 1e9, 1));
}

TEST(CornerPointPlacement, SetsOnlyPositionAndSheetAndKeepsTheOrder) {
  std::vector<ArrangeEntry> entries{entry(100, 50), entry(100, 50)};
  for (int i = 0; i < 2; ++i) {
    ArrangeEntry& e = entries[i];
    e.CompositeId = "job" + std::to_string(i);
    e.StrCompositeKey = "Bin" + std::to_string(i);
    e.X = 77;
    e.Y = 88;
    e.ExtraWidth = 1.5;
    e.Deskew = 2.5;
    e.OrderNum = 10 + i;
    e.ArrangeNum = 9;
    e.CopyNum = 3;
    e.GroupIdx = 4;
  }
  const auto out = placed(entries, settings(250, -1, 10, 10));
  expectPlaced(out, {{0, 0, 1}, {110, 0, 1}}, kNear);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ("job" + std::to_string(i), out[i].CompositeId);
    EXPECT_EQ("Bin" + std::to_string(i), out[i].StrCompositeKey);
    EXPECT_TRUE(shaped(out[i], 100, 50, 0));
    EXPECT_EQ(1.5, out[i].ExtraWidth);
    EXPECT_EQ(2.5, out[i].Deskew);
    EXPECT_EQ(10 + i, out[i].OrderNum);
    EXPECT_EQ(3, out[i].CopyNum);
    EXPECT_EQ(4, out[i].GroupIdx);
  }
}

// ---------------------------------------------------------------------------
// Centring across the area, per sheet.

TEST(CornerPointPlacement, CentringMovesEachSheetByHalfItsFreeWidth) {
  Settings s = settings(300, -1, 10, 10);
  s.centerInScan = true;
  // One entry 100 wide on 300: moves by (300-100)/2 = 100.
  EXPECT_TRUE(at(placed({entry(100, 50)}, s)[0], 100, 0, 1));

  // Two side by side: right edge 210 -> both move by (300-210)/2 = 45,
  // the Y values stay.
  expectLayout({entry(100, 50), entry(100, 40)}, s, {{45, 0, 1}, {155, 0, 1}});

  // An entry wider than the area is not moved (the width is not larger).
  Settings narrow = settings(120, -1, 10, 10);
  narrow.centerInScan = true;
  EXPECT_TRUE(at(placed({entry(200, 50)}, narrow)[0], 0, 0, 1));
}

// ---------------------------------------------------------------------------
// Trial turns.
//
// width 160, gaps 0
//   x: 0        100   160
//      +-- A ---+- B'-+   y 0      B' = B turned, 60x80
//      |        |     |
//      +--------+     |   y 50
//      | B 80x60|     |            B as it is fits only at (0,50)
//      +--------+-----+   y 80 / 110
// A 100x50: at (0,0); turned 50x100 also at y 0, not strictly higher ->
//   stays. List (0,0) (100,0) (0,50).
// B 80x60: (0,0) conflict A; (100,0): 180 > 160; (0,50): A bottom 49.999 >
//   50 fails -> y 50. Turned 60x80: (100,0): 160 <= 160 and A right 99.999
//   > 100 fails -> y 0 < 50 -> keeps the turn.

namespace {

Settings turning(double width) {
  Settings s = settings(width, -1, 0, 0);
  s.tryTurned = true;
  return s;
}

}  // namespace

TEST(CornerPointTrialTurn, TurnedOrientationKeptOnlyWhenStrictlyHigher) {
  const auto out = placed({entry(100, 50), entry(80, 60)}, turning(160));
  EXPECT_TRUE(at(out[0], 0, 0, 1));
  EXPECT_TRUE(shaped(out[0], 100, 50, 0));
  EXPECT_TRUE(at(out[1], 100, 0, 1));
  EXPECT_TRUE(shaped(out[1], 60, 80, 90));

  // Without trial turns B goes below A.
  Settings plain = turning(160);
  plain.tryTurned = false;
  const auto asIs = placed({entry(100, 50), entry(80, 60)}, plain);
  EXPECT_TRUE(at(asIs[1], 0, 50, 1));
  EXPECT_TRUE(shaped(asIs[1], 80, 60, 0));
}

// After B' at (100,0): (0,0) inside A removed; B' corners (160,0), (0,80),
// (100,80). C 60x40: (0,50): A bottom 49.999 > 50 fails, 0+60 > 100.001
// fails against B' -> y 50. Turned 40x60: (0,50) again y 50, equal -> C
// keeps its orientation.
TEST(CornerPointTrialTurn, EqualHeightKeepsTheOrientation) {
  const auto out = placed({entry(100, 50), entry(80, 60), entry(60, 40)}, turning(160));
  EXPECT_TRUE(at(out[1], 100, 0, 1));
  EXPECT_TRUE(at(out[2], 0, 50, 1));
  EXPECT_TRUE(shaped(out[2], 60, 40, 0));
}

TEST(CornerPointTrialTurn, NoRotationFlagsPreventTheTurn) {
  using Flag = bool ArrangeEntry::*;
  for (Flag flag : {&ArrangeEntry::NoRotationTile, &ArrangeEntry::NoRotationDeskew,
                    &ArrangeEntry::NoRotationLocked}) {
    ArrangeEntry b = entry(80, 60);
    b.*flag = true;
    const auto out = placed({entry(100, 50), b}, turning(160));
    EXPECT_TRUE(at(out[1], 0, 50, 1));
    EXPECT_TRUE(shaped(out[1], 80, 60, 0));
  }
}

// RotationFixed guards only the automatic rotation before placement; the
// trial turn looks at the three no-rotation flags alone.
TEST(CornerPointTrialTurn, RotationFixedAloneDoesNotPreventTheTurn) {
  ArrangeEntry b = entry(80, 60);
  b.RotationFixed = true;
  const auto out = placed({entry(100, 50), b}, turning(160));
  EXPECT_TRUE(at(out[1], 100, 0, 1));
  EXPECT_TRUE(shaped(out[1], 60, 80, 90));
}

// The turn follows the rotation primitives: from rotation 90 it turns to 0;
// with KeepExtraHeight the allowance stays along the media:
// 80x60 with ExtraHeight 10 turns to (60-10) x (80+10) = 50x90, which fits
// at (100,0) (150 <= 160).
TEST(CornerPointTrialTurn, TurnUsesTheRotationPrimitives) {
  ArrangeEntry upright = entry(80, 60);
  upright.Rotation = 90;
  const auto fromNinety = placed({entry(100, 50), upright}, turning(160));
  EXPECT_TRUE(at(fromNinety[1], 100, 0, 1));
  EXPECT_TRUE(shaped(fromNinety[1], 60, 80, 0));

  ArrangeEntry allowance = entry(80, 60);
  allowance.ExtraHeight = 10;
  allowance.KeepExtraHeight = true;
  const auto kept = placed({entry(100, 50), allowance}, turning(160));
  EXPECT_TRUE(at(kept[1], 100, 0, 1));
  EXPECT_TRUE(shaped(kept[1], 50, 90, 90));
}

// width 130, gaps 0; A 100x50 at (0,0), list (0,0) (100,0) (0,50).
// B 140x30: 140 > 130 nowhere; turned 30x140 at (100,0): 130 <= 130 -> the
//   turn wins without a first position to compare with.
// B 140x200: turned 200x140 is too wide as well -> turned back, no position
//   -> (0,0) on sheet 2 in its own orientation.
TEST(CornerPointTrialTurn, TurnWinsWhenOnlyItFitsAndIsUndoneWhenNeitherFits) {
  const auto onlyTurned = placed({entry(100, 50), entry(140, 30)}, turning(130));
  EXPECT_TRUE(at(onlyTurned[1], 100, 0, 1));
  EXPECT_TRUE(shaped(onlyTurned[1], 30, 140, 90));

  const auto neither = placed({entry(100, 50), entry(140, 200)}, turning(130));
  EXPECT_TRUE(at(neither[1], 0, 0, 2));
  EXPECT_TRUE(shaped(neither[1], 140, 200, 0));
}

// ---------------------------------------------------------------------------
// Sizes that are not finite numbers.
//
// width 250, gaps 10.
// A 100x50 -> (0,0) sheet 1.
// N NaN x 50: no comparison with NaN holds, so no candidate is usable ->
//   (0,0) on sheet 2. Its corners (NaN,0) (0,60) (NaN,10) (10,60) are all
//   kept (NaN is neither < 0 nor > 250).
// B 100x50: (NaN,*) fail x >= 0; (0,60): against N, NaN > 0 fails -> no
//   conflict -> (0,60) on sheet 2.
// I inf x 50: x + inf <= 250 fails everywhere -> (0,0) on sheet 3; its
//   corners (inf,0), (inf,10) are dropped, (0,60), (10,60) kept.
// C 100x50: (0,60): I bottom 50+10-0.001 > 60 fails -> (0,60) on sheet 3.
// H 100 x NaN -> (0,0) on sheet 4.
// Centring: sheets 1 and 4 (right edge 100; H's height does not matter)
// move by (250-100)/2 = 75; sheets 2 and 3 hold a right edge that is not
// finite (NaN, inf) and stay.
TEST(CornerPointPlacement, NonFiniteSizesTakeTheFallbackPositionAndThePlacementGoesOn) {
  Settings s = settings(250, -1, 10, 10);
  s.centerInScan = true;
  expectLayout({entry(100, 50), entry(kNaN, 50), entry(100, 50), entry(kInf, 50), entry(100, 50),
                entry(100, kNaN)},
               s, {{75, 0, 1}, {0, 0, 2}, {0, 60, 2}, {0, 0, 3}, {0, 60, 3}, {75, 0, 4}});
}

// An area width that is NaN lets nothing fit: every entry opens a sheet.
TEST(CornerPointPlacement, NaNAreaWidthPutsEveryEntryOnItsOwnSheet) {
  Settings s = settings(kNaN, -1, 10, 10);
  s.tryTurned = true;
  s.centerInScan = true;
  expectLayout({entry(100, 50), entry(100, 50)}, s, {{0, 0, 1}, {0, 0, 2}});
}

// ---------------------------------------------------------------------------
// Hand-worked layouts from tests/data/placement/cornerpoint.txt (the workings
// are in the file).

namespace {

struct GoldenEntry {
  ArrangeEntry input;
  double x = 0, y = 0;
  int32_t sheet = 0;
  bool checkShape = false;
  double width = 0, height = 0;
  uint32_t rotation = 0;
};

struct GoldenCase {
  std::string name;
  Settings settings;
  std::vector<GoldenEntry> entries;
  std::string error;  // set when the case could not be read
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

bool readEntryFlag(const std::string& word, ArrangeEntry& e) {
  if (word.rfind("rot=", 0) == 0) e.Rotation = static_cast<uint32_t>(std::stoul(word.substr(4)));
  else if (word.rfind("extraHeight=", 0) == 0) e.ExtraHeight = std::stod(word.substr(12));
  else if (word == "keepExtraHeight") e.KeepExtraHeight = true;
  else if (word == "rotationFixed") e.RotationFixed = true;
  else if (word == "noRotationTile") e.NoRotationTile = true;
  else if (word == "noRotationDeskew") e.NoRotationDeskew = true;
  else if (word == "noRotationLocked") e.NoRotationLocked = true;
  else return false;
  return true;
}

// "<w> <h> [flags] => <x> <y> <sheet> [<w> <h> <rotation>]"
bool readEntry(std::istringstream& line, GoldenEntry& g) {
  if (!(line >> g.input.MmWidth >> g.input.MmHeight)) return false;
  std::string word;
  while (line >> word && word != "=>") {
    if (!readEntryFlag(word, g.input)) return false;
  }
  if (word != "=>" || !(line >> g.x >> g.y >> g.sheet)) return false;
  if (line >> g.width) {
    g.checkShape = static_cast<bool>(line >> g.height >> g.rotation);
    return g.checkShape;
  }
  return true;
}

bool readLine(const std::string& keyword, std::istringstream& line, GoldenCase& c) {
  Settings& s = c.settings;
  if (keyword == "area") return static_cast<bool>(line >> s.area.width >> s.area.height);
  if (keyword == "gaps") return static_cast<bool>(line >> s.gapScan >> s.gapFeed);
  if (keyword == "options") {
    std::string word;
    while (line >> word) {
      if (word == "tryTurned") s.tryTurned = true;
      else if (word == "centerInScan") s.centerInScan = true;
      else return false;
    }
    return true;
  }
  if (keyword == "entry") {
    GoldenEntry g;
    if (!readEntry(line, g)) return false;
    c.entries.push_back(g);
    return true;
  }
  return false;
}

std::vector<GoldenCase> loadGoldenCases() {
  const std::string path = std::string(UNITCMN_TEST_DATA) + "/placement/cornerpoint.txt";
  std::ifstream file(path);
  if (!file) return {GoldenCase{"unreadable_file", {}, {}, "cannot open " + path}};
  std::vector<GoldenCase> cases;
  GoldenCase current;
  bool open = false;
  std::string text;
  for (int number = 1; std::getline(file, text); ++number) {
    std::istringstream line(text);
    std::string keyword;
    if (!(line >> keyword) || keyword[0] == '#') continue;
    if (keyword == "case") {
      current = GoldenCase{};
      open = static_cast<bool>(line >> current.name);
      if (!open) cases.push_back(GoldenCase{"line_" + std::to_string(number), {}, {}, "no name"});
    } else if (keyword == "end" && open) {
      if (current.entries.empty()) current.error = "no entries";
      cases.push_back(current);
      open = false;
    } else if (!open || !readLine(keyword, line, current)) {
      const std::string name = open ? current.name : "line_" + std::to_string(number);
      cases.push_back(GoldenCase{name + "_line_" + std::to_string(number), {}, {},
                                 "cannot read line " + std::to_string(number) + ": " + text});
      open = false;
    }
  }
  if (open) cases.push_back(GoldenCase{current.name, {}, {}, "no end"});
  if (cases.empty()) cases.push_back(GoldenCase{"no_cases", {}, {}, "no case in " + path});
  return cases;
}

class CornerPointGolden : public ::testing::TestWithParam<GoldenCase> {};

}  // namespace

TEST_P(CornerPointGolden, PlacesAsWorkedOut) {
  const GoldenCase& c = GetParam();
  ASSERT_TRUE(c.error.empty()) << c.error;
  std::vector<ArrangeEntry> entries;
  for (const GoldenEntry& g : c.entries) entries.push_back(g.input);
  CornerPointPlacement::place(entries, c.settings);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const GoldenEntry& g = c.entries[i];
    EXPECT_TRUE(at(entries[i], g.x, g.y, g.sheet)) << "entry " << i + 1;
    if (g.checkShape) {
      EXPECT_TRUE(shaped(entries[i], g.width, g.height, g.rotation)) << "entry " << i + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CornerPointLayouts, CornerPointGolden,
                         ::testing::ValuesIn(loadGoldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           return info.param.name;
                         });
