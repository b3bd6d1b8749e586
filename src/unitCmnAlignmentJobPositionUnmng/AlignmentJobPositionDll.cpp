#include "unitCmnAlignmentJobPositionUnmng/AlignmentJobPositionDll.h"

#include <cstring>

#include "unitCmnExceptions/ExportedCall.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

constexpr auto kEntry = ExportedCall::Entry::kRecord;
constexpr auto kNoEntry = ExportedCall::Entry::kNone;

// Operations whose execution is not part of this build answer false with
// this reason in the log.
[[noreturn]] void notAvailable(const SourceSite& site) {
  unitCmnGuard::raise(site, std::string(site.function) + ": not available in this build");
}

}  // namespace

AlignmentJobPositionDll::AlignmentJobPositionDll() = default;

bool AlignmentJobPositionDll::init(int kind, double marginScan, double marginFeed, bool center,
                                   double width, double length, double twin1, double twin2) {
  return ExportedCall::run(UNITCMN_SITE, kEntry, false, [&] {
    arrangeKind = kind;
    duplicateMarginScan = marginScan;
    duplicateMarginFeed = marginFeed;
    centerInScan = center;
    printableWidth = width;
    printableLength = length;
    twinRollWidth1 = twin1;
    twinRollWidth2 = twin2;
    return true;
  });
}

void AlignmentJobPositionDll::addJob(const char* jobText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (jobText == nullptr) return;
    auto job = std::make_unique<JobParam>();
    // A text that cannot be read still makes a job: the reader has logged
    // why, and the host keeps one job per text it handed in.
    if (job->readParamData(jobText)) job->checkValues();
    jobs.push_back(std::move(job));
  });
}

void AlignmentJobPositionDll::clearJob() {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    jobs.clear();
    serializedJobText.clear();
  });
}

void AlignmentJobPositionDll::disposeInstance() {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] { delete this; });
}

bool AlignmentJobPositionDll::alignmentJobPositionExec(double*, double*, double*, double*,
                                                       double) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (jobCount() == 0) return false;
    notAvailable(UNITCMN_SITE);
  });
}

bool AlignmentJobPositionDll::getAlignmentJobCount(int* count) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (jobCount() == 0) return false;
    if (count != nullptr) *count = jobCount();
    return true;
  });
}

bool AlignmentJobPositionDll::getAlignmentJobSize(int index, uint64_t* size) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    serializedJobText.clear();
    if (index < 0 || index >= jobCount()) return false;
    jobs[static_cast<size_t>(index)]->toText(serializedJobText);
    *size = serializedJobText.size();
    return true;
  });
}

bool AlignmentJobPositionDll::copyAlignmentJobParam(const void* buffer, uint64_t size) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (size != serializedJobText.size()) return false;
    // The host's buffer is declared const but is the output.
    std::memcpy(const_cast<void*>(buffer), serializedJobText.data(), serializedJobText.size());
    return true;
  });
}

bool AlignmentJobPositionDll::alignmentTilingPositionExec(bool, double, bool, bool, double, int,
                                                          double) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (jobCount() == 0) return false;
    notAvailable(UNITCMN_SITE);
  });
}

void AlignmentJobPositionDll::addDeviceFunctionParam(const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText == nullptr) return;
    notAvailable(UNITCMN_SITE);
  });
}

void AlignmentJobPositionDll::clearDeviceFunctionParam() {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {});
}

bool AlignmentJobPositionDll::alignmentXYSlitterPositionExec(bool, double, double, double,
                                                             double, unsigned int) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false,
                           [&]() -> bool { notAvailable(UNITCMN_SITE); });
}

void AlignmentJobPositionDll::addVariableDataPrintingParam(const char*, const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText == nullptr) return;
    notAvailable(UNITCMN_SITE);
  });
}

void AlignmentJobPositionDll::clearVariableDataPrintingParam() {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {});
}

bool AlignmentJobPositionDll::alignmentJigPositionExec(const char*, const char*) {
  return ExportedCall::run(UNITCMN_SITE, kEntry, false,
                           [&]() -> bool { notAvailable(UNITCMN_SITE); });
}

void AlignmentJobPositionDll::InitOptiScoutCutConditionParam(const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText == nullptr) return;
    notAvailable(UNITCMN_SITE);
  });
}

void AlignmentJobPositionDll::InitJigParam(const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText == nullptr) return;
    notAvailable(UNITCMN_SITE);
  });
}

bool AlignmentJobPositionDll::alignmentGroupingJobPositionExec() {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (jobCount() == 0) return false;
    notAvailable(UNITCMN_SITE);
  });
}

int AlignmentJobPositionDll::jobCount() const { return static_cast<int>(jobs.size()); }
