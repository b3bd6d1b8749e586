#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePlacement.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "unitCmnAlignmentJobPosition/ArrangeLimits.h"
#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"
#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePacker.h"
#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

bool turnable(const ArrangeEntry& e, bool turns) {
  return turns && !e.RotationFixed && !e.noRotation();
}

// A quarter turn as the minimum-size kinds make it.
void turn(ArrangeEntry& e) {
  if (e.Rotation != 0) EntryRotation::rotate270(e);
  else EntryRotation::rotate90(e);
}

GuillotineItem itemOf(const ArrangeEntry& e, bool turns) {
  ArrangeEntry turned = e;
  turn(turned);
  GuillotineItem item;
  item.w = e.MmWidth;
  item.h = e.MmHeight;
  item.tw = turned.MmWidth;
  item.th = turned.MmHeight;
  item.turnable = turnable(e, turns);
  return item;
}

GuillotinePacker::Strip stripOf(const GuillotinePlacement::Settings& s) {
  GuillotinePacker::Strip strip;
  strip.width = s.area.width - s.cutter.left - s.cutter.right;
  // A frame longer than the sheet leaves no length (never an unlimited one).
  strip.length = s.area.height == LengthLimit::kUnlimited
                     ? -1.0
                     : std::max(0.0, s.area.height - s.cutter.top - s.cutter.bottom);
  strip.gapScan = std::max(s.gapScan, s.cutter.gap);
  strip.gapFeed = std::max(s.gapFeed, s.cutter.gap);
  return strip;
}

[[noreturn]] void refuseUnfit(const ArrangeEntry& e, const GuillotinePacker::Strip& strip) {
  std::ostringstream text;
  text << "cutter: the unit " << e.StrCompositeKey << " of job " << e.CompositeId << " ("
       << e.MmWidth << " x " << e.MmHeight
       << " mm) does not fit the room the cutter leaves on the media (" << strip.width << " x "
       << strip.length << " mm)";
  unitCmnGuard::raise(UNITCMN_SITE, text.str());
}

bool isLength(double value) { return std::isfinite(value) && value >= 0.0; }

void requirePlaceable(const std::vector<ArrangeEntry>& entries,
                      const GuillotinePlacement::Settings& s,
                      const GuillotinePacker::Strip& strip) {
  InputLimit::require(UNITCMN_SITE, "cutter: the unit count of the guillotine arrangement",
                      entries.size(), ArrangeLimits::kMaxCutterUnits, "units");
  if (!(isLength(s.gapScan) && isLength(s.gapFeed) && std::isfinite(strip.width)))
    unitCmnGuard::raise(UNITCMN_SITE, "cutter: the gaps or the room on the media are not "
                                      "lengths of 0 mm or more");
  for (const ArrangeEntry& e : entries)
    if (!GuillotinePacker::fitsEmptySheet(itemOf(e, s.turns), strip)) refuseUnfit(e, strip);
}

// Moves every sheet to the middle of the room across.
void centre(std::vector<ArrangeEntry>& entries, const GuillotinePlacement::Settings& s) {
  std::map<int32_t, double> right;  // of each sheet's layout
  for (const ArrangeEntry& e : entries)
    right[e.ArrangeNum] = std::max(right[e.ArrangeNum], e.X + e.MmWidth);
  const double roomRight = s.area.width - s.cutter.right;
  for (ArrangeEntry& e : entries) {
    const double spare = roomRight - right[e.ArrangeNum];
    if (spare > 0) e.X += spare / 2;
  }
}

}  // namespace

void GuillotinePlacement::requireNoneLocked(const std::vector<ArrangeEntry>& locked) {
  if (locked.empty()) return;
  unitCmnGuard::raise(UNITCMN_SITE, "cutter: the units of job " + locked.front().CompositeId +
                                        " keep their places, and a layout cut through the whole "
                                        "sheet cannot be laid around them");
}

void GuillotinePlacement::addBleeds(std::vector<ArrangeEntry>& entries,
                                    const CutterLayout& cutter) {
  const double across = cutter.bleedLeft + cutter.bleedRight;
  const double along = cutter.bleedTop + cutter.bleedBottom;
  for (ArrangeEntry& e : entries) {
    e.MmWidth += across;
    e.ExtraWidth += across;
    e.MmHeight += along;
    e.ExtraHeight += along;
  }
}

void GuillotinePlacement::place(std::vector<ArrangeEntry>& entries, const Settings& settings) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty()) return;
    const GuillotinePacker::Strip strip = stripOf(settings);
    requirePlaceable(entries, settings, strip);
    std::vector<GuillotineItem> items;
    for (const ArrangeEntry& e : entries) items.push_back(itemOf(e, settings.turns));
    const std::vector<GuillotinePlace> places = GuillotinePacker::pack(items, strip);
    for (std::size_t k = 0; k < entries.size(); ++k) {
      ArrangeEntry& e = entries[k];
      if (places[k].turned) turn(e);
      e.X = settings.cutter.left + places[k].x;
      e.Y = settings.cutter.top + places[k].y;
      e.ArrangeNum = places[k].sheet;
    }
    if (settings.centerInScan) centre(entries, settings);
  });
}
