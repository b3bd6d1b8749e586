#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"

#include <algorithm>
#include <cmath>

#include "unitCmnAlignmentJobPosition/ArrangeKinds.h"
#include "unitCmnAlignmentJobPosition/frame/ArrangeEntryBuilder.h"
#include "unitCmnAlignmentJobPosition/frame/ArrangementWriter.h"
#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"
#include "unitCmnAlignmentJobPosition/frame/LengthLimit.h"
#include "unitCmnAlignmentJobPosition/frame/MarkSettings.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnParams/OptiScoutCutConditionParam.h"

AbCompositeArranger::~AbCompositeArranger() = default;

specialityType::RectDouble AbCompositeArranger::arrange(CompositeArrangerData data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    codeMargin = 0.0;
    codeRight = codeBottom = false;
    RunJobs run(data.jobs);
    prepareRun(run);
    auto entries = placePass(data, run);
    if (rerunsForRegisterMarks() && checkRegisterMarkTarget(entries, run))
      entries = placePass(data, run);
    writeArrangement(entries, run, data.arrangeKind, data.centerInScan);
    writeDuplicateMargins(run, data.duplicateMarginScan, data.duplicateMarginFeed);
    run.commit();
    return getArrangedRect(entries);
  });
}

std::vector<ArrangeEntry> AbCompositeArranger::placePass(const CompositeArrangerData& data,
                                                         const RunJobs& run) {
  printableArea_ = areaOf(data, run);
  auto entries = buildArrangeEntries(run);
  placeEntries(entries, printableArea_, data);
  return entries;
}

specialityType::DimDouble AbCompositeArranger::getPrintableArea(const CompositeArrangerData& data,
                                                                const RunJobs& run) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    double width = data.printableWidth;
    double length = data.printableLength;
    LengthLimit::sanitize(width, length);
    const PrintSection& print = run.firstPrint();
    const MarkSettings marks = MarkSettings::of(print);
    const bool limited = length != LengthLimit::kUnlimited;
    // A re-run starts from the same strip, not from the last run's.
    codeMargin = 0.0;
    codeRight = codeBottom = false;

    double markAllowance = 0.0;
    if (marks.aroundLayout()) {
      width -= 2 * marks.size + 2 * marks.offset + marks.layoutFillLoss();
      markAllowance = marks.size + marks.fillAroundExtra();
    } else if (marks.target == 1 && marks.shape == 3) {
      width -= marks.size;
    }
    if (print.isUseOptiScoutCutCondition && data.optiScoutParam != nullptr) {
      const auto& code = data.optiScoutParam->codeInfoModel;
      double strip = code.codeSize.height + code.codeOffset.x;
      if (marks.aroundLayout()) strip -= marks.offset + markAllowance;
      if (strip > 0) codeMargin += strip;
      const auto& at = code.codePrintPosition;
      if (at.leftTop || at.leftBottom) width -= codeMargin;
      if (at.rightTop || at.rightBottom) {
        codeRight = true;
        width -= codeMargin;
      }
      if (at.bottomRight || at.bottomLeft) codeBottom = true;
      if (limited && (at.topRight || at.topLeft)) length -= codeMargin;
      if (limited && (at.bottomRight || at.bottomLeft)) length -= codeMargin;
    }
    if (limited && marks.aroundLayout()) {
      length -= 2 * marks.size + 2 * marks.offset + marks.layoutFillLoss();
    } else if (limited && marks.target == 1 && marks.shape == 3) {
      length -= marks.size;
    }
    if (width <= 0) width = 0.0;
    if (limited && length <= 0) length = 0.0;
    return specialityType::DimDouble{width, length};
  });
}

std::vector<ArrangeEntry> AbCompositeArranger::buildArrangeEntries(const RunJobs& run) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return ArrangeEntryBuilder(run).build(); });
}

std::vector<ArrangeEntry> AbCompositeArranger::rotateLandscape(
    const std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area) {
  return EntryRotation::rotateLandscape(entries, area);
}

std::vector<ArrangeEntry> AbCompositeArranger::resetRotation(
    const std::vector<ArrangeEntry>& entries) {
  return EntryRotation::resetRotation(entries);
}

std::vector<ArrangeEntry> AbCompositeArranger::sortByHeight(std::vector<ArrangeEntry> entries) {
  // Entries are built with finite sizes, so the order is a strict weak one.
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ArrangeEntry& a, const ArrangeEntry& b) {
                     return a.MmHeight > b.MmHeight;
                   });
  return entries;
}

void AbCompositeArranger::rotate90(ArrangeEntry& e) { EntryRotation::rotate90(e); }

void AbCompositeArranger::rotate270(ArrangeEntry& e) { EntryRotation::rotate270(e); }

bool AbCompositeArranger::checkRegisterMarkTarget(const std::vector<ArrangeEntry>& entries,
                                                  RunJobs& run) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (run.empty() || entries.empty()) return false;
    if (!MarkSettings::of(run.firstPrint()).aroundEntries()) return false;
    const auto last = std::max_element(
        entries.begin(), entries.end(),
        [](const ArrangeEntry& a, const ArrangeEntry& b) { return a.ArrangeNum < b.ArrangeNum; });
    if (last->ArrangeNum <= 1) return false;
    run.putMarksAroundLayout();
    return true;
  });
}

void AbCompositeArranger::writeArrangement(const std::vector<ArrangeEntry>& entries, RunJobs& run,
                                           int arrangeKind, bool centerInScan) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty() || run.empty()) return;
    ArrangementWriter::Layout layout{policyName(arrangeKind), centerInScan,
                                     printableArea_, codeMargin, codeRight, codeBottom, {}};
    ArrangementWriter(run, layout).write(entries);
  });
}

std::string AbCompositeArranger::policyName(int arrangeKind) const {
  return ArrangeKinds::policyName(arrangeKind);
}

void AbCompositeArranger::writeDuplicateMargins(RunJobs& run, double marginScan,
                                                double marginFeed) {
  for (size_t k = 0; k < run.size(); ++k) {
    run[k].composite.duplicateMarginScan = marginScan;
    run[k].composite.duplicateMarginFeed = marginFeed;
    run[k].compositeChanged = true;
  }
}

specialityType::RectDouble AbCompositeArranger::getArrangedRect(
    const std::vector<ArrangeEntry>& entries) {
  bool any = false;
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (const auto& e : entries) {
    if (e.ArrangeNum >= 2) continue;
    if (!any || e.X < minX) minX = e.X;
    if (!any || e.Y < minY) minY = e.Y;
    if (!any || e.X + e.MmWidth > maxX) maxX = e.X + e.MmWidth;
    if (!any || e.Y + e.MmHeight > maxY) maxY = e.Y + e.MmHeight;
    any = true;
  }
  if (!any) return specialityType::RectDouble{};
  return specialityType::RectDouble{minX, minY, maxX - minX, maxY - minY};
}
