#include "unitCmnAlignmentJobPosition/grouping/AbGroupingArranger.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <set>
#include <sstream>

#include "unitCmnAlignmentJobPosition/ArrangeKinds.h"
#include "unitCmnAlignmentJobPosition/frame/ArrangementWriter.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

constexpr double kEps = CornerPointPlacement::kTolerance;

// A margin of the group must be a length of 0 mm or more.
double margin(const std::string& key, double value) {
  if (!(std::isfinite(value) && value >= 0.0)) {
    std::ostringstream text;
    text << "grouping: " << key << " of the grouping primary is not a length of 0 mm or more ("
         << value << ")";
    unitCmnGuard::raise(UNITCMN_SITE, text.str());
  }
  return value;
}

// The group settings of the primary's "Print" and its "Arrange1".
void copyPrimarySettings(GroupingInfo& info, const RunJob& primary) {
  const PrintSection& p = primary.print;
  info.primaryJobId = primary.identity.groupingPrimary;
  info.duplicateCount = p.groupingDuplicateCount;
  if (info.duplicateCount < 1) {
    KvnCmnLog::logTrace(UNITCMN_SITE, "groupingDuplicateCount " +
                                          std::to_string(info.duplicateCount) + " counts as 1");
    info.duplicateCount = 1;
  }
  info.marginScan = margin("groupingMarginScan", p.groupingMarginScan);
  info.marginFeed = margin("groupingMarginFeed", p.groupingMarginFeed);
  info.marginTop = margin("groupingMarginTop", p.groupingMarginTop);
  info.marginBottom = margin("groupingMarginBottom", p.groupingMarginBottom);
  info.marginLeft = margin("groupingMarginLeft", p.groupingMarginLeft);
  info.marginRight = margin("groupingMarginRight", p.groupingMarginRight);
  const auto first = primary.arrangeSections.find("Arrange1");
  const ArrangeSection arrange =
      first != primary.arrangeSections.end() ? first->second : ArrangeSection();
  info.arrangeMarginTop = margin("arrangeMarginTop", arrange.arrangeMarginTop);
  info.arrangeMarginBottom = margin("arrangeMarginBottom", arrange.arrangeMarginBottom);
  info.arrangeMarginLeft = margin("arrangeMarginLeft", arrange.arrangeMarginLeft);
  info.arrangeMarginRight = margin("arrangeMarginRight", arrange.arrangeMarginRight);
  info.primaryPrint = p;
}

// The number N of a section named "Arrange" + N (N from 1); 0 for any
// other name.
int32_t sheetNumberOf(const std::string& name) {
  const std::string prefix = "Arrange";
  const std::string digits = name.substr(std::min(prefix.size(), name.size()));
  if (name.compare(0, prefix.size(), prefix) != 0 || digits.empty() || digits.size() > 9 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  return static_cast<int32_t>(std::stol(digits));
}

// The units the job's arrangement sections list, each with the lowest
// sheet that lists it.
std::map<std::string, int32_t> listedSheets(const RunJob& job) {
  std::map<std::string, int32_t> sheets;
  for (const auto& [name, section] : job.arrangeSections) {
    const int32_t n = sheetNumberOf(name);
    if (n == 0) continue;
    for (const std::string& unit : section.compositeKeys) {
      auto [at, added] = sheets.emplace(unit, n);
      if (!added && n < at->second) at->second = n;
    }
  }
  return sheets;
}

// A locked entry keeps the place its unit's "offset" gives, less what the
// write-back adds, on the sheet that lists it (1 when none does). A unit the
// job does not hold yet has no place: the top-left corner of sheet 1.
void placeLocked(ArrangeEntry& e, const RunJob& job, const std::map<std::string, int32_t>& listed,
                 const UnitOffsetRule& offsets) {
  e.X = e.Y = 0.0;
  e.ArrangeNum = 1;
  const auto unit = job.units.find(e.StrCompositeKey);
  if (unit == job.units.end()) return;
  const DoublePair place = offsets.placeOf(unit->second.offset);
  e.X = place[0];
  e.Y = place[1];
  const auto sheet = listed.find(e.StrCompositeKey);
  if (sheet != listed.end()) e.ArrangeNum = sheet->second;
}

// The media of a grouping run as the composite frame's printable area
// reads it (a grouping run has no OptiScout code strip).
CompositeArrangerData mediaOf(const GroupingArrangerData& data) {
  CompositeArrangerData media;
  media.jobs = data.jobs;
  media.arrangeKind = data.arrangeKind;
  media.printableWidth = data.printableWidth;
  media.printableLength = data.printableLength;
  return media;
}

template <class Key>
std::vector<ArrangeEntry> stableSortBy(std::vector<ArrangeEntry> entries, Key key) {
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const ArrangeEntry& a, const ArrangeEntry& b) { return key(a) < key(b); });
  return entries;
}

// The part of a sheet's layout the group copies repeat: from the leftmost
// entry to the right edge of the rightmost one, with their outer margins.
double groupSpan(const std::vector<ArrangeEntry*>& sheet, const GroupingInfo& info) {
  const ArrangeEntry* right = sheet.front();
  const ArrangeEntry* left = sheet.front();
  for (const ArrangeEntry* e : sheet) {
    if (e->X + e->MmWidth > right->X + right->MmWidth) right = e;
    if (e->X < left->X) left = e;
  }
  const auto rightMargins = info.outerMarginsOf(right->CompositeId);
  const auto leftMargins = info.outerMarginsOf(left->CompositeId);
  // The outer margins as the group's layout counts them: the left one
  // beyond the right edge, the right one before the left edge.
  return right->X + right->MmWidth + rightMargins[2] - (left->X - leftMargins[3]);
}

}  // namespace

specialityType::RectDouble AbGroupingArranger::arrange(GroupingArrangerData data) {
  static const char* const kCaught[3] = {"arrange unitCmnException", "arrange exception",
                                         "arrange other"};
  return unitCmnGuard::runTraced(UNITCMN_SITE, kCaught, [&] { return arrangeGroup(data); });
}


specialityType::RectDouble AbGroupingArranger::arrangeGroup(const GroupingArrangerData& data) {
  RunJobs run(data.jobs);
  prepareRun(run);
  GroupingInfo info;
  auto entries = placePass(data, run, info);
  if (checkRegisterMarkTarget(entries, run)) {
    KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 9-1");
    entries = placePass(data, run, info);
  } else {
    KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 9-2");
  }
  updateCompositeArrangement(entries, run, data.arrangeKind, data.centerInScan, &info);
  writeDuplicateMargins(run, data.duplicateMarginScan, data.duplicateMarginFeed);
  run.commit();
  return getArrangedRect(entries);
}

std::vector<ArrangeEntry> AbGroupingArranger::placePass(const GroupingArrangerData& data,
                                                        const RunJobs& run, GroupingInfo& info) {
  KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 1");
  buildGroupingInfo(&info, run);
  KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 2");
  groupArea_ = editPrintableArea(data, run, &info);
  KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 3");
  std::vector<ArrangeEntry> entries, locked;
  buildOriginalArrangeEntries(run, &info, entries, locked);
  requireOnMedia(locked, getPrintableArea(mediaOf(data), run));
  KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 4");
  DebugOutputEntries("vectOrgArrEnt 作成直後", entries);
  placeGroup(entries, locked, groupArea_, data, info);
  KvnCmnLog::logTrace(UNITCMN_SITE, "arrange 8");
  entries.insert(entries.end(), locked.begin(), locked.end());
  return entries;
}

std::size_t AbGroupingArranger::findGroupingPrimary(const RunJobs& run) {
  for (std::size_t k = 0; k < run.size(); ++k) {
    const JobSection& id = run[k].identity;
    if (!id.jobID.empty() && id.jobID == id.groupingPrimary) return k;
  }
  unitCmnGuard::raise(UNITCMN_SITE, "Not found Grouping Primary");
}

void AbGroupingArranger::buildGroupingInfo(GroupingInfo* info, const RunJobs& run) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    const RunJob& primary = run[findGroupingPrimary(run)];
    *info = GroupingInfo();
    copyPrimarySettings(*info, primary);
    std::set<std::string> mainJobs;            // jobs that are not a part of another job
    std::map<std::string, std::size_t> jobOf;  // first job of each "JobID"
    for (std::size_t k = 0; k < run.size(); ++k) {
      const RunJob& job = run[k];
      const CompositeSection& c = job.composite;
      info->outerMargins[job.identity.jobID] = {
          c.duplicateMarginOuterTop, c.duplicateMarginOuterBottom, c.duplicateMarginOuterLeft,
          c.duplicateMarginOuterRight};
      if (job.identity.jobID == job.identity.primary) mainJobs.insert(job.identity.jobID);
      jobOf.emplace(job.identity.jobID, k);
    }
    int32_t index = 0;
    for (const std::string& member : primary.print.groupingMember) {
      if (mainJobs.count(member) == 0) continue;
      // A member named again keeps its first place.
      if (info->groupIndexes.count(member) > 0) {
        KvnCmnLog::logTrace(UNITCMN_SITE,
                            "groupingMember names " + member + " again; the repeat is skipped");
        continue;
      }
      info->members.push_back(member);
      info->groupIndexes[member] = index++;
      const RunJob& job = run[jobOf.at(member)];
      info->positionLocks[member] =
          job.composite.duplicatePositionLock || primary.print.groupingPositionLock;
    }
  });
}

specialityType::DimDouble AbGroupingArranger::editPrintableArea(const GroupingArrangerData& data,
                                                                const RunJobs& run,
                                                                const GroupingInfo* info) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    specialityType::DimDouble area = getPrintableArea(mediaOf(data), run);
    double feed = info->arrangeMarginTop + info->arrangeMarginBottom;
    double scan = info->arrangeMarginLeft + info->arrangeMarginRight;
    if (groupMarginsInArea()) {
      feed += info->marginTop + info->marginBottom;
      scan += info->marginLeft + info->marginRight;
    }
    std::ostringstream text;
    text << "editPrintableArea width " << area.width << " length " << area.height
         << " arrangeMargin top " << info->arrangeMarginTop << " bottom "
         << info->arrangeMarginBottom << " left " << info->arrangeMarginLeft << " right "
         << info->arrangeMarginRight;
    if (area.height != LengthLimit::kUnlimited) area.height = std::max(0.0, area.height - feed);
    area.width = std::max(0.0, area.width - scan);
    text << " -> " << area.width << " x " << area.height;
    KvnCmnLog::logTrace(UNITCMN_SITE, text.str());
    return area;
  });
}

void AbGroupingArranger::buildOriginalArrangeEntries(const RunJobs& run, const GroupingInfo* info,
                                                     std::vector<ArrangeEntry>& movable,
                                                     std::vector<ArrangeEntry>& locked) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::vector<ArrangeEntry> entries = buildArrangeEntries(run);
    KvnCmnLog::logTrace(
        UNITCMN_SITE, "buildOriginalArrangeEntries " + std::to_string(entries.size()) + " entries");
    const UnitOffsetRule offsets = offsetRule(run);
    std::map<int32_t, std::map<std::string, int32_t>> listed;  // by job, made when needed
    movable.clear();
    locked.clear();
    for (ArrangeEntry& e : entries) {
      KvnCmnLog::logTrace(UNITCMN_SITE, "*** GroupIndex付与 *** " + e.CompositeId);
      e.GroupIdx = info->groupIndexOf(e.CompositeId);
      if (!info->isLocked(e.CompositeId)) {
        movable.push_back(e);
        continue;
      }
      const RunJob& job = run[static_cast<std::size_t>(e.JobIdx)];
      if (listed.count(e.JobIdx) == 0) listed[e.JobIdx] = listedSheets(job);
      placeLocked(e, job, listed[e.JobIdx], offsets);
      locked.push_back(e);
    }
  });
}

void AbGroupingArranger::requireOnMedia(const std::vector<ArrangeEntry>& locked,
                                        const specialityType::DimDouble& media) {
  const double length = LengthLimit::of(media.height);
  for (const ArrangeEntry& e : locked) {
    if (e.X >= -kEps && e.Y >= -kEps && e.X + e.MmWidth <= media.width + kEps &&
        e.Y + e.MmHeight <= length + kEps)
      continue;
    std::ostringstream text;
    text << "grouping: the locked unit " << e.StrCompositeKey << " of job " << e.CompositeId
         << " lies outside the printable area (" << e.MmWidth << " x " << e.MmHeight << " mm at "
         << e.X << ", " << e.Y << " on " << media.width << " x " << media.height << " mm)";
    unitCmnGuard::raise(UNITCMN_SITE, text.str());
  }
}

std::vector<ArrangeEntry> AbGroupingArranger::sortByGroupIdx(std::vector<ArrangeEntry> entries) {
  return stableSortBy(std::move(entries), [](const ArrangeEntry& e) { return e.GroupIdx; });
}

std::vector<ArrangeEntry> AbGroupingArranger::sortByCopyNum(std::vector<ArrangeEntry> entries) {
  return stableSortBy(std::move(entries), [](const ArrangeEntry& e) { return e.CopyNum; });
}

std::vector<ArrangeEntry> AbGroupingArranger::sortByOrderNum(std::vector<ArrangeEntry> entries) {
  return stableSortBy(std::move(entries), [](const ArrangeEntry& e) { return e.OrderNum; });
}

std::vector<ArrangeEntry> AbGroupingArranger::ordered(std::vector<ArrangeEntry> entries,
                                                      GroupOrder order) {
  entries = sortByOrderNum(std::move(entries));
  if (order == GroupOrder::Grouping) return sortByGroupIdx(sortByCopyNum(std::move(entries)));
  return sortByCopyNum(sortByGroupIdx(std::move(entries)));
}

void AbGroupingArranger::updateCompositeArrangement(const std::vector<ArrangeEntry>& entries,
                                                    RunJobs& run, int arrangeKind,
                                                    bool centerInScan,
                                                    const GroupingInfo* info) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty() || run.empty()) return;
    const DoublePair groupMargins{info->arrangeMarginRight + info->marginRight,
                                  info->arrangeMarginBottom + info->marginBottom};
    ArrangementWriter::Layout layout{ArrangeKinds::policyName(arrangeKind),
                                     centerInScan,
                                     groupArea_,
                                     codeMargin,
                                     codeRight,
                                     codeBottom,
                                     nullptr};
    // Units held in place keep the offset their job gave them.
    layout.extraOffset = [&](const ArrangeEntry& e) {
      const bool held = info->isLocked(e.CompositeId) ||
                        run[static_cast<std::size_t>(e.JobIdx)].composite.duplicatePositionLock;
      return held ? DoublePair{0.0, 0.0} : groupMargins;
    };
    ArrangementWriter(run, layout).write(entries);
  });
}

void AbGroupingArranger::CenterOffsetSetting(std::vector<ArrangeEntry>& entries,
                                             const specialityType::DimDouble& area,
                                             const GroupingInfo* info) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::map<int32_t, std::vector<ArrangeEntry*>> sheets;
    for (ArrangeEntry& e : entries) sheets[e.ArrangeNum].push_back(&e);
    for (auto& [sheet, onSheet] : sheets) {
      const double span = groupSpan(onSheet, *info);
      const double pitch = span + info->marginScan;
      // How many more copies of the group fit beside the first; in doubles,
      // so no size can overflow a count.
      const double more = std::trunc((area.width - span) / pitch);
      double used = span;
      if (info->duplicateCount != 1)
        used = more + 1 <= info->duplicateCount ? more * pitch + span
                                                : (info->duplicateCount - 1) * pitch + span;
      if (area.width > used)
        for (ArrangeEntry* e : onSheet) e->X += (area.width - used) * 0.5;
      std::ostringstream text;
      text << "CenterOffsetSetting sheet " << sheet << " span " << span << " pitch " << pitch
           << " n " << more << " duplicateCount " << info->duplicateCount << " marginScan "
           << info->marginScan << " marginFeed " << info->marginFeed << " arrangeMarginLeft "
           << info->arrangeMarginLeft << " arrangeMarginRight " << info->arrangeMarginRight;
      KvnCmnLog::logTrace(UNITCMN_SITE, text.str());
    }
  });
}

std::vector<CornerPointPlacement::Point> AbGroupingArranger::lockedCandidatePoints(
    const std::vector<ArrangeEntry>& locked, int32_t sheet) {
  return CornerPointRules::lockedCorners(locked, sheet);
}

void AbGroupingArranger::DebugOutputEntries(const std::string& title,
                                            const std::vector<ArrangeEntry>& entries) {
  if (!KvnCmnLog::accepts(KvnCmnLog::trace)) return;  // a line per entry: thousands
  KvnCmnLog::logTrace(UNITCMN_SITE, " *** " + title + " ***");
  for (const ArrangeEntry& e : entries) {
    KvnCmnLog::logTrace(UNITCMN_SITE, " CompID [ " + e.CompositeId + " ]  ArrangeNum [ " +
                                          std::to_string(e.ArrangeNum) + " ]  X [ " +
                                          std::to_string(e.X) + " ]  Y [ " + std::to_string(e.Y) +
                                          " ]  GroupIdx [ " + std::to_string(e.GroupIdx) +
                                          " ]  CopyNum [ " + std::to_string(e.CopyNum) + "]");
  }
}
