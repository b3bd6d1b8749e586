// The candidate list against a plain vector of the same points: after
// seeded runs of appends, removals and compactions (the list grows past the
// length where it indexes its points and shrinks back below it), the
// points up to an x (the reach) must come in list order, the points near a box must
// include every living point inside it, and the set of points must answer
// "listed?" as the vector does.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CandidateList.h"

namespace {

struct Listed {
  CornerPoint at;
  bool alive;
};

bool inBox(const CornerPoint& c, const CandidateList::Box& b) {
  return c.x >= b.x0 && c.x <= b.x1 && c.y >= b.y0 && c.y <= b.y1;
}

TEST(CandidateList, PassesReachEveryLivingPointTheyAskFor) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    std::mt19937 random(seed);
    const double width = 400;
    // Points move down the sheet as a placement's do; a few lie right of
    // the width or far beyond the grid.
    auto x = [&] { return random() % 50 == 0 ? 1e13 : static_cast<double>(random() % 900) * 0.5; };
    int step = 0;
    auto y = [&] { return step * 2.0 + static_cast<double>(random() % 400) * 0.25; };
    CandidateList list;
    list.configure(25, width);
    std::vector<Listed> plain;  // by slot, as the list numbers them
    auto living = [&] {
      std::vector<uint32_t> slots;
      for (std::size_t s = 0; s < plain.size(); ++s)
        if (plain[s].alive) slots.push_back(static_cast<uint32_t>(s));
      return slots;
    };
    for (; step < 900; ++step) {
      // Grow for a while, then mostly shrink, so that both forms are met.
      const bool growing = step % 300 < 200;
      for (unsigned k = 0; k < (growing ? 3u : 1u); ++k) {
        const CornerPoint c{x(), y()};
        list.append(c);
        plain.push_back({c, true});
      }
      std::vector<uint32_t> alive = living();
      for (unsigned k = 0; k < (growing ? 1u : 4u) && !alive.empty(); ++k) {
        const uint32_t gone = alive[random() % alive.size()];
        list.remove(gone);
        plain[gone].alive = false;
        alive = living();
      }
      const double maxX = static_cast<double>(random() % 1000) * 0.5;
      std::vector<uint32_t> got, expected;
      list.setReach(maxX);
      list.forEachReached([&](std::size_t s) { got.push_back(static_cast<uint32_t>(s)); });
      for (uint32_t s : alive)
        if (plain[s].at.x <= maxX) expected.push_back(s);
      ASSERT_EQ(got, expected) << "seed " << seed << " step " << step << " indexed " << list.indexed();

      const CandidateList::Box box{x() - 40, y() - 60, x(), y()};
      std::set<std::size_t> near;
      list.forEachNear(box, [&](std::size_t s) { near.insert(s); });
      for (uint32_t s : alive) {
        if (inBox(plain[s].at, box)) {
          ASSERT_TRUE(near.count(s)) << "seed " << seed << " step " << step;
        }
      }
      for (std::size_t s : near) ASSERT_TRUE(plain[s].alive) << "seed " << seed << " step " << step;

      const CornerPoint probe = plain[random() % plain.size()].at;
      bool listed = false;
      for (uint32_t s : alive) listed = listed || CornerPointRules::samePoint(plain[s].at, probe);
      ASSERT_EQ(list.contains(probe), listed) << "seed " << seed << " step " << step;

      const std::size_t before = list.slots();
      list.compactIfSparse();
      if (list.slots() != before) {  // slots renumbered: the living points keep their order
        std::vector<Listed> kept;
        for (uint32_t s : alive) kept.push_back(plain[s]);
        plain = kept;
        ASSERT_EQ(list.slots(), plain.size());
        for (std::size_t s = 0; s < plain.size(); ++s)
          ASSERT_TRUE(CornerPointRules::samePoint(list.at(s), plain[s].at)) << "seed " << seed;
      }
    }
  }
}

}  // namespace
