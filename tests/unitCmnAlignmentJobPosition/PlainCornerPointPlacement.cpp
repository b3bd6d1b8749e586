#include "PlainCornerPointPlacement.h"

#include <limits>
#include <optional>

#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"

namespace {

using Rules = CornerPointRules;
using Settings = CornerPointPlacement::Settings;

struct Run {
  explicit Run(const Settings& s)
      : settings(s), space{s.area.width, LengthLimit::of(s.area.height), s.gapScan, s.gapFeed} {}

  const Settings& settings;
  Rules::Space space;
  std::vector<CornerPoint> candidates{{0.0, 0.0}};
  int32_t sheet = 1;
  std::vector<const ArrangeEntry*> onSheet;
  bool sheetOpened = true;
  std::vector<const ArrangeEntry*> lockedOnSheet;

  bool insideSheetEntry(const CornerPoint& c) const {
    for (const ArrangeEntry* p : onSheet) {
      if (Rules::inside(c, *p)) return true;
    }
    return false;
  }

  bool usable(const CornerPoint& c, double w, double h) const {
    if (!Rules::fits(c, w, h, space)) return false;
    for (const ArrangeEntry* p : onSheet) {
      if (Rules::conflicts(*p, c.x, c.y, w, h, space)) return false;
    }
    for (const ArrangeEntry* p : lockedOnSheet) {
      if (Rules::conflicts(*p, c.x, c.y, w, h, space)) return false;
    }
    return true;
  }

  std::optional<CornerPoint> search(double w, double h) const {
    // The grouping search starts from the largest finite point.
    std::optional<CornerPoint> best;
    const double most = std::numeric_limits<double>::max();
    for (const CornerPoint& c : candidates) {
      if (!usable(c, w, h)) continue;
      if (settings.locked != nullptr && !best && !Rules::better(c, {most, most})) continue;
      if (!best || Rules::better(c, *best)) best = c;
    }
    return best;
  }

  std::optional<CornerPoint> searchOrientations(ArrangeEntry& e) const {
    const std::optional<CornerPoint> asIs = search(e.MmWidth, e.MmHeight);
    if (!settings.tryTurned || e.noRotation()) return asIs;
    EntryRotation::turn(e);
    const std::optional<CornerPoint> turned = search(e.MmWidth, e.MmHeight);
    if (turned && (!asIs || turned->y < asIs->y)) return turned;
    EntryRotation::turnBack(e);
    return asIs;
  }

  void removeInsideSheetEntries() {
    std::vector<CornerPoint> kept;
    for (const CornerPoint& c : candidates) {
      if (!insideSheetEntry(c)) kept.push_back(c);
    }
    candidates.swap(kept);
  }

  void addCorners(const ArrangeEntry& e) {
    const auto own = Rules::ownCorners(e, space);
    std::vector<CornerPoint> fresh(own.begin(), own.end());
    for (const ArrangeEntry* p : onSheet) Rules::pairCorners(e, *p, space, fresh);
    for (const CornerPoint& c : fresh) {
      if (!Rules::onArea(c, space) || insideSheetEntry(c)) continue;
      bool listed = false;
      for (const CornerPoint& l : candidates) listed = listed || Rules::samePoint(l, c);
      if (!listed) candidates.push_back(c);
    }
  }

  void pruneLeftAbove(const ArrangeEntry& e) {
    std::vector<CornerPoint> kept;
    for (const CornerPoint& c : candidates) {
      if (!(c.x < e.X && c.y < e.Y)) kept.push_back(c);
    }
    candidates.swap(kept);
  }

  void takeInLockedUnits() {
    sheetOpened = false;
    if (settings.locked == nullptr) return;
    const auto corners = Rules::lockedCorners(*settings.locked, sheet);
    candidates.insert(candidates.end(), corners.begin(), corners.end());
    for (const ArrangeEntry& p : *settings.locked) {
      if (p.ArrangeNum == sheet) lockedOnSheet.push_back(&p);
    }
  }

  void placeOne(ArrangeEntry& e) {
    if (sheetOpened) takeInLockedUnits();
    const std::optional<CornerPoint> position = searchOrientations(e);
    if (position) {
      e.X = position->x;
      e.Y = position->y;
    } else {
      e.X = 0.0;
      e.Y = 0.0;
      if (!onSheet.empty()) {
        ++sheet;
        candidates.clear();
        onSheet.clear();
        sheetOpened = true;
        lockedOnSheet.clear();
      }
    }
    e.ArrangeNum = sheet;
    if (position) removeInsideSheetEntries();
    addCorners(e);
    if (!onSheet.empty()) pruneLeftAbove(e);
    onSheet.push_back(&e);
  }
};

}  // namespace

void PlainCornerPointPlacement::place(std::vector<ArrangeEntry>& entries,
                                      const Settings& settings) {
  Run run(settings);
  for (ArrangeEntry& e : entries) run.placeOne(e);
  if (settings.centerInScan) Rules::centreSheets(entries, settings.area.width);
}
