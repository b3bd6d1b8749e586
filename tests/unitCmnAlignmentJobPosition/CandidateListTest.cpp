// The candidate list against a plain vector of the same points: after
// seeded runs of appends, removals and compactions (the list grows past the
// length where it keeps rows and shrinks back below it), the reach and a
// pass from the top must give the points left of an x and above a y (the
// reach in list order, the pass a row at a time, higher rows first), a
// pass for the points above and left of a corner or in a box must reach
// every such living point, and "listed?" must be answered as the vector
// does. Every other seed also keeps the points by x.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <string>
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
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 random(seed);
    // Points move down the sheet as a placement's do; in some runs a few
    // lie far beyond the rows.
    const bool beyond = seed % 3 == 0;
    auto x = [&] {
      return beyond && random() % 50 == 0 ? 1e13 : static_cast<double>(random() % 900) * 0.5;
    };
    int step = 0;
    auto y = [&] { return step * 2.0 + static_cast<double>(random() % 400) * 0.25; };
    CandidateList list;
    list.configure(25, 400, seed % 2 == 0);
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
        ASSERT_TRUE(std::isinf(list.at(gone).x) && std::isinf(list.at(gone).y));  // no search takes it
        plain[gone].alive = false;
        alive = living();
      }
      const std::string where = "seed " + std::to_string(seed) + " step " + std::to_string(step);

      const CornerPoint corner{x(), y()};
      if (list.allInRows()) {
        // Every point in reach, row after row; then only the first row.
        std::vector<std::vector<uint32_t>> rows(1);
        list.forEachTopDown(
            corner.x, corner.y, [&](std::size_t s) { rows.back().push_back(static_cast<uint32_t>(s)); },
            [&] {
              rows.emplace_back();
              return false;
            });
        std::set<uint32_t> got, expected;
        double above = -1;  // the lowest point of the rows before
        for (const std::vector<uint32_t>& row : rows) {
          double lowest = -1;
          for (uint32_t s : row) {
            ASSERT_TRUE(got.insert(s).second) << where;
            ASSERT_GT(plain[s].at.y, above) << where;
            lowest = std::max(lowest, plain[s].at.y);
          }
          above = std::max(above, lowest);
        }
        for (uint32_t s : alive)
          if (plain[s].at.x <= corner.x && plain[s].at.y < corner.y) expected.insert(s);
        ASSERT_EQ(got, expected) << where;
        std::size_t first = 0;
        list.forEachTopDown(corner.x, corner.y, [&](std::size_t) { ++first; }, [] { return true; });
        ASSERT_EQ(first, rows.front().size()) << where;
      }

      // The reach (a long list kept by x): the points left of an x and
      // above a y, in list order.
      if (list.byX()) {
        list.setReach(corner.x, corner.y);
        std::vector<uint32_t> reached, expectedReach;
        list.forEachReached([&](std::size_t s) { reached.push_back(static_cast<uint32_t>(s)); });
        for (uint32_t s : alive)
          if (plain[s].at.x <= corner.x && plain[s].at.y < corner.y) expectedReach.push_back(s);
        ASSERT_EQ(reached, expectedReach) << where;
      } else {
        list.clearReach();
      }

      const CandidateList::Box box{x() - 40, y() - 60, x(), y()};
      std::set<std::size_t> near;
      list.forEachAboveLeftOrIn(corner, box, [&](std::size_t s) { near.insert(s); });
      for (uint32_t s : alive) {
        const CornerPoint& c = plain[s].at;
        if ((c.x <= corner.x && c.y < corner.y) || inBox(c, box)) {
          ASSERT_TRUE(near.count(s)) << where;
        }
      }
      // A short list also hands out its removed slots.
      for (std::size_t s : near) ASSERT_TRUE(plain[s].alive || !list.indexed()) << where;

      const CornerPoint probe = plain[random() % plain.size()].at;
      bool listed = false;
      for (uint32_t s : alive) listed = listed || CornerPointRules::samePoint(plain[s].at, probe);
      ASSERT_EQ(list.contains(probe), listed) << where;

      const std::size_t before = list.slots();
      list.compactIfSparse();
      if (list.slots() != before) {  // slots renumbered: the living points keep their order
        std::vector<Listed> kept;
        for (uint32_t s : alive) kept.push_back(plain[s]);
        plain = kept;
        ASSERT_EQ(list.slots(), plain.size());
        for (std::size_t s = 0; s < plain.size(); ++s)
          ASSERT_TRUE(CornerPointRules::samePoint(list.at(s), plain[s].at)) << where;
      }
    }
  }
}

}  // namespace

// A point at -0 is the point at 0, whichever form the list has (their
// hashes must agree, not only their coordinates).
TEST(CandidateList, ZeroAndMinusZeroAreOnePoint) {
  for (std::size_t count : {4u, 300u}) {  // a short list and a long one
    CandidateList list;
    list.configure(25, 400, false);
    for (std::size_t i = 0; i < count; ++i) list.append({static_cast<double>(i % 400), 7.0 + i / 400});
    list.append({0.0, 1000.0});
    list.append({5.0, 0.0});
    EXPECT_TRUE(list.contains({-0.0, 1000.0})) << count << " points";
    EXPECT_TRUE(list.contains({5.0, -0.0})) << count << " points";
    EXPECT_FALSE(list.contains({5.0, 1000.0})) << count << " points";
  }
}
