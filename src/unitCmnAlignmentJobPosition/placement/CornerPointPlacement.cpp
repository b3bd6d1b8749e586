#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <climits>
#include <limits>
#include <optional>

#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"
#include "unitCmnAlignmentJobPosition/placement/BottomEdgeRows.h"
#include "unitCmnAlignmentJobPosition/placement/CandidateList.h"
#include "unitCmnAlignmentJobPosition/placement/PlacedEntryGrid.h"
#include "unitCmnExceptions/unitCmnGuard.h"

// Sizes that are not finite numbers. Every step is a loop over the entries
// and over a candidate list that grows by a bounded number of points per
// entry, so no input can make it loop for ever; the grid files such entries
// in the list every query answers. What such an entry gets:
//   - a NaN width or height makes every comparison false: the entry is never
//     usable at any candidate, so it takes the fallback position (0, 0),
//     opening a new sheet when the current one holds entries. It conflicts
//     with no later entry; its NaN corner points are never usable;
//   - an infinite width or height never fits, so the entry also takes the
//     fallback position; its corner points at infinity are dropped;
//   - centring leaves a sheet alone when one of its right edges is not
//     finite.

namespace {

using Rules = CornerPointRules;
using Settings = CornerPointPlacement::Settings;
using Box = PlacedEntryGrid::Box;
constexpr double kEps = Rules::kTolerance;
constexpr double kInf = std::numeric_limits<double>::infinity();
// Slack around the neighbour queries, far above the rounding of sums of
// coordinates up to CellIndex::kMaxCoordinate.
constexpr double kSlack = 0.01;
// The band below the highest usable candidate a search from the top folds
// over (see searchFromTop and searchReached): a few tolerances, so that a
// chain of ties that drifts down through it (the whole list is folded
// then) is rare but not unheard of.
constexpr double kBand = 5 * kEps;  // mm
// Up to this many groups of bottom edges in the band beside a new entry
// are read group by group; more (mixed sizes, each its own bottom) are
// found through the grid, which reads only those right of the entry.
constexpr std::size_t kFewGroups = 8;

// What the rules read of a placed entry, kept compact for the many checks.
struct Placed {
  double X, Y, MmWidth, MmHeight;
};

// A size near the smallest that makes `grows` true: the estimate, or a
// little more (the rule's sums round, so the estimate can fall a rounding
// short), checked with the very expression of the rule; `known` (for which
// it is true) when none of them holds. `grows` is monotone: true for a size
// stays true for every larger one, so any size it holds for will do.
template <class Grows>
double smallestHolding(double estimate, double scale, double known, Grows grows) {
  const double nudge = std::fabs(scale) * 1e-12 + 1e-12;
  for (double extra : {0.0, nudge, nudge * 1e3, nudge * 1e6}) {
    const double t = estimate + extra;
    if (!(t < known)) break;
    if (grows(t)) return t;
  }
  return known;
}

// The smallest box holding the given x and y values; a box of NaN (which
// the grid answers with every entry) when one of them is not finite (their
// sum is then not finite either; a sum that overflows only makes the box
// answer more).
template <std::size_t NX, std::size_t NY>
Box span(const double (&xs)[NX], const double (&ys)[NY]) {
  double sum = 0.0;
  Box b{xs[0], ys[0], xs[0], ys[0]};
  for (double v : xs) {
    sum += v;
    b.x0 = std::min(b.x0, v);
    b.x1 = std::max(b.x1, v);
  }
  for (double v : ys) {
    sum += v;
    b.y0 = std::min(b.y0, v);
    b.y1 = std::max(b.y1, v);
  }
  if (!std::isfinite(sum)) return {NAN, NAN, NAN, NAN};
  return b;
}

// The box an entry is filed under: it holds the entry and its gaps, so that
// every position the entry conflicts with, every point inside it and every
// corner it forms with a later entry finds it.
template <class P>
Box filingBox(const P& p, const Rules::Space& s) {
  const double right = p.X + p.MmWidth, bottom = p.Y + p.MmHeight;
  return span({p.X, right, right + s.gapScan}, {p.Y, bottom, bottom + s.gapFeed});
}

// The cell size: about the size of an average entry, so that a query looks
// at a few cells holding a few entries each.
double cellSizeFor(const std::vector<ArrangeEntry>& entries, double width) {
  double sum = 0.0;
  std::size_t count = 0;
  for (const ArrangeEntry& e : entries) {
    const double size = (e.MmWidth + e.MmHeight) * 0.5;
    if (std::isfinite(size) && size > 0 && size < CellIndex::kMaxCoordinate) {
      sum += size;
      ++count;
    }
  }
  const double mean = count > 0 ? sum / static_cast<double>(count) : 100.0;
  const double widest = std::isfinite(width) && width > 0 ? width / 1024.0 : 0.0;
  return std::max({mean, widest, 1.0});
}

class Run {
 public:
  Run(std::vector<ArrangeEntry>& entries, const Settings& settings)
      : entries_(entries),
        settings_(settings),
        space_{settings.area.width, LengthLimit::of(settings.area.height), settings.gapScan,
               settings.gapFeed},
        placed_(entries.size()) {
    const double cell = cellSizeFor(entries, space_.width);
    grid_.configure(cell, space_.width);
    bottoms_.configure(cell);
    lockedGrid_.configure(cell, space_.width);
    computeSmallestSizes();
    candidates_.configure(cell, space_.width, settings.tryTurned);
    candidates_.append({0.0, 0.0});
  }

  void placeAll() {
    for (std::size_t i = 0; i < entries_.size(); ++i) placeOne(i);
  }

 private:
  // For every i, the narrowest width and the shortest height any entry
  // from i on is searched with (in either orientation it may try), and
  // the turned size of each entry that tries turns.
  void computeSmallestSizes() {
    const std::size_t n = entries_.size();
    minWidth_.assign(n + 1, kInf);
    minHeight_.assign(n + 1, kInf);
    turns_.assign(settings_.tryTurned ? n : 0, Turn{});
    for (std::size_t i = n; i-- > 0;) {
      minWidth_[i] = minWidth_[i + 1];
      minHeight_[i] = minHeight_[i + 1];
      const ArrangeEntry& e = entries_[i];
      considerSize(e.MmWidth, e.MmHeight, i);
      if (settings_.tryTurned && !e.noRotation()) {
        turns_[i] = turned(e);
        considerSize(turns_[i].w, turns_[i].h, i);
      }
    }
  }

  // How an entry that tries turns is tried: its size turned, and whether
  // turning it and turning it back leave it as it was (a plain swap of
  // its sides from 0 or 90 degrees does; from 180 or 270 degrees the
  // rotation changes, and a size that keeps its allowance along the media
  // may change in the last bit).
  struct Turn {
    bool tries = false;
    bool restored = false;
    double w = 0.0, h = 0.0;
  };

  // e turned, worked out in an entry the run keeps for it (so that no
  // step builds and drops an entry's strings).
  Turn turned(const ArrangeEntry& e) {
    ArrangeEntry& t = turnedScratch_;
    t.MmWidth = e.MmWidth;
    t.MmHeight = e.MmHeight;
    t.ExtraHeight = e.ExtraHeight;
    t.KeepExtraHeight = e.KeepExtraHeight;
    t.Rotation = e.Rotation;
    EntryRotation::turn(t);
    const bool restored = !e.KeepExtraHeight && (e.Rotation == 0 || e.Rotation == 90);
    return {true, restored, t.MmWidth, t.MmHeight};
  }

  // An orientation with a NaN side never fits anywhere and counts for
  // nothing.
  void considerSize(double w, double h, std::size_t i) {
    if (std::isnan(w) || std::isnan(h)) return;
    minWidth_[i] = std::min(minWidth_[i], w);
    minHeight_[i] = std::min(minHeight_[i], h);
  }

  // Whether no entry from index `next` on can be put at c.
  bool unusableFrom(const CornerPoint& c, std::size_t next) const {
    return !(c.x >= 0) || !(c.y >= 0) || c.x + minWidth_[next] > space_.width ||
           c.y + minHeight_[next] > space_.lengthLimit;
  }

  // What a w x h entry at a candidate conflicts with: the left and top
  // edges of the entry, and which entry of the sheet it is (none for a
  // locked unit).
  struct Conflict {
    CornerPoint edge;
    uint32_t sheetEntry;
  };
  static constexpr uint32_t kNone = UINT32_MAX;

  uint32_t lastOnSheet() const { return onSheet_.empty() ? kNone : onSheet_.back(); }

  // Tries the entry that blocked the candidate last first: it is still
  // there and often still in the way.
  std::optional<Conflict> conflicting(std::size_t slot, double w, double h) {
    const CornerPoint& c = candidates_.at(slot);
    const CandidateList::Item& item = candidates_[slot];
    for (uint32_t id : {item.blocker, lastOnSheet()}) {
      if (id == kNone) continue;
      const Placed& p = placed_[id];
      if (Rules::conflicts(p, c.x, c.y, w, h, space_)) return Conflict{{p.X, p.Y}, id};
    }
    const double right = c.x + w + space_.gapScan, bottom = c.y + h + space_.gapFeed;
    const Box box = span({c.x, right}, {c.y, bottom});
    // The first entry in the way will do: looking on for the one closest
    // to the candidate (which blocks the most sizes) cost more than the
    // tests it saved later.
    std::optional<Conflict> found;
    grid_.any(box, [&](uint32_t id) {
      const Placed& p = placed_[id];
      if (!Rules::conflicts(p, c.x, c.y, w, h, space_)) return false;
      found = Conflict{{p.X, p.Y}, id};
      return true;
    });
    if (found) return found;
    lockedGrid_.any(box, [&](uint32_t id) {
      const ArrangeEntry& p = (*settings_.locked)[id];
      if (!Rules::conflicts(p, c.x, c.y, w, h, space_)) return false;
      found = Conflict{{p.X, p.Y}, kNone};
      return true;
    });
    return found;
  }

  // Remembers at c the sizes that conflict with the entry whose left and
  // top edges are `edge`, as w x h did: the two conditions on the size in
  // the conflict rule, each at its smallest.
  void rememberConflict(std::size_t slot, double w, double h, const CornerPoint& edge) {
    const double gs = space_.gapScan, gf = space_.gapFeed;
    const double x = candidates_.at(slot).x, y = candidates_.at(slot).y;
    const double left = edge.x + kEps, top = edge.y + kEps;
    const double width =
        smallestHolding(left - gs - x, left, w, [&](double t) { return x + t + gs > left; });
    const double height =
        smallestHolding(top - gf - y, top, h, [&](double t) { return y + t + gf > top; });
    candidates_[slot].remember(width, height);
  }

  // Whether c lies inside an entry of the sheet (the rule refuses it), or
  // the narrowest and shortest size still to come conflicts there with e
  // (about to join the sheet), an entry of the sheet or one of its locked
  // units: every later entry, as large or larger, conflicts there too, so
  // no search will ever take c, and a point equal to it offered later is
  // as blocked. (While e opens a new sheet, the grid of locked units still
  // holds the last sheet's: they are not asked then.) One pass over the
  // entries near c answers both.
  // A long list leaves a blocked point out: keeping it listed costs more
  // than this test. A short list keeps it, as the rule does, until a
  // search learns that it is blocked.
  bool insideOrBlocked(const CornerPoint& c, const ArrangeEntry& e, std::size_t next) const {
    const double w = minWidth_[next], h = minHeight_[next];
    if (Rules::conflicts(e, c.x, c.y, w, h, space_)) return true;
    const Box box = span({c.x, c.x + w + space_.gapScan}, {c.y, c.y + h + space_.gapFeed});
    auto blocks = [&](const auto& p) { return Rules::conflicts(p, c.x, c.y, w, h, space_); };
    return grid_.any(box,
                     [&](uint32_t id) {
                       const Placed& p = placed_[id];
                       return Rules::inside(c, p) || blocks(p);
                     }) ||
           (!sheetOpened_ && lockedGrid_.any(box, [&](uint32_t id) {
              return blocks((*settings_.locked)[id]);
            }));
  }

  bool insideSheetEntry(const CornerPoint& c) const {
    return grid_.anyAt(c.x, c.y,
                     [&](uint32_t id) { return Rules::inside(c, placed_[id]); });
  }

  // One search: the usable candidate that lies highest, then leftmost, in
  // list order, for a w x h entry. Until one is found, the best so far is
  // a point every candidate beats: (+inf, +inf); for the grouping search,
  // which starts from the largest finite point, (max, max).
  struct Search {
    double w, h;
    CornerPoint bestSoFar;
    bool found = false;  // whether bestSoFar is a candidate the search took
  };

  Search searchFor(double w, double h) const {
    const double start =
        settings_.locked == nullptr ? kInf : std::numeric_limits<double>::max();
    return {w, h, {start, start}};
  }

  // The fold of the rules: the candidates in list order, each taken when
  // the search takes it.
  void fold(Search& s) {
    candidates_.forEachSlot([&](std::size_t slot) { take(s, slot); });
  }

  // The fold, noting in `refused` (in list order) the candidates that beat
  // the best so far but were not usable; whether no take lay lower than
  // the point it replaced (a tie within the tolerance may). Then the
  // answer lies at or above every point the fold held, so every candidate
  // strictly higher than it beat the best so far when it was read and was
  // refused: `refused` holds them all.
  bool foldNotingRefused(Search& s, std::vector<uint32_t>& refused) {
    refused.clear();
    bool neverLower = true;
    candidates_.forEachSlot([&](std::size_t slot) {
      const CornerPoint& c = candidates_.at(slot);
      if (!Rules::better(c, s.bestSoFar)) return;
      if (!usable(s, slot)) {
        refused.push_back(static_cast<uint32_t>(slot));
        return;
      }
      if (s.found && c.y > s.bestSoFar.y) neverLower = false;
      s.bestSoFar = c;
      s.found = true;
    });
    return neverLower;
  }

  bool take(Search& s, std::size_t slot) {
    if (!takes(s, slot)) return false;
    s.bestSoFar = candidates_.at(slot);
    s.found = true;
    return true;
  }

  // The same search over a long list, in two steps, to the same answer
  // (with yBelow finite, only when that answer lies higher than yBelow;
  // else it leaves s as it is).
  //  1. The highest usable candidate, read from the top of the sheet down,
  //     as far left as the size may stand: its y is ymin.
  //  2. The fold over the candidates above ymin + kBand only. It meets the
  //     first usable candidate f at ymin in list order, and takes it:
  //     whatever it held before lies lower. From f on it is the fold over
  //     the whole list, as long as the candidates it holds lie a tolerance
  //     above ymin + kBand, since a candidate at or below that beats none
  //     of them. When one does not (a chain of ties drifting down a whole
  //     band), the whole list is folded.
  // Candidates further right fail the rule's first test of the width, and
  // candidates lower than those read in step 1 need no test at all: with
  // tens of thousands of candidates left along the right edge and down the
  // sheet, a search reads a few dozen.
  void searchFromTop(Search& s, double yBelow) {
    if (!candidates_.allInRows()) {
      fold(s);
      return;
    }
    const double maxX = space_.width - s.w + kSlack;  // the rule adds before it compares
    double ymin = kInf;
    candidates_.forEachTopDown(
        maxX, yBelow,
        [&](std::size_t slot) {
          const CornerPoint& c = candidates_.at(slot);
          if (c.y < ymin && usable(s, slot)) ymin = c.y;
        },
        [&] { return ymin < kInf; });
    if (ymin == kInf) return;
    const double band = ymin + kBand;
    inBand_.clear();
    candidates_.forEachTopDown(
        maxX, band, [&](std::size_t slot) { inBand_.push_back(static_cast<uint32_t>(slot)); },
        [] { return false; });
    std::sort(inBand_.begin(), inBand_.end());
    const Search start = s;
    const bool whole = foldAbove(s, band, [&](auto&& visit) {
      for (uint32_t slot : inBand_) visit(slot);
    });
    if (whole) return;
    s = start;
    fold(s);
  }

  // Folds over the candidates `each` gives (in list order: those above
  // `band`, and maybe others); whether that is the fold over the whole
  // list: every point it held lies a tolerance above the band's edge, so
  // no candidate at or below the edge would have beaten it.
  template <class Each>
  bool foldAbove(Search& s, double band, Each&& each) {
    double lowest = -kInf;
    each([&](std::size_t slot) {
      if (take(s, slot)) lowest = std::max(lowest, s.bestSoFar.y);
    });
    return lowest + kEps <= band;
  }

  // The search over the candidates with x up to maxX (at least as far
  // right as its size may stand: a candidate further right fails the
  // rule's first test of the width), in list order; with yBelow finite,
  // only when its answer lies higher than yBelow (else it leaves s as it
  // is).
  //
  // With yBelow finite it folds over the candidates above yBelow + kBand
  // only, which gives the answer of the whole fold when that one lies
  // higher than yBelow: the fold takes the first usable candidate above
  // that band whatever it held before (everything else lies lower), and
  // from there on a candidate a tolerance below everything the fold holds
  // beats none of it. When the fold holds a point too near the band's
  // lower edge, the whole reach is folded.
  //
  // The caller makes the last reach set hold every candidate left of and
  // above where the entry goes (see searchOrientations).
  void searchReached(Search& s, double maxX, double yBelow) {
    const Search start = s;
    candidates_.setReach(maxX, yBelow + kBand);
    const bool whole = foldAbove(s, yBelow + kBand,
                                 [&](auto&& visit) { candidates_.forEachReached(visit); });
    if (whole) return;  // always so with yBelow infinite
    s = start;
    candidates_.setReach(maxX, kInf);
    candidates_.forEachReached([&](std::size_t slot) { take(s, slot); });
  }

  // Whether the size fits at the candidate without a conflict. What a
  // failed conflict test learns is remembered at the candidate.
  // (Inlined, as takes(): they run for every candidate a pass looks at,
  // and most fail the first tests.)
  [[gnu::always_inline]] bool usable(const Search& s, std::size_t slot) {
    return Rules::fits(candidates_.at(slot), s.w, s.h, space_) &&
           !candidates_[slot].rejects(s.w, s.h) && freeFor(s, slot);
  }

  // Whether the search takes the candidate in slot: it beats the best so
  // far, and it is usable.
  [[gnu::always_inline]] bool takes(const Search& s, std::size_t slot) {
    return Rules::better(candidates_.at(slot), s.bestSoFar) && usable(s, slot);
  }

  // Whether nothing on the sheet is in the way of the search's size at the
  // candidate in slot. What a failed test learns is not kept for a
  // candidate inside the entry placed last on the sheet: this step drops
  // it (see dropCandidates). The search that follows the one placed last
  // meets two or three of those at each step.
  bool freeFor(const Search& s, std::size_t slot) {
    if (const std::optional<Conflict> conflict = conflicting(slot, s.w, s.h)) {
      const uint32_t last = lastOnSheet();
      if (last != kNone && Rules::inside(candidates_.at(slot), placed_[last])) return false;
      rememberConflict(slot, s.w, s.h, conflict->edge);
      if (conflict->sheetEntry != kNone) candidates_[slot].blocker = conflict->sheetEntry;
      touched_.push_back(slot);
      return false;
    }
    return true;
  }

  static std::optional<CornerPoint> answer(const Search& s) {
    if (!s.found) return std::nullopt;
    return s.bestSoFar;
  }

  // With trial turns, e is also tried a quarter turn round and keeps that
  // orientation only when it lies strictly higher there (or only fits that
  // way). Else e is turned and turned back as the rule says, unless that
  // leaves it as it was (see Turn).
  //
  // How the list is read:
  //  - a short list: the upright search runs first. The turned one ends no
  //    higher than its highest usable candidate, so it can win only when
  //    it has one strictly higher than the upright answer; most often it
  //    has none, which a look at the few points above that answer tells
  //    (the upright search notes them as it refuses them);
  //  - a long list kept by x (a placement that tries turns): the upright
  //    search over the candidates far enough left for it, then the turned
  //    one over those far enough left for the narrower size and above a
  //    band below the upright answer (searchReached). The turned size is
  //    narrow and reaches the points along the right edge in every row,
  //    which a pass from the top down would read all of;
  //  - any other long list: from the top down (searchFromTop), which stops
  //    reading where the answer is found.
  std::optional<CornerPoint> searchOrientations(std::size_t index) {
    ArrangeEntry& e = entries_[index];
    Search asIs = searchFor(e.MmWidth, e.MmHeight), turn{};
    const bool turning = settings_.tryTurned && turns_[index].tries;
    if (turning) turn = searchFor(turns_[index].w, turns_[index].h);
    if (candidates_.byX()) {
      // The last search reaches as far right as either size may stand,
      // and down to the upright answer and a band below it, so its reach
      // holds everything left of and above where e goes, whichever answer
      // it takes. (The rule adds before it compares: kSlack.)
      searchReached(asIs, space_.width - asIs.w + kSlack, kInf);
      if (turning) {
        const double maxX = space_.width - std::min(asIs.w, turn.w) + kSlack;
        searchReached(turn, maxX, asIs.found ? asIs.bestSoFar.y : kInf);
      }
    } else if (candidates_.indexed()) {
      searchFromTop(asIs, kInf);
      if (turning) searchFromTop(turn, asIs.found ? asIs.bestSoFar.y : kInf);
    } else if (turning) {
      const bool refusedHoldsHigher = foldNotingRefused(asIs, refused_);
      if (!asIs.found || usableAbove(turn, asIs.bestSoFar.y, refusedHoldsHigher)) fold(turn);
    } else {
      fold(asIs);
    }
    if (!turning) return answer(asIs);
    if (turn.found && (!asIs.found || turn.bestSoFar.y < asIs.bestSoFar.y)) {
      EntryRotation::turn(e);
      return answer(turn);
    }
    if (!turns_[index].restored) {
      EntryRotation::turn(e);
      EntryRotation::turnBack(e);
    }
    return answer(asIs);
  }

  // Whether the search has a usable candidate lying strictly higher than y,
  // the first in list order; with `refusedHoldsHigher`, refused_ holds
  // every candidate that high (see foldNotingRefused), and only those are
  // read.
  bool usableAbove(const Search& s, double y, bool refusedHoldsHigher) {
    auto usableHigher = [&](std::size_t slot) {
      return candidates_.at(slot).y < y && usable(s, slot);
    };
    if (!refusedHoldsHigher) return candidates_.anySlot(usableHigher);
    return std::any_of(refused_.begin(), refused_.end(), usableHigher);
  }

  // The earlier entries of the sheet that may form a step with e, in
  // placement order, enough of them to give every corner pairCorners gives,
  // each first where it first comes:
  //  - the corner beside e's right edge at the height of an entry's bottom,
  //    from the first entry with that bottom that gives it (see
  //    BottomEdgeRows), and every entry kept apart there;
  //  - the entries whose right edge lies within e's width band and that
  //    reach below e, unless nothing on the sheet can (see below).
  void neighbours(const ArrangeEntry& e) {
    const double eR = e.X + e.MmWidth, eB = e.Y + e.MmHeight;
    const double gs = space_.gapScan, gf = space_.gapFeed;
    const double big = CellIndex::kMaxCoordinate;
    ids_.clear();
    boxes_.clear();
    BottomEdgeRows::Rows rows;
    if (bottoms_.ending(e.Y - gf - kSlack, std::max(eB, e.Y + kEps) + kSlack, rows) &&
        bottoms_.atMost(rows, kFewGroups)) {
      besideFromGroups(e, rows);
    } else {
      boxes_.push_back(span({eR - kEps - kSlack, big},
                            {e.Y - gf - kSlack, eB + kSlack, e.Y + kEps + kSlack}));
    }
    // Those corners come from entries that end below e's bottom by more
    // than the tolerance (pairCorners adds it to e's bottom, which rounds
    // to no less) or start below it.
    if (lowestBottom_ > eB || !(lowestTop_ <= eB - kEps - kSlack)) {
      boxes_.push_back(span({e.X - gs - kSlack, eR + kSlack, e.X + kEps + kSlack},
                            {eB - kEps - kSlack, big}));
    }
    if (boxes_.empty()) return;
    below_.clear();
    grid_.collect(boxes_, below_);
    const std::size_t beside = ids_.size();
    ids_.insert(ids_.end(), below_.begin(), below_.end());
    std::inplace_merge(ids_.begin(), ids_.begin() + static_cast<std::ptrdiff_t>(beside),
                       ids_.end());
    ids_.erase(std::unique(ids_.begin(), ids_.end()), ids_.end());
  }

  // The first entry of each bottom in the rows that gives the corner beside
  // e, and every entry kept apart, in placement order.
  void besideFromGroups(const ArrangeEntry& e, const BottomEdgeRows::Rows& rows) {
    const double eR = e.X + e.MmWidth, eB = e.Y + e.MmHeight;
    const double gf = space_.gapFeed;
    ids_.assign(bottoms_.apart().begin(), bottoms_.apart().end());
    const bool besideOnRight = eR + space_.gapScan >= e.X;
    bottoms_.forEachGroup(rows, [&](const BottomEdgeRows::Group& g) {
      // pairCorners' conditions for the corner beside e, on the group.
      const double pB = g.bottom;
      const bool right = eB > pB + kEps, above = e.Y + kEps > pB;
      if (!besideOnRight || !(pB + gf >= e.Y) || !(right || above)) return;
      auto gives = [&](double left, double rightEdge) {
        return (right && left + kEps > eR) || (above && rightEdge > eR + kEps);
      };
      uint32_t id;
      if (g.first(gives, id)) ids_.push_back(id);
    });
    std::sort(ids_.begin(), ids_.end());
  }

  // Adds the corners e offers, in order, without repeating a listed point
  // and without the points no entry still to come can use. e is not yet
  // one of the sheet's entries.
  void addCorners(const ArrangeEntry& e, std::size_t next) {
    const auto own = Rules::ownCorners(e, space_);
    fresh_.assign(own.begin(), own.end());
    if (!onSheet_.empty()) {
      neighbours(e);
      for (uint32_t id : ids_) Rules::pairCorners(e, placed_[id], space_, fresh_);
    }
    // Neighbours in a row offer the same point one after the other; a
    // repeat of the point just looked at goes the same way (listed now, or
    // refused for the same reason), so it is not looked at again.
    for (std::size_t i = 0; i < fresh_.size(); ++i) {
      const CornerPoint& c = fresh_[i];
      if (i > 0 && Rules::samePoint(c, fresh_[i - 1])) continue;
      if (!Rules::onArea(c, space_) || unusableFrom(c, next) ||
          (candidates_.indexed() ? insideOrBlocked(c, e, next) : insideSheetEntry(c)) ||
          candidates_.contains(c))
        continue;
      candidates_.append(c);
    }
  }

  // After e's corners were added, drops:
  //   - the candidates inside the entry placed last on the sheet. Every
  //     other candidate was checked against the earlier entries of the
  //     sheet when it was listed or in an earlier step (locked corners are
  //     listed when the sheet holds one entry), so that entry is the only
  //     one left. (A corner of e inside it was refused as it came, so it
  //     makes no difference that the points inside go only now.)
  //   - those strictly left of and above e's position, unless e opened the
  //     sheet: the search prefers higher positions, so the space they point
  //     to is shut off;
  //   - those no entry still to come can use: all of them are checked when
  //     the smallest sizes still to come grow, else those a search learnt
  //     something about.
  // e is not yet one of the sheet's entries.
  void dropCandidates(const ArrangeEntry& e, std::size_t index) {
    const std::size_t next = index + 1;
    const Placed* last = onSheet_.empty() ? nullptr : &placed_[onSheet_.back()];
    const bool sizesGrew =
        minWidth_[next] != minWidth_[index] || minHeight_[next] != minHeight_[index];
    auto unusable = [&](std::size_t slot) {
      return unusableFrom(candidates_.at(slot), next) ||
             candidates_[slot].rejects(minWidth_[next], minHeight_[next]);
    };
    auto shutOff = [&](std::size_t slot) {
      const CornerPoint& c = candidates_.at(slot);
      return last != nullptr && (Rules::inside(c, *last) || (c.x < e.X && c.y < e.Y));
    };
    if (sizesGrew) {
      candidates_.forEach([&](std::size_t slot) {
        if (shutOff(slot) || unusable(slot)) candidates_.remove(slot);
      });
      return;
    }
    if (last != nullptr) {
      candidates_.forEachAboveLeftOrIn(
          {e.X, e.Y}, {last->X, last->Y, last->X + last->MmWidth, last->Y + last->MmHeight},
          [&](std::size_t slot) {
            if (shutOff(slot)) candidates_.remove(slot);
          });
    }
    for (std::size_t slot : touched_) {
      if (unusable(slot)) candidates_.remove(slot);
    }
  }

  void startNewSheet() {
    ++sheet_;
    candidates_.clear();
    touched_.clear();
    onSheet_.clear();
    grid_.clear();
    bottoms_.clear();
    lowestBottom_ = -kInf;
    lowestTop_ = -kInf;
    sheetOpened_ = true;
  }

  // The locked units of the current sheet: their corners join the list as
  // they are, and they block placements from now on.
  // (Corners no entry from `index` on can use are left out.)
  void takeInLockedUnits(std::size_t index) {
    sheetOpened_ = false;
    lockedGrid_.clear();
    if (settings_.locked == nullptr) return;
    for (const CornerPoint& c : Rules::lockedCorners(*settings_.locked, sheet_)) {
      if (!unusableFrom(c, index)) candidates_.append(c);
    }
    const std::vector<ArrangeEntry>& locked = *settings_.locked;
    for (std::size_t i = 0; i < locked.size(); ++i) {
      if (locked[i].ArrangeNum == sheet_)
        lockedGrid_.add(static_cast<uint32_t>(i), filingBox(locked[i], space_));
    }
  }

  void join(std::size_t index) {
    const ArrangeEntry& e = entries_[index];
    placed_[index] = {e.X, e.Y, e.MmWidth, e.MmHeight};
    onSheet_.push_back(static_cast<uint32_t>(index));
    grid_.add(static_cast<uint32_t>(index), filingBox(placed_[index], space_));
    bottoms_.add(static_cast<uint32_t>(index), e.X, e.X + e.MmWidth, e.Y + e.MmHeight);
    // (An edge that is not a number reaches everywhere.)
    const double bottom = e.Y + e.MmHeight;
    lowestBottom_ = std::isnan(bottom) ? kInf : std::max(lowestBottom_, bottom);
    lowestTop_ = std::isnan(e.Y) ? kInf : std::max(lowestTop_, e.Y);
  }

  void placeOne(std::size_t index) {
    touched_.clear();
    candidates_.clearReach();
    if (sheetOpened_) takeInLockedUnits(index);
    ArrangeEntry& e = entries_[index];
    const std::optional<CornerPoint> position = searchOrientations(index);
    if (position) {
      e.X = position->x;
      e.Y = position->y;
    } else {
      // Fits nowhere: top-left corner of a fresh sheet, or of this sheet
      // when it is still empty (then it stays there even if it does not fit).
      e.X = 0.0;
      e.Y = 0.0;
      if (!onSheet_.empty()) startNewSheet();
    }
    e.ArrangeNum = sheet_;
    addCorners(e, index + 1);
    dropCandidates(e, index);
    join(index);
    candidates_.compactIfSparse();
  }

  std::vector<ArrangeEntry>& entries_;
  const Settings& settings_;
  const Rules::Space space_;
  std::vector<Placed> placed_;  // by entry index, once placed
  std::vector<double> minWidth_, minHeight_;
  PlacedEntryGrid grid_, lockedGrid_;
  BottomEdgeRows bottoms_;  // the sheet's entries by their bottom edges
  CandidateList candidates_;
  std::vector<std::size_t> touched_;  // slots a search learnt something about
  std::vector<uint32_t> inBand_;      // scratch for searchFromTop
  std::vector<uint32_t> refused_;     // scratch for foldNotingRefused
  std::vector<uint32_t> onSheet_;  // entry indexes, in placement order
  int32_t sheet_ = 1;
  // How far down the entries of the sheet reach: the largest of their
  // bottom edges and of their top edges.
  double lowestBottom_ = -kInf, lowestTop_ = -kInf;
  bool sheetOpened_ = true;
  // Scratch lists, kept to reuse their memory.
  std::vector<CornerPoint> fresh_;
  std::vector<Box> boxes_;
  std::vector<uint32_t> ids_, below_;
  ArrangeEntry turnedScratch_;
  std::vector<Turn> turns_;  // by entry index, when trying turns
};

}  // namespace

void CornerPointPlacement::place(std::vector<ArrangeEntry>& entries, const Settings& settings) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    Run(entries, settings).placeAll();
    if (settings.centerInScan) Rules::centreSheets(entries, settings.area.width);
  });
}
