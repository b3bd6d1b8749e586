#include "unitCmnAlignmentJobPosition/AbCompositeArranger.h"

#include <algorithm>
#include <cmath>

#include "unitCmnAlignmentJobPosition/ArrangeEntryBuilder.h"
#include "unitCmnAlignmentJobPosition/ArrangementWriter.h"
#include "unitCmnAlignmentJobPosition/EntryRotation.h"
#include "unitCmnAlignmentJobPosition/LengthLimit.h"
#include "unitCmnAlignmentJobPosition/MarkSettings.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobParam/JobParam.h"
#include "unitCmnParams/OptiScoutCutConditionParam.h"

namespace {

PrintSection firstPrint(const std::vector<JobParam*>& jobs) {
  PrintSection print;
  if (!jobs.empty() && jobs.front() != nullptr) jobs.front()->getPrintSection(print);
  return print;
}

// Widths that are no number count as no room; a length that is no number
// too, an infinite one as an unlimited roll.
void sanitize(double& width, double& length) {
  if (!std::isfinite(width)) width = 0.0;
  if (std::isnan(length)) length = 0.0;
  if (std::isinf(length)) length = LengthLimit::kUnlimited;
}

}  // namespace

AbCompositeArranger::~AbCompositeArranger() = default;

specialityType::DimDouble AbCompositeArranger::getPrintableArea(const CompositeArrangerData& data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    double width = data.printableWidth;
    double length = data.printableLength;
    sanitize(width, length);
    const PrintSection print = firstPrint(data.jobs);
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
    printableArea_ = specialityType::DimDouble{width, length};
    return printableArea_;
  });
}

std::vector<ArrangeEntry> AbCompositeArranger::buildArrangeEntries(
    const CompositeArrangerData& data) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return ArrangeEntryBuilder(data).build(); });
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
                                                  JobParam* job) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (job == nullptr || entries.empty()) return false;
    PrintSection print;
    job->getPrintSection(print);
    if (!MarkSettings::of(print).aroundEntries()) return false;
    const auto last = std::max_element(
        entries.begin(), entries.end(),
        [](const ArrangeEntry& a, const ArrangeEntry& b) { return a.ArrangeNum < b.ArrangeNum; });
    if (last->ArrangeNum <= 1) return false;
    print.registerMarkTarget = 0;
    job->setPrintSection(print);
    return true;
  });
}

void AbCompositeArranger::writeArrangement(const std::vector<ArrangeEntry>& entries,
                                           const std::vector<JobParam*>& jobs, int arrangeKind,
                                           bool centerInScan) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (entries.empty() || jobs.empty()) return;
    ArrangementWriter::Layout layout{policyName(arrangeKind), centerInScan, printableArea_,
                                     codeMargin, codeRight, codeBottom};
    ArrangementWriter(jobs, layout).write(entries);
  });
}

void AbCompositeArranger::writeDuplicateMargins(const std::vector<JobParam*>& jobs,
                                                double marginScan, double marginFeed) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    for (JobParam* job : jobs) {
      CompositeSection composite;
      job->getCompositeSection(composite);
      composite.duplicateMarginScan = marginScan;
      composite.duplicateMarginFeed = marginFeed;
      job->setCompositeSection(composite);
    }
  });
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

std::string AbCompositeArranger::policyName(int arrangeKind) {
  switch (arrangeKind) {
    case 0: case 9: return "Sequential";
    case 1: case 10: case 11: return "MinimumSize";
    case 2: return "NoRotation";
    case 3: return "NoAutoRotation";
    case 4: return "FotobaMark";
    case 5: return "TwinRoll";
    case 12: return "BlockMove";
    default: return "";
  }
}

specialityType::RectDouble AbCompositeArranger::finishArrangement(
    const std::vector<ArrangeEntry>& entries, const CompositeArrangerData& data) {
  JobParam* first = data.jobs.empty() ? nullptr : data.jobs.front();
  if (checkRegisterMarkTarget(entries, first)) return arrange(data);
  writeArrangement(entries, data.jobs, data.arrangeKind, data.centerInScan);
  writeDuplicateMargins(data.jobs, data.duplicateMarginScan, data.duplicateMarginFeed);
  return getArrangedRect(entries);
}
