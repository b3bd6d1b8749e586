// The library's corner-point placement against the plain reference on
// seeded random inputs: every entry must come out with the same position,
// sheet, size and rotation, to the bit. The inputs mix what makes the rules
// delicate: equal sizes, sizes and gaps that touch within the 0.001 mm
// tolerance, very thin and very long units, units wider than the media,
// sizes that are no finite positive number, finite sheets, trial turns,
// no-rotation flags, allowances kept along the media, and locked units of
// the grouping placement.
//
// UNITCMN_PLACEMENT_SEEDS=<n> runs n seeds instead of the default (see
// scripts/run-placement-differential.sh); UNITCMN_PLACEMENT_FIRST_SEED=<k>
// starts at seed k, to run again the one a failure names.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "PlainCornerPointPlacement.h"

namespace {

using Settings = CornerPointPlacement::Settings;

// One seed's input: the settings, the entries, and the locked units the
// settings point to.
struct Input {
  Settings settings;
  std::vector<ArrangeEntry> entries;
  std::vector<ArrangeEntry> locked;
};

class Generator {
 public:
  // Every 25th seed makes a long list, where the candidate list grows
  // past what short ones reach and keeps its points in rows (and by x
  // when the placement tries turns).
  explicit Generator(unsigned seed) : random_(seed), big_(seed % 25 == 0) {}

  Input make() {
    Input in;
    in.settings.area = {pick({1600.0, 1370.0, 300.0, 50.0, uniform(60, 2000)}),
                        chance(0.5) ? -1.0 : pick({3000.0, 500.0, uniform(100, 4000)})};
    const int profile = static_cast<int>(uniform(0, 7));
    in.settings.gapScan = profile == 6 ? pick({0.0, 0.0005, 0.0009}) : gap();
    in.settings.gapFeed = profile == 6 ? pick({0.0, 0.0005, 0.0009}) : gap();
    in.settings.tryTurned = chance(0.5);
    in.settings.centerInScan = chance(0.3);
    const int count = static_cast<int>(big_ ? uniform(400, 800) : uniform(1, 260));
    for (int i = 0; i < count; ++i) in.entries.push_back(entry(profile));
    if (chance(0.25)) lockSome(in);
    return in;
  }

 private:
  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random_); }
  bool chance(double p) { return uniform(0, 1) < p; }
  template <std::size_t N>
  double pick(const double (&values)[N]) {
    return values[static_cast<std::size_t>(uniform(0, N)) % N];
  }

  // Gaps of 0, a few millimetres, or within the tolerance.
  double gap() { return pick({0.0, 5.0, 0.0005, 0.001, 2.5, uniform(0, 20)}); }

  // A size on a coarse grid, nudged within the tolerance now and then, so
  // that edges meet exactly or almost.
  double gridSize(double step, int steps) {
    double v = step * static_cast<double>(1 + static_cast<int>(uniform(0, steps)));
    if (chance(0.2)) v += pick({0.0005, -0.0005, 0.001, -0.001, 1e-9});
    return v;
  }

  double oddSize() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    return pick({nan, inf, 0.0, -10.0, 5000.0, 1e-6});
  }

  void size(int profile, ArrangeEntry& e) {
    switch (profile) {
      case 0:  // equal labels
        e.MmWidth = 90;
        e.MmHeight = 50;
        break;
      case 1:  // mixed sizes
        e.MmWidth = uniform(20, 400);
        e.MmHeight = uniform(20, 400);
        break;
      case 2:  // a few sizes on a grid, touching within the tolerance
        e.MmWidth = gridSize(25, 6);
        e.MmHeight = gridSize(25, 6);
        break;
      case 3:  // very thin and very long units among ordinary ones
        e.MmWidth = pick({0.2, 1.0, 40.0, uniform(10, 200)});
        e.MmHeight = pick({0.3, 3000.0, 60.0, uniform(10, 900)});
        break;
      case 4:  // units wider or longer than the media
        e.MmWidth = pick({100.0, 1700.0, uniform(10, 2500)});
        e.MmHeight = pick({80.0, 5000.0, uniform(10, 800)});
        break;
      case 6:  // small sizes on a fine grid, edges and gaps within the tolerance
        e.MmWidth = gridSize(10, 4) + pick({0.0, 0.0004, -0.0004, 0.0009});
        e.MmHeight = gridSize(10, 4) + pick({0.0, 0.0004, -0.0004, 0.0009});
        break;
      default:  // mixed, with sizes that are no finite positive number
        e.MmWidth = chance(0.1) ? oddSize() : uniform(5, 300);
        e.MmHeight = chance(0.1) ? oddSize() : uniform(5, 300);
    }
  }

  ArrangeEntry entry(int profile) {
    ArrangeEntry e;
    size(profile, e);
    e.Rotation = static_cast<uint32_t>(pick({0.0, 0.0, 90.0, 180.0, 270.0}));
    e.NoRotationLocked = chance(0.1);
    e.NoRotationTile = chance(0.05);
    if (chance(0.1)) {
      e.KeepExtraHeight = true;
      e.ExtraHeight = uniform(0, 20);
    }
    return e;
  }

  // Locked units of the grouping placement on the first sheets, some of
  // them where entries would go.
  void lockSome(Input& in) {
    const int count = static_cast<int>(uniform(1, 12));
    for (int i = 0; i < count; ++i) {
      ArrangeEntry p;
      p.MmWidth = uniform(10, 300);
      p.MmHeight = uniform(10, 300);
      p.X = chance(0.3) ? 0.0 : uniform(0, in.settings.area.width);
      p.Y = chance(0.3) ? 0.0 : uniform(0, 1500);
      p.ArrangeNum = static_cast<int32_t>(uniform(1, 4));
      in.locked.push_back(p);
    }
    in.settings.locked = &in.locked;
  }

  std::mt19937 random_;
  bool big_;
};

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string describe(const ArrangeEntry& e) {
  std::ostringstream out;
  out.precision(17);
  out << "(" << e.X << ", " << e.Y << ") sheet " << e.ArrangeNum << " size " << e.MmWidth << " x "
      << e.MmHeight << " rotation " << e.Rotation;
  return out.str();
}

// The first entry where the two placements differ, or -1.
long firstDifference(const std::vector<ArrangeEntry>& a, const std::vector<ArrangeEntry>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool same = sameBits(a[i].X, b[i].X) && sameBits(a[i].Y, b[i].Y) &&
                      sameBits(a[i].MmWidth, b[i].MmWidth) &&
                      sameBits(a[i].MmHeight, b[i].MmHeight) &&
                      a[i].ArrangeNum == b[i].ArrangeNum && a[i].Rotation == b[i].Rotation;
    if (!same) return static_cast<long>(i);
  }
  return -1;
}

unsigned fromEnvironment(const char* name, unsigned otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : otherwise;
}

TEST(CornerPointDifferential, SameAsThePlainPlacementOnSeededInputs) {
  const unsigned first = fromEnvironment("UNITCMN_PLACEMENT_FIRST_SEED", 1);
  const unsigned seeds = fromEnvironment("UNITCMN_PLACEMENT_SEEDS", 400);
  for (unsigned seed = first; seed < first + seeds; ++seed) {
    Input in = Generator(seed).make();
    std::vector<ArrangeEntry> fast = in.entries, plain = in.entries;
    ASSERT_NO_THROW(CornerPointPlacement::place(fast, in.settings)) << "seed " << seed;
    PlainCornerPointPlacement::place(plain, in.settings);
    const long at = firstDifference(fast, plain);
    ASSERT_EQ(at, -1) << "seed " << seed << ", entry " << at << " of " << fast.size()
                      << ": placed " << describe(fast[at]) << ", the reference says "
                      << describe(plain[at]);
  }
}

}  // namespace
