#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <map>
#include <optional>
#include <string>

#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"
#include "unitCmnExceptions/unitCmnGuard.h"

// Sizes that are not finite numbers. Every step below is a plain loop over
// the entries and over a candidate list that only grows by a bounded number
// of points per entry, so no input can make it loop for ever. What such an
// entry gets:
//   - a NaN width or height makes every comparison false: the entry is never
//     usable at any candidate, so it takes the fallback position (0, 0),
//     opening a new sheet when the current one holds entries. It conflicts
//     with no later entry, and its NaN corner points pass the filters (NaN is
//     neither < 0 nor > the width) and stay in the list without ever being
//     usable (x >= 0 is false for them) or equal to another point;
//   - an infinite width or height never fits (x + w <= width or
//     y + h <= L fails), so the entry also takes the fallback position; its
//     corner points at infinity are dropped by the filters;
//   - centring leaves a sheet alone when one of its right edges is not
//     finite.

namespace {

using Settings = CornerPointPlacement::Settings;
using Point = CornerPointPlacement::Point;
constexpr double kEps = CornerPointPlacement::kTolerance;

bool samePoint(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

// The state of one placement run: the candidate corners and the entries
// already on the current sheet (indexes into the entry list, in placement
// order).
struct Run {
  Run(const Settings& s, double limit) : settings(s), lengthLimit(limit) {}

  const Settings& settings;
  double lengthLimit;
  std::vector<Point> candidates{Point{0.0, 0.0}};
  int32_t sheet = 1;
  std::vector<std::size_t> onSheet;
  // Locked units: those of the current sheet, taken in when its first
  // placement is searched (sheetOpened).
  bool sheetOpened = true;
  std::vector<const ArrangeEntry*> lockedOnSheet;
};


// Whether a w x h rectangle at (x, y) comes too close to p: both rectangles
// are extended by the gaps to their right and below, and an overlap of up to
// the tolerance is allowed.
bool conflicts(const ArrangeEntry& p, double x, double y, double w, double h, const Settings& s) {
  return p.X + p.MmWidth + s.gapScan - kEps > x && x + w + s.gapScan > p.X + kEps &&
         y + h + s.gapFeed > p.Y + kEps && p.Y + p.MmHeight + s.gapFeed - kEps > y;
}

// Whether c lies inside p (left and top edges included, right and bottom
// edges excluded; no gaps, no tolerance).
bool inside(const Point& c, const ArrangeEntry& p) {
  return c.x >= p.X && c.x < p.X + p.MmWidth && c.y >= p.Y && c.y < p.Y + p.MmHeight;
}

bool insideSheetEntry(const Point& c, const std::vector<ArrangeEntry>& entries, const Run& run) {
  for (std::size_t i : run.onSheet) {
    if (inside(c, entries[i])) return true;
  }
  return false;
}

// Whether a w x h entry may be put at c: within the area and in conflict
// with no entry of the current sheet.
bool usable(const Point& c, double w, double h, const std::vector<ArrangeEntry>& entries,
            const Run& run) {
  if (!(c.x >= 0 && c.x + w <= run.settings.area.width)) return false;
  if (!(c.y >= 0 && c.y + h <= run.lengthLimit)) return false;
  for (std::size_t i : run.onSheet) {
    if (conflicts(entries[i], c.x, c.y, w, h, run.settings)) return false;
  }
  for (const ArrangeEntry* p : run.lockedOnSheet) {
    if (conflicts(*p, c.x, c.y, w, h, run.settings)) return false;
  }
  return true;
}

// Whether c, coming later in the list, replaces the best so far: it lies
// higher, or it lies further left and less than the tolerance lower.
bool better(const Point& c, const Point& best) {
  return c.y < best.y || (c.y < best.y + kEps && c.x < best.x);
}

// The usable candidate that lies highest, then leftmost; none when no
// candidate is usable.
std::optional<Point> search(double w, double h, const std::vector<ArrangeEntry>& entries,
                            const Run& run) {
  std::optional<Point> best;
  for (const Point& c : run.candidates) {
    if (!usable(c, w, h, entries, run)) continue;
    if (!best || better(c, *best)) best = c;
  }
  return best;
}

// The search for e; with trial turns, e is also tried a quarter turn round
// and keeps that orientation only when it lies strictly higher there (or
// only fits that way).
std::optional<Point> searchOrientations(ArrangeEntry& e, const std::vector<ArrangeEntry>& entries,
                                        const Run& run) {
  const std::optional<Point> asIs = search(e.MmWidth, e.MmHeight, entries, run);
  if (!run.settings.tryTurned || e.noRotation()) return asIs;
  EntryRotation::turn(e);
  const std::optional<Point> turned = search(e.MmWidth, e.MmHeight, entries, run);
  if (turned && (!asIs || turned->y < asIs->y)) return turned;
  EntryRotation::turnBack(e);
  return asIs;
}

// Drops the candidates that lie inside an entry of the current sheet.
void removeInsideSheetEntries(const std::vector<ArrangeEntry>& entries, Run& run) {
  std::vector<Point> kept;
  for (const Point& c : run.candidates) {
    if (!insideSheetEntry(c, entries, run)) kept.push_back(c);
  }
  run.candidates.swap(kept);
}

// The four corners e offers on its own: on the area's top edge right of it,
// on the area's left edge below it, right of its top and below its left
// side (each a gap away).
std::vector<Point> ownCorners(const ArrangeEntry& e, const Settings& s) {
  return {{e.X + e.MmWidth + s.gapScan, 0.0},
          {0.0, e.Y + e.MmHeight + s.gapFeed},
          {e.X + e.MmWidth + s.gapScan, e.Y + s.gapFeed},
          {e.X + s.gapScan, e.Y + e.MmHeight + s.gapFeed}};
}

// The corners where e and an earlier entry p form a step: beside the
// shorter one under the longer one's side, or under the narrower one beside
// the wider one's edge. Only points to the right of and below e's position.
void pairCorners(const ArrangeEntry& e, const ArrangeEntry& p, const Settings& s,
                 std::vector<Point>& out) {
  const double eR = e.X + e.MmWidth, eB = e.Y + e.MmHeight;
  const double pR = p.X + p.MmWidth, pB = p.Y + p.MmHeight;
  std::vector<Point> steps;
  if (p.X + kEps > eR && eB > pB + kEps) steps.push_back({eR + s.gapScan, pB + s.gapFeed});
  if (e.X + kEps > pR && pB > eB + kEps) steps.push_back({pR + s.gapScan, eB + s.gapFeed});
  if (p.Y + kEps > eB && eR > pR + kEps) steps.push_back({pR + s.gapScan, eB + s.gapFeed});
  if (e.Y + kEps > pB && pR > eR + kEps) steps.push_back({eR + s.gapScan, pB + s.gapFeed});
  for (const Point& c : steps) {
    if (c.x >= e.X && c.y >= e.Y) out.push_back(c);
  }
}

// Whether a new corner may join the list: on the area (x up to the width
// included, y below the length limit) and not inside an entry of the sheet.
bool acceptable(const Point& c, const std::vector<ArrangeEntry>& entries, const Run& run) {
  if (c.x < 0 || c.x > run.settings.area.width) return false;
  if (c.y < 0 || c.y >= run.lengthLimit) return false;
  return !insideSheetEntry(c, entries, run);
}

void appendUnlessListed(const Point& c, Run& run) {
  for (const Point& listed : run.candidates) {
    if (samePoint(listed, c)) return;
  }
  run.candidates.push_back(c);
}

// Adds the corners that e offers, in order, without repeating a listed
// point. e is not yet one of the sheet's entries.
void addCorners(const ArrangeEntry& e, const std::vector<ArrangeEntry>& entries, Run& run) {
  std::vector<Point> fresh = ownCorners(e, run.settings);
  for (std::size_t i : run.onSheet) pairCorners(e, entries[i], run.settings, fresh);
  for (const Point& c : fresh) {
    if (acceptable(c, entries, run)) appendUnlessListed(c, run);
  }
}

// Drops the candidates strictly left of and above e's position: the search
// prefers higher positions, so the space they point to is shut off.
void pruneLeftAbove(const ArrangeEntry& e, Run& run) {
  std::vector<Point> kept;
  for (const Point& c : run.candidates) {
    if (!(c.x < e.X && c.y < e.Y)) kept.push_back(c);
  }
  run.candidates.swap(kept);
}

// Closes the current sheet and opens the next, empty one.
void startNewSheet(Run& run) {
  ++run.sheet;
  run.candidates.clear();
  run.onSheet.clear();
  run.sheetOpened = true;
  run.lockedOnSheet.clear();
}

// The locked units of the current sheet: their corners join the list as
// they are, and they block placements from now on.
void takeInLockedUnits(Run& run) {
  run.sheetOpened = false;
  if (run.settings.locked == nullptr) return;
  const auto corners = CornerPointPlacement::lockedCorners(*run.settings.locked, run.sheet);
  run.candidates.insert(run.candidates.end(), corners.begin(), corners.end());
  for (const ArrangeEntry& p : *run.settings.locked) {
    if (p.ArrangeNum == run.sheet) run.lockedOnSheet.push_back(&p);
  }
}

// Places one entry; the entries before it on the sheet are run.onSheet.
void placeOne(std::vector<ArrangeEntry>& entries, std::size_t index, Run& run) {
  if (run.sheetOpened) takeInLockedUnits(run);
  ArrangeEntry& e = entries[index];
  const std::optional<Point> position = searchOrientations(e, entries, run);
  if (position) {
    e.X = position->x;
    e.Y = position->y;
  } else {
    // Fits nowhere: top-left corner of a fresh sheet, or of this sheet when
    // it is still empty (then it stays there even if it does not fit).
    e.X = 0.0;
    e.Y = 0.0;
    if (!run.onSheet.empty()) startNewSheet(run);
  }
  e.ArrangeNum = run.sheet;
  // Candidates covered by entries placed since they were listed go only
  // when a candidate was taken; e itself does not count yet.
  if (position) removeInsideSheetEntries(entries, run);
  addCorners(e, entries, run);
  const bool firstOnSheet = run.onSheet.empty();
  if (!firstOnSheet) pruneLeftAbove(e, run);
  run.onSheet.push_back(index);
}

// The rightmost edge of one sheet's entries; a sheet with an edge that is
// not a finite number is never moved.
struct SheetExtent {
  double right = -std::numeric_limits<double>::infinity();
  bool finite = true;
};

// Moves every sheet right so that its layout sits in the middle of the area
// width; a sheet as wide as the area or wider stays.
void centreSheets(std::vector<ArrangeEntry>& entries, double areaWidth) {
  std::map<int32_t, SheetExtent> extents;
  for (const ArrangeEntry& e : entries) {
    SheetExtent& extent = extents[e.ArrangeNum];
    const double right = e.X + e.MmWidth;
    if (!std::isfinite(right)) extent.finite = false;
    else if (right > extent.right) extent.right = right;
  }
  for (ArrangeEntry& e : entries) {
    const SheetExtent& extent = extents[e.ArrangeNum];
    if (extent.finite && areaWidth > extent.right) e.X += (areaWidth - extent.right) * 0.5;
  }
}

}  // namespace

void CornerPointPlacement::requirePlaceable(std::size_t count) {
  if (count > kMaxEntries)
    unitCmnGuard::raise(UNITCMN_SITE, "the minimum-size arrangement places at most " +
                                          std::to_string(kMaxEntries) +
                                          " units in one run (the jobs make " +
                                          std::to_string(count) + ")");
}

std::vector<Point> CornerPointPlacement::lockedCorners(const std::vector<ArrangeEntry>& locked,
                                                       int32_t sheet) {
  std::vector<Point> corners;
  for (const ArrangeEntry& p : locked) {
    if (p.ArrangeNum != sheet) continue;
    const double right = p.X + p.MmWidth, bottom = p.Y + p.MmHeight;
    corners.insert(corners.end(), {{0.0, bottom}, {right, 0.0}, {p.X, bottom}, {right, p.Y}});
  }
  return corners;
}

void CornerPointPlacement::place(std::vector<ArrangeEntry>& entries, const Settings& settings) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    Run run(settings, LengthLimit::of(settings.area.height));
    for (std::size_t i = 0; i < entries.size(); ++i) placeOne(entries, i, run);
    if (settings.centerInScan) centreSheets(entries, settings.area.width);
  });
}
