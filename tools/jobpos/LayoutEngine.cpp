#include "LayoutEngine.h"

#include "LibraryErrors.h"
#include "ToolError.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

// The refusal with the library's own error record of the call, when it
// logged one.
ToolError answeredFalse(const std::string& call, std::size_t mark) {
  const std::string record = LibraryErrors::lastSince(mark);
  return ToolError(ToolError::kLibraryFalse,
                   call + " answered false" +
                       (record.empty() ? std::string(" (the library logged no reason)")
                                       : "; the library's error record: " + record));
}

}  // namespace

LayoutEngine::LayoutEngine() : instance_(nullptr) {
  const std::size_t mark = LibraryErrors::count();
  instance_ = CreateInstance();
  if (instance_ == nullptr) throw answeredFalse("CreateInstance", mark);
}

LayoutEngine::~LayoutEngine() { disposeInstance(instance_); }

void LayoutEngine::init(const MediaSettings& m) {
  const std::size_t mark = LibraryErrors::count();
  if (!::init(instance_, m.kind, m.gapScan, m.gapFeed, m.centerInScan, m.width, m.length,
              m.twinWidth1, m.twinWidth2))
    throw answeredFalse("init", mark);
}

std::string LayoutEngine::addJob(const std::string& jobText) {
  const std::size_t mark = LibraryErrors::count();
  ::addJob(instance_, jobText.c_str());
  return LibraryErrors::lastSince(mark);
}

void LayoutEngine::addJobs(const std::vector<JobText>& jobs) {
  for (const auto& job : jobs) {
    const std::string record = addJob(job.text());
    if (!record.empty())
      throw ToolError(ToolError::kUsage,
                      job.origin() + ": the library cannot read it: " + record);
  }
}

std::string LayoutEngine::addDeviceFunctionParam(const std::string& xmlText) {
  const std::size_t mark = LibraryErrors::count();
  ::addDeviceFunctionParam(instance_, xmlText.c_str());
  return LibraryErrors::lastSince(mark);
}

std::string LayoutEngine::addOptiScoutCutConditions(const std::string& xmlText) {
  const std::size_t mark = LibraryErrors::count();
  InitOptiScoutCutConditionParam(instance_, xmlText.c_str());
  return LibraryErrors::lastSince(mark);
}

SheetRect LayoutEngine::arrange(double positionOffset) {
  const std::size_t mark = LibraryErrors::count();
  SheetRect r;
  if (!alignmentJobPositionExec(instance_, &r.x, &r.y, &r.width, &r.height, positionOffset))
    throw answeredFalse("alignmentJobPositionExec", mark);
  return r;
}

void LayoutEngine::tile(const TilingSettings& t) {
  const std::size_t mark = LibraryErrors::count();
  if (!alignmentTilingPositionExec(instance_, t.pairFirst, t.pageGap, t.afterFeed, t.pairSecond,
                                   t.pairColumnOffset, t.pairCount, t.pairRowWidthLimit))
    throw answeredFalse("alignmentTilingPositionExec", mark);
}

void LayoutEngine::group() {
  const std::size_t mark = LibraryErrors::count();
  if (!alignmentGroupingJobPositionExec(instance_))
    throw answeredFalse("alignmentGroupingJobPositionExec", mark);
}

void LayoutEngine::addVariableData(const std::string& key, const std::string& xmlText) {
  addVariableDataPrintingParam(instance_, key.c_str(), xmlText.c_str());
}

void LayoutEngine::arrangeJig(const std::string& jigXmlText, const std::string& targetJobId) {
  const std::size_t mark = LibraryErrors::count();
  if (!alignmentJigPositionExec(instance_, jigXmlText.c_str(), targetJobId.c_str()))
    throw answeredFalse("alignmentJigPositionExec", mark);
}

std::string LayoutEngine::initJig(const std::string& xmlText) {
  const std::size_t mark = LibraryErrors::count();
  InitJigParam(instance_, xmlText.c_str());
  return LibraryErrors::lastSince(mark);
}

void LayoutEngine::slitter(const SlitterSettings& s) {
  const std::size_t mark = LibraryErrors::count();
  if (!alignmentXYSlitterPositionExec(instance_, s.centerInScan, s.gapScan, s.gapFeed, s.width,
                                      s.length, s.variant))
    throw answeredFalse("alignmentXYSlitterPositionExec", mark);
}

std::vector<std::string> LayoutEngine::jobTexts() {
  const std::size_t mark = LibraryErrors::count();
  int count = 0;
  if (!getAlignmentJobCount(instance_, &count)) throw answeredFalse("getAlignmentJobCount", mark);
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) {
    uint64_t size = 0;
    if (!getAlignmentJobSize(instance_, i, &size))
      throw answeredFalse("getAlignmentJobSize for job " + std::to_string(i), mark);
    std::string text(size, '\0');
    if (!copyAlignmentJobParam(instance_, text.data(), size))
      throw answeredFalse("copyAlignmentJobParam for job " + std::to_string(i), mark);
    texts.push_back(std::move(text));
  }
  return texts;
}
