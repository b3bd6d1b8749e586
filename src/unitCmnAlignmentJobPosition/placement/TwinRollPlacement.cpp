#include "unitCmnAlignmentJobPosition/placement/TwinRollPlacement.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"

#include <cstdint>
#include <limits>
#include <set>
#include <string>

#include "unitCmnExceptions/unitCmnGuard.h"

// Both cases are a single pass over the list, so they always end.
//
// NaN sizes: every comparison with NaN is false, so a NaN never starts a new
// row or sheet. A NaN width makes the position across of its roll NaN, and
// the later entries of that roll get X NaN until a new sheet resets it; a NaN
// height leaves the row height as it was (the larger-of test with NaN keeps
// the old value) but, in the single-job case, makes the roll's position
// along NaN once it ends a row.

namespace {

struct Roll {
  double x = 0.0;          // next position across, from the roll's start
  double y = 0.0;          // top of the current row
  double rowHeight = 0.0;  // tallest entry of the current row
  int32_t sheet = 1;       // own sheet number (several-jobs case)
};

// The larger of the two; keeps current when candidate is NaN.
double larger(double current, double candidate) {
  return candidate > current ? candidate : current;
}

// Entries of two or more jobs: each roll fills rows and counts its own
// sheets; a change of job between neighbouring entries switches roll (to
// roll B only when there is one).
void placeSeveralJobs(std::vector<ArrangeEntry>& entries, const TwinRollGeometry& g,
                      double lengthLimit) {
  Roll rolls[2];
  int active = 0;  // 0 = roll A, 1 = roll B
  int32_t count = 0;
  for (size_t i = 0; i < entries.size(); ++i) {
    ArrangeEntry& e = entries[i];
    Roll& r = rolls[active];
    const double rollWidth = active == 0 ? g.widthA : g.widthB;

    if (r.x + e.MmWidth > rollWidth) {  // next row
      r.y += r.rowHeight + g.gapFeed;
      r.x = 0.0;
      r.rowHeight = 0.0;
    }
    if (r.y + e.MmHeight > lengthLimit) {  // next sheet of this roll
      if (count > 0) ++r.sheet;
      r.x = 0.0;
      r.y = 0.0;
      count = 0;
    }
    e.X = r.x + (active == 1 ? g.startB : 0.0);
    e.Y = r.y;
    e.ArrangeNum = r.sheet;
    r.x += e.MmWidth + g.gapScan;
    r.rowHeight = larger(r.rowHeight, e.MmHeight);

    if (i + 1 < entries.size() && entries[i + 1].CompositeId != e.CompositeId) {
      if (active == 1) {
        active = 0;
        count = 0;
      } else if (g.startB > 0.0) {
        active = 1;
        count = 0;
      }
    }
    ++count;
  }
}

// The copies of one job: rows alternate between the rolls, and a row ends
// when a next entry of the same size would not fit after the one just
// placed. Only roll A tests the length limit; a new sheet resets both rolls.
void placeSingleJob(std::vector<ArrangeEntry>& entries, const TwinRollGeometry& g,
                    double lengthLimit) {
  Roll a;
  Roll b;
  bool onB = false;
  int32_t sheet = 1;
  int32_t count = 0;
  for (ArrangeEntry& e : entries) {
    if (!onB) {
      if (a.y + e.MmHeight > lengthLimit) {
        if (count > 0) ++sheet;
        a.x = b.x = a.y = b.y = 0.0;
        count = 0;
      }
      e.X = a.x;
      e.Y = a.y;
      a.x += e.MmWidth + g.gapScan;
      if (a.x + e.MmWidth + g.gapScan > g.widthA) {
        a.y += e.MmHeight + g.gapFeed;
        a.x = 0.0;
        if (g.startB > 0.0) {
          count = 0;
          onB = true;
        }
      }
    } else {
      e.X = g.startB + b.x;
      e.Y = b.y;
      b.x += e.MmWidth + g.gapScan;
      if (b.x + e.MmWidth + g.gapScan > g.widthB) {
        b.y += e.MmHeight + g.gapFeed;
        b.x = 0.0;
        count = 0;
        onB = false;
      }
    }
    e.ArrangeNum = sheet;
    ++count;
  }
}

}  // namespace

void TwinRollPlacement::place(std::vector<ArrangeEntry>& entries, const TwinRollGeometry& rolls) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty()) return;

    // -1, the record's own mark for unlimited length, is taken as well.
    const double lengthLimit = LengthLimit::of(rolls.lengthLimit);

    std::set<std::string> jobs;
    for (const ArrangeEntry& e : entries) jobs.insert(e.CompositeId);

    if (jobs.size() >= 2) placeSeveralJobs(entries, rolls, lengthLimit);
    else placeSingleJob(entries, rolls, lengthLimit);
  });
}
