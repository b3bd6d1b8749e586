#include "unitCmnAlignmentJobPositionUnmng/AlignmentJobPositionDll.h"

#include <cstring>

#include "unitCmnAlignmentJobPosition/cutter/XYSlitterArranger.h"
#include "unitCmnAlignmentJobPosition/jig/JigArrenger.h"
#include "unitCmnExceptions/ExportedCall.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

constexpr auto kEntry = ExportedCall::Entry::kRecord;
constexpr auto kNoEntry = ExportedCall::Entry::kNone;

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

bool AlignmentJobPositionDll::alignmentJobPositionExec(double* x, double* y, double* width,
                                                       double* height, double positionOffset) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (!coordinator) coordinator = std::make_unique<AlignmentJobPosition>();
    if (jobCount() == 0) return false;
    const auto rect = coordinator->AlignmentJobPositionExec(compositeData(positionOffset));
    if (x != nullptr) *x = rect.x;
    if (y != nullptr) *y = rect.y;
    if (width != nullptr) *width = rect.width;
    if (height != nullptr) *height = rect.height;
    return true;
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
    // Nothing to copy: a host that allocated 0 bytes may hand in null.
    if (size == 0) return true;
    if (buffer == nullptr) return false;
    // The host's buffer is declared const but is the output.
    std::memcpy(const_cast<void*>(buffer), serializedJobText.data(), serializedJobText.size());
    return true;
  });
}

bool AlignmentJobPositionDll::alignmentTilingPositionExec(bool pairFirst, double pageGap,
                                                          bool afterFeed, bool pairSecond,
                                                          double pairColumnOffset, int pairCount,
                                                          double pairRowWidthLimit) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (!coordinator) coordinator = std::make_unique<AlignmentJobPosition>();
    if (jobCount() == 0) return false;
    TilingArrangerData data{jobs.front().get(), arrangeKind, duplicateMarginScan,
                            duplicateMarginFeed, printableWidth, printableLength,
                            pairFirst, pageGap, afterFeed, pairSecond, pairColumnOffset,
                            pairCount, pairRowWidthLimit};
    return coordinator->AlignmentTilingPositionExec(data);
  });
}

void AlignmentJobPositionDll::addDeviceFunctionParam(const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText != nullptr) deviceFunctionParam.readParamData(xmlText);
  });
}

void AlignmentJobPositionDll::clearDeviceFunctionParam() {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] { deviceFunctionParam.initParam(); });
}

bool AlignmentJobPositionDll::alignmentXYSlitterPositionExec(bool center, double gapScan,
                                                             double gapFeed, double width,
                                                             double length, unsigned int variant) {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (jobCount() == 0) return false;
    XYSlitterArrangerData data;
    data.jobs = compositeData(0.0).jobs;
    data.printableWidth = width;
    data.printableLength = length;
    data.layoutVariant = variant;
    data.centerInScan = center;
    data.gapScan = gapScan;
    data.gapFeed = gapFeed;
    data.deviceFunctionParam = deviceFunctionParam;
    return XYSlitterArranger().arrange(data);
  });
}

void AlignmentJobPositionDll::addVariableDataPrintingParam(const char* key, const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText == nullptr) return;
    if (key == nullptr) unitCmnGuard::raise(UNITCMN_SITE, "the key of the variable data is null");
    VariableDataPrintingParam param;
    param.readParamData(xmlText);
    variableDataParams.insert_or_assign(key, param);
  });
}

void AlignmentJobPositionDll::clearVariableDataPrintingParam() {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] { variableDataParams.clear(); });
}

bool AlignmentJobPositionDll::alignmentJigPositionExec(const char* jigXmlText, const char* text) {
  return ExportedCall::run(UNITCMN_SITE, kEntry, false, [&] {
    if (jigXmlText == nullptr || text == nullptr)
      unitCmnGuard::raise(UNITCMN_SITE, "the jig run needs the jig text and the target job");
    JigArrengerJobInfos infos;
    // A jig that does not read completely would place images by defaults.
    if (!infos.jig.readParamData(jigXmlText))
      unitCmnGuard::raise(UNITCMN_SITE, "the jig text could not be read");
    infos.targetJobId = text;
    infos.jobs = compositeData(0.0).jobs;
    infos.variableDataParams = variableDataParams;
    return JigArrenger().arrange(infos);
  });
}

void AlignmentJobPositionDll::InitOptiScoutCutConditionParam(const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText == nullptr) return;
    auto param = std::make_unique<OptiScoutCutConditionParam>();
    param->readParamData(xmlText);
    optiScoutParam = std::move(param);
  });
}

void AlignmentJobPositionDll::InitJigParam(const char* xmlText) {
  ExportedCall::runVoid(UNITCMN_SITE, kEntry, [&] {
    if (xmlText == nullptr) return;
    auto param = std::make_unique<JigParam>();
    param->readParamData(xmlText);
    jigParam = std::move(param);
  });
}

bool AlignmentJobPositionDll::alignmentGroupingJobPositionExec() {
  return ExportedCall::run(UNITCMN_SITE, kNoEntry, false, [&] {
    if (!coordinator) coordinator = std::make_unique<AlignmentJobPosition>();
    if (jobCount() == 0) return false;
    // The same media as a job-position run, with copies of the jig and
    // device parameters.
    const CompositeArrangerData c = compositeData(0.0);
    const GroupingArrangerData data{c.jobs, c.arrangeKind, c.duplicateMarginScan,
                                    c.duplicateMarginFeed, 0.0, c.centerInScan,
                                    c.printableWidth, c.printableLength, c.twinRollWidth1,
                                    c.twinRollWidth2, jigParam ? *jigParam : JigParam(),
                                    deviceFunctionParam};
    coordinator->AlignmentGroupingJobPositionExec(data);
    return true;
  });
}

CompositeArrangerData AlignmentJobPositionDll::compositeData(double positionOffset) const {
  CompositeArrangerData data;
  for (const auto& job : jobs) data.jobs.push_back(job.get());
  data.arrangeKind = arrangeKind;
  data.duplicateMarginScan = duplicateMarginScan;
  data.duplicateMarginFeed = duplicateMarginFeed;
  data.positionOffset = positionOffset;
  data.centerInScan = centerInScan;
  data.printableWidth = printableWidth;
  data.printableLength = printableLength;
  data.twinRollWidth1 = twinRollWidth1;
  data.twinRollWidth2 = twinRollWidth2;
  data.optiScoutParam = optiScoutParam.get();
  return data;
}

int AlignmentJobPositionDll::jobCount() const { return static_cast<int>(jobs.size()); }
