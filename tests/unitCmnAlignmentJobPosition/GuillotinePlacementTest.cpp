// The guillotine placement of the cutter kinds over the zero-waste
// instances of tests/data/cutters/guillotine.txt, checked as a cutter
// would cut them (support/GuillotineCheck.h).
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

#include "support/GuillotineCheck.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePlacement.h"

namespace {

struct Scenario {
  unsigned seed;
  int pieces;
  double width, length, gapScan, gapFeed;
  bool turns;
  CutterLayout frame;
  bool center;
};

std::vector<Scenario> scenarios() {
  std::istringstream in(readText(dataPath("cutters/guillotine.txt")));
  std::vector<Scenario> out;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream w(line);
    Scenario s{};
    int turns = 0, center = 0;
    w >> s.seed >> s.pieces >> s.width >> s.length >> s.gapScan >> s.gapFeed >> turns >>
        s.frame.left >> s.frame.right >> s.frame.top >> s.frame.bottom >> center;
    EXPECT_TRUE(static_cast<bool>(w)) << line;
    s.turns = turns != 0;
    s.center = center != 0;
    out.push_back(s);
  }
  return out;
}

// A square cut by random straight cuts, as entries; every other one comes
// turned when turns are allowed, so the placement has to turn it back.
std::vector<ArrangeEntry> zeroWaste(const Scenario& s) {
  std::mt19937 random(s.seed);
  std::vector<CutBox> pieces{{0, 0, s.width, s.width}};
  while (static_cast<int>(pieces.size()) < s.pieces) {
    CutBox& p = pieces[random() % pieces.size()];
    const bool along = random() % 2 == 0;
    const double size = along ? p.w : p.h;
    const double at = std::round(size * (0.2 + 0.6 * (random() % 1000) / 1000.0));
    if (at < 1 || size - at < 1) continue;
    CutBox rest = p;
    if (along) {
      p.w = at;
      rest.x += at;
      rest.w -= at;
    } else {
      p.h = at;
      rest.y += at;
      rest.h -= at;
    }
    pieces.push_back(rest);
  }
  std::vector<ArrangeEntry> entries;
  for (const CutBox& p : pieces) {
    ArrangeEntry e;
    const bool turned = s.turns && entries.size() % 2 == 1;
    e.MmWidth = turned ? p.h : p.w;
    e.MmHeight = turned ? p.w : p.h;
    e.StrCompositeKey = "U" + std::to_string(entries.size());
    e.NoRotationDeskew = !s.turns;
    entries.push_back(e);
  }
  return entries;
}

std::vector<ArrangeEntry> placed(const Scenario& s) {
  std::vector<ArrangeEntry> entries = zeroWaste(s);
  GuillotinePlacement::Settings settings;
  settings.area = {s.width + s.frame.left + s.frame.right,
                   s.length < 0 ? -1.0 : s.length + s.frame.top + s.frame.bottom};
  settings.cutter = s.frame;
  settings.gapScan = s.gapScan;
  settings.gapFeed = s.gapFeed;
  settings.turns = s.turns;
  settings.centerInScan = s.center;
  GuillotinePlacement::place(entries, settings);
  return entries;
}

double usedLength(const std::vector<ArrangeEntry>& entries) {
  double length = 0.0;
  for (const ArrangeEntry& e : entries) length = std::max(length, e.Y + e.MmHeight);
  return length;
}

void PrintTo(const Scenario& s, std::ostream* os) { *os << "seed " << s.seed; }

class GuillotineScenario : public ::testing::TestWithParam<Scenario> {};

}  // namespace

TEST_P(GuillotineScenario, EverySheetCutsApartInsideTheFrame) {
  const Scenario s = GetParam();
  const std::vector<ArrangeEntry> before = zeroWaste(s);
  const std::vector<ArrangeEntry> after = placed(s);
  std::map<int32_t, std::vector<CutBox>> sheets;
  for (size_t k = 0; k < after.size(); ++k) {
    const ArrangeEntry& a = after[k];
    const ArrangeEntry& b = before[k];
    ASSERT_GE(a.ArrangeNum, 1) << k;
    const bool same = a.MmWidth == b.MmWidth && a.MmHeight == b.MmHeight;
    const bool swapped = a.MmWidth == b.MmHeight && a.MmHeight == b.MmWidth;
    EXPECT_TRUE(same || (s.turns && swapped)) << k;
    EXPECT_TRUE(a.Rotation == b.Rotation ? same : swapped) << k;
    sheets[a.ArrangeNum].push_back({a.X, a.Y, a.MmWidth, a.MmHeight});
  }
  const double bottom =
      s.length < 0 ? 1e300 : s.length + s.frame.top;
  for (const auto& [sheet, boxes] : sheets)
    EXPECT_EQ(GuillotineCheck::fault(boxes, s.gapScan, s.gapFeed, s.frame.left, s.frame.top,
                                     s.frame.left + s.width, bottom),
              "")
        << "sheet " << sheet;
}

INSTANTIATE_TEST_SUITE_P(Instances, GuillotineScenario, ::testing::ValuesIn(scenarios()),
                         [](const auto& info) { return "seed" + std::to_string(info.param.seed); });

TEST(GuillotinePacking, UsesLittleMoreThanTheSquareOnZeroWasteInstances) {
  double sum = 0.0;
  int count = 0;
  for (const Scenario& s : scenarios()) {
    if (s.length >= 0 || s.gapScan > 0 || s.gapFeed > 0) continue;
    sum += usedLength(placed(s)) / s.width;
    ++count;
  }
  ASSERT_GT(count, 5);
  EXPECT_LE(sum / count, 1.10);
}

TEST(GuillotineCheck, FindsNoCutThroughAPinwheel) {
  // Four boxes round a middle one: every straight cut runs through one.
  const std::vector<CutBox> pinwheel{
      {0, 0, 20, 10}, {20, 0, 10, 20}, {10, 20, 20, 10}, {0, 10, 10, 20}, {10, 10, 10, 10}};
  EXPECT_FALSE(GuillotineCheck::separable(pinwheel));
  EXPECT_TRUE(GuillotineCheck::separable({{0, 0, 10, 10}, {10, 0, 5, 5}, {10, 5, 5, 5}}));
}
