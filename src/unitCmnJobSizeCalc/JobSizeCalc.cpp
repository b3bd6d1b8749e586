#include "unitCmnJobSizeCalc/JobSizeCalc.h"

#include <map>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobSizeCalc/JobLabel.h"
#include "unitCmnJobSizeCalc/RectUnion.h"
#include "unitCmnJobSizeCalc/RegisterMarks.h"
#include "unitCmnJobSizeCalc/SizeValues.h"
#include "unitCmnJobSizeCalc/TileSizeCalc.h"

namespace {

constexpr int kSealPanelType = 6;

// insertFFMarginMode: a page break after each page, or after each row of
// copies of each page; any other value keeps the copies' feed margin.
constexpr int kBreakPerPage = 1;
constexpr int kBreakPerRow = 2;

double largestOf(double a, double b, double c) {
  return sizeValues::larger(sizeValues::larger(a, b), c);
}

}  // namespace

JobSizeCalc::JobSizeCalc() { PrintSection::table().reset(primaryPrint_); }

JobSizeCalc::JobSizeCalc(const std::vector<JobParam*>& jobs, bool afterFeed, double pageGap)
    : JobSizeCalc() {
  setJobList(jobs, afterFeed, pageGap);
}

void JobSizeCalc::setJobList(const std::vector<JobParam*>& jobs, bool afterFeed, double pageGap) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    jobs_.clear();
    for (JobParam* job : jobs)
      if (job) jobs_.push_back(job);
    afterFeed_ = afterFeed;
    pageGap_ = pageGap;
    readPrimaryPrint();
  });
}

const JobParam* JobSizeCalc::findJob(const std::string& jobID) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&]() -> const JobParam* {
    for (const JobParam* job : jobs_) {
      JobSection identity;
      job->getJobSection(identity);
      if (identity.jobID == jobID) return job;
    }
    return nullptr;
  });
}

void JobSizeCalc::readPrimaryPrint() {
  PrintSection::table().reset(primaryPrint_);
  if (jobs_.empty()) return;
  std::vector<JobSection> identities(jobs_.size());
  for (std::size_t k = 0; k < jobs_.size(); ++k) jobs_[k]->getJobSection(identities[k]);
  jobs_[primaryIndex(identities)]->getPrintSection(primaryPrint_);
}

std::size_t JobSizeCalc::primaryIndex(const std::vector<JobSection>& jobs) {
  if (jobs.empty()) return 0;
  const JobSection& first = jobs.front();
  const std::string& primaryID =
      first.groupingPrimary.empty() ? first.primary : first.groupingPrimary;
  for (std::size_t k = 0; k < jobs.size(); ++k)
    if (jobs[k].jobID == primaryID) return k;
  KvnCmnLog::logTrace(UNITCMN_SITE, "primary job not in the list, using the first job: " + primaryID);
  return 0;
}

template <class Layout>
JobSizeCalc::Size JobSizeCalc::measure(const std::string& jobID, Layout&& layout) const {
  const JobParam* job = findJob(jobID);
  if (!job) {
    KvnCmnLog::logTrace(UNITCMN_SITE, "job not in the list: " + jobID);
    return {};
  }
  CompositeSection composite;
  if (!job->getCompositeSection(composite)) return {};
  return sizeValues::finiteOrZero(layout(*job, composite));
}

specialityType::DimDouble JobSizeCalc::getJobSize(const std::string& jobID) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return measure(jobID,
                   [&](const JobParam& j, const CompositeSection& c) { return jobSize(j, c); });
  });
}

specialityType::DimDouble JobSizeCalc::getSingleSize(const std::string& jobID) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return measure(jobID,
                   [&](const JobParam&, const CompositeSection& c) { return singleSize(c); });
  });
}

specialityType::DimDouble JobSizeCalc::getPanelSize(const std::string& jobID) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return measure(jobID, [&](const JobParam&, const CompositeSection& c) { return panelSize(c); });
  });
}

specialityType::DimDouble JobSizeCalc::getCopiesSize(const std::string& jobID) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return measure(jobID,
                   [&](const JobParam& j, const CompositeSection& c) { return copiesSize(j, c); });
  });
}

specialityType::DimDouble JobSizeCalc::getMultiPageSize(const std::string& jobID) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return measure(
        jobID, [&](const JobParam& j, const CompositeSection& c) { return multiPageSize(j, c); });
  });
}

specialityType::DimDouble JobSizeCalc::getTileSize(const std::string& jobID, int i, int j) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return measure(jobID, [&](const JobParam&, const CompositeSection& c) {
      return TileSizeCalc::size(c, primaryPrint_, i, j);
    });
  });
}

JobSizeCalc::Size JobSizeCalc::jobSize(const JobParam& job, const CompositeSection& c) const {
  if (c.pages != 1) return multiPageSize(job, c);
  if (c.duplicateCount >= 2) return copiesSize(job, c);
  if (c.paneling && c.panelType != 0) return panelSize(c);
  return singleSize(c);
}

// The widest and highest of the placed image, the image with its cut line
// and the image with its register marks; then the label below.
JobSizeCalc::Size JobSizeCalc::singleSize(const CompositeSection& c) const {
  const double w0 = c.placedWidth(), h0 = c.placedHeight();
  const double cut = c.printCutline ? 2 * sizeValues::pointsToMm(c.cutlineWidth) : 0.0;
  const double marks = RegisterMarks::allowance(primaryPrint_);
  Size s{largestOf(w0 + cut, w0 + marks, w0), largestOf(h0 + cut, h0 + marks, h0)};
  if (JobLabel::printed(c) && !c.paneling) s.height += JobLabel::height(c, primaryPrint_);
  return s;
}

JobSizeCalc::Size JobSizeCalc::panelSize(const CompositeSection& c) const {
  if (c.panelType == kSealPanelType) return sealsSize(c);
  return {c.panelScanSize, c.panelFeedSize};
}

// "sealCounts" seals in rows of "sealScanCounts"; a single row holds only
// as many columns as there are seals.
JobSizeCalc::Size JobSizeCalc::sealsSize(const CompositeSection& c) const {
  if (c.sealCounts <= 0) return {};
  const int perRow = sizeValues::atLeastOne(c.sealScanCounts);
  const int rows = sizeValues::rowsFor(c.sealCounts, perRow);
  const int columns = rows == 1 ? c.sealCounts : perRow;
  const Size seal = singleSize(c);
  return {columns * seal.width + (columns - 1) * c.sealMarginScan,
          rows * seal.height + (rows - 1) * c.sealMarginFeed};
}

// Regular copies sit in rows of n with the copy margins between them; with
// register marks of shape 3 neighbours share their marks, so each gap
// shrinks by what the marks add.
JobSizeCalc::Size JobSizeCalc::copiesSize(const JobParam& job, const CompositeSection& c) const {
  const Size copy = singleSize(c);
  if (!c.duplicateRegularly || primaryPrint_.fotobaMarkPrint) return unitsUnion(job, copy);
  const int n = sizeValues::atLeastOne(c.duplicateScanCount);
  const int rows = sizeValues::rowsFor(sizeValues::atLeastOne(c.duplicateCount), n);
  const double shared = RegisterMarks::sharedPerGap(primaryPrint_);
  const double gx = (n - 1) * (c.duplicateMarginScan - shared);
  const double gy = (rows - 1) * (c.duplicateMarginFeed - shared);
  return {n * copy.width + gx, rows * copy.height + gy};
}

JobSizeCalc::Size JobSizeCalc::multiPageSize(const JobParam& job, const CompositeSection& c) const {
  const Size copy = singleSize(c);
  if (!c.duplicateRegularly) return unitsUnion(job, copy);
  const int pages = static_cast<int>(c.targetPrintPages.size());
  if (pages == 0) return {};  // no page to print
  const int n = sizeValues::atLeastOne(c.duplicateScanCount);
  const int rows = sizeValues::rowsFor(sizeValues::atLeastOne(c.duplicateCount), n);
  const double totalRows = static_cast<double>(rows) * pages;
  const bool severalCopies = c.duplicateCount > 1;
  const bool rowMargins = severalCopies && primaryPrint_.insertFFMarginMode != kBreakPerRow;
  const double gx = severalCopies ? (n - 1) * c.duplicateMarginScan : 0.0;
  const double g = rowMargins ? (rows - 1) * c.duplicateMarginFeed : 0.0;
  const double gy = g * pages + pageBreaks(c, pages, totalRows);
  return {n * copy.width + gx, totalRows * copy.height + gy};
}

double JobSizeCalc::pageBreaks(const CompositeSection& c, int pages, double totalRows) const {
  const int mode = primaryPrint_.insertFFMarginMode;
  if (mode != kBreakPerPage && mode != kBreakPerRow) return (pages - 1) * c.duplicateMarginFeed;
  const double breaks = mode == kBreakPerPage ? pages - 1 : totalRows - 1;
  double perBreak = primaryPrint_.beforeMargin + primaryPrint_.afterMargin + pageGap_;
  if (afterFeed_) perBreak += primaryPrint_.afterFeed;
  return breaks * perBreak;
}

JobSizeCalc::Size JobSizeCalc::unitsUnion(const JobParam& job, const Size& unit) {
  std::map<std::string, BinaryUnitSection> units;
  job.getBinaryUnitSections(units);
  RectUnion all;
  for (const auto& entry : units) {
    const DoublePair at = entry.second.totalOffset();
    all.add({at[0], at[1], unit.width, unit.height});
  }
  const specialityType::RectDouble r = all.result();
  return {r.width, r.height};
}
