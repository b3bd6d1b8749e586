#include "LayoutEngine.h"

#include "ToolError.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

ToolError answeredFalse(const std::string& call) {
  return ToolError(ToolError::kLibraryFalse,
                   call + " answered false (see --log error for the reason)");
}

}  // namespace

LayoutEngine::LayoutEngine() : instance_(CreateInstance()) {
  if (instance_ == nullptr)
    throw ToolError(ToolError::kLibraryFalse,
                    "CreateInstance answered null (see --log error for the reason)");
}

LayoutEngine::~LayoutEngine() { disposeInstance(instance_); }

void LayoutEngine::init(const MediaSettings& m) {
  if (!::init(instance_, m.kind, m.gapScan, m.gapFeed, m.centerInScan, m.width, m.length,
              m.twinWidth1, m.twinWidth2))
    throw answeredFalse("init");
}

void LayoutEngine::addJob(const std::string& jobText) { ::addJob(instance_, jobText.c_str()); }

void LayoutEngine::addDeviceFunctionParam(const std::string& xmlText) {
  ::addDeviceFunctionParam(instance_, xmlText.c_str());
}

void LayoutEngine::addOptiScoutCutConditions(const std::string& xmlText) {
  InitOptiScoutCutConditionParam(instance_, xmlText.c_str());
}

SheetRect LayoutEngine::arrange(double positionOffset) {
  SheetRect r;
  if (!alignmentJobPositionExec(instance_, &r.x, &r.y, &r.width, &r.height, positionOffset))
    throw answeredFalse("alignmentJobPositionExec");
  return r;
}

void LayoutEngine::tile(const TilingSettings& t) {
  if (!alignmentTilingPositionExec(instance_, t.pairFirst, t.pageGap, t.afterFeed, t.pairSecond,
                                   t.pairColumnOffset, t.pairCount, t.pairRowWidthLimit))
    throw answeredFalse("alignmentTilingPositionExec");
}

void LayoutEngine::group() {
  if (!alignmentGroupingJobPositionExec(instance_))
    throw answeredFalse("alignmentGroupingJobPositionExec");
}

void LayoutEngine::addVariableData(const std::string& key, const std::string& xmlText) {
  addVariableDataPrintingParam(instance_, key.c_str(), xmlText.c_str());
}

void LayoutEngine::arrangeJig(const std::string& jigXmlText, const std::string& targetJobId) {
  if (!alignmentJigPositionExec(instance_, jigXmlText.c_str(), targetJobId.c_str()))
    throw answeredFalse("alignmentJigPositionExec");
}

void LayoutEngine::initJig(const std::string& xmlText) { InitJigParam(instance_, xmlText.c_str()); }

void LayoutEngine::slitter(const SlitterSettings& s) {
  if (!alignmentXYSlitterPositionExec(instance_, s.centerInScan, s.gapScan, s.gapFeed, s.width,
                                      s.length, s.variant))
    throw answeredFalse("alignmentXYSlitterPositionExec");
}

std::vector<std::string> LayoutEngine::jobTexts() {
  int count = 0;
  if (!getAlignmentJobCount(instance_, &count)) throw answeredFalse("getAlignmentJobCount");
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) {
    uint64_t size = 0;
    if (!getAlignmentJobSize(instance_, i, &size))
      throw answeredFalse("getAlignmentJobSize for job " + std::to_string(i));
    std::string text(size, '\0');
    if (!copyAlignmentJobParam(instance_, text.data(), size))
      throw answeredFalse("copyAlignmentJobParam for job " + std::to_string(i));
    texts.push_back(std::move(text));
  }
  return texts;
}
