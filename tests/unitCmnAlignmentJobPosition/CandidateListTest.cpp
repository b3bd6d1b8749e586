// The candidate list against a plain vector of the same points: after
// seeded runs of appends, removals and compactions, a pass that skips runs
// by their boxes must still reach every living point inside a query box,
// in list order, and the set of points must answer "listed?" as the vector
// does.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CandidateList.h"

namespace {

struct Query {
  double x0, y0, x1, y1;
  bool holds(const CornerPoint& c) const { return c.x >= x0 && c.x <= x1 && c.y >= y0 && c.y <= y1; }
  bool meets(const CandidateList::Bounds& b) const {
    return b.maxX >= x0 && b.minX <= x1 && b.maxY >= y0 && b.minY <= y1;
  }
};

TEST(CandidateList, PassesReachEveryLivingPointTheirBoxesAllow) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    // Points move down the sheet as a placement's do, so new ones widen
    // the boxes above them.
    auto coordinate = [&] { return static_cast<double>(random() % 400) * 0.5; };
    int step = 0;
    auto down = [&] { return step * 0.5 + coordinate() * 0.1; };
    CandidateList list;
    std::vector<CornerPoint> plain;  // the living points, in list order
    for (; step < 600; ++step) {
      const CornerPoint c{coordinate(), down()};
      list.append(c);
      plain.push_back(c);
      if (random() % 3 == 0) {  // remove a living point of a random box
        const double top = down() - 30;
        const double left = coordinate();
        const Query q{left, top, left + 60, top + 40};
        std::vector<std::size_t> reached;
        list.forEach([&](const CandidateList::Bounds& b) { return q.meets(b); },
                     [&](std::size_t slot) {
                       if (q.holds(list.at(slot))) reached.push_back(slot);
                     });
        std::vector<CornerPoint> expected, got;
        for (const CornerPoint& p : plain)
          if (q.holds(p)) expected.push_back(p);
        for (std::size_t slot : reached) got.push_back(list.at(slot));
        ASSERT_EQ(got.size(), expected.size()) << "seed " << seed << " step " << step;
        for (std::size_t i = 0; i < got.size(); ++i)
          ASSERT_TRUE(CornerPointRules::samePoint(got[i], expected[i])) << "seed " << seed;
        if (!reached.empty()) {
          const std::size_t k = random() % reached.size();
          const CornerPoint gone = list.at(reached[k]);
          list.remove(reached[k]);
          for (std::size_t i = 0, seen = 0; i < plain.size(); ++i) {
            if (!q.holds(plain[i]) || seen++ != k) continue;
            plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(i));
            break;
          }
          bool still = false;
          for (const CornerPoint& p : plain) still = still || CornerPointRules::samePoint(p, gone);
          ASSERT_EQ(list.contains(gone), still) << "seed " << seed << " step " << step;
        }
      }
      list.compactIfSparse();
    }
  }
}

}  // namespace
