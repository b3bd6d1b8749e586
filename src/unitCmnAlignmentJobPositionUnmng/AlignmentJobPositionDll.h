// The instance behind the exported C functions. It collects the jobs and
// parameter texts that the host hands it, runs one arrangement execution on
// request and keeps the text of the last job the host asked to read back.
// Every operation is an exported operation: it never throws (see
// ExportedCall) and reports failure as false.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/AlignmentJobPosition.h"
#include "unitCmnJobParam/JobParam.h"
#include <map>

#include "unitCmnParams/DeviceFunctionParam.h"
#include "unitCmnParams/JigParam.h"
#include "unitCmnParams/OptiScoutCutConditionParam.h"
#include "unitCmnParams/VariableDataPrintingParam.h"

class AlignmentJobPositionDll final {
 public:
  AlignmentJobPositionDll();

  virtual bool init(int arrangeKind, double duplicateMarginScan, double duplicateMarginFeed,
                    bool centerInScan, double printableWidth, double printableLength,
                    double twinRollWidth1, double twinRollWidth2);
  virtual void addJob(const char* jobText);
  virtual void clearJob();
  // Destroys the instance: `this` is gone when it returns.
  virtual void disposeInstance();
  virtual bool alignmentJobPositionExec(double* x, double* y, double* width, double* height,
                                        double positionOffset);
  virtual bool getAlignmentJobCount(int* count);
  virtual bool getAlignmentJobSize(int index, uint64_t* size);
  virtual bool copyAlignmentJobParam(const void* buffer, uint64_t size);
  virtual bool alignmentTilingPositionExec(bool pairFirst, double pageGap, bool afterFeed,
                                           bool pairSecond, double pairColumnOffset,
                                           int pairCount, double pairRowWidthLimit);
  virtual void addDeviceFunctionParam(const char* xmlText);
  virtual void clearDeviceFunctionParam();
  // The arguments carry the media (see the public header).
  virtual bool alignmentXYSlitterPositionExec(bool centerInScan, double gapScan, double gapFeed,
                                              double width, double length,
                                              unsigned int layoutVariant);
  virtual void addVariableDataPrintingParam(const char* key, const char* xmlText);
  virtual void clearVariableDataPrintingParam();
  virtual bool alignmentJigPositionExec(const char* jigXmlText, const char* text);
  virtual void InitOptiScoutCutConditionParam(const char* xmlText);
  virtual void InitJigParam(const char* xmlText);
  virtual bool alignmentGroupingJobPositionExec();

  // Read access for tests.
  const DeviceFunctionParam& deviceFunction() const { return deviceFunctionParam; }
  const OptiScoutCutConditionParam* optiScout() const { return optiScoutParam.get(); }
  const JigParam* jig() const { return jigParam.get(); }
  const std::map<std::string, VariableDataPrintingParam>& variableData() const {
    return variableDataParams;
  }

 private:
  ~AlignmentJobPositionDll() = default;  // only disposeInstance destroys

  int jobCount() const;
  CompositeArrangerData compositeData(double positionOffset) const;

  int32_t arrangeKind = 0;
  double duplicateMarginScan = 0.0;  // mm, gap across the media
  double duplicateMarginFeed = 0.0;  // mm, gap along the media
  bool centerInScan = false;
  double printableWidth = 0.0;   // mm
  double printableLength = 0.0;  // mm, -1 = unlimited roll
  double twinRollWidth1 = 0.0;   // mm, where the second roll starts
  double twinRollWidth2 = 0.0;   // mm, width of the first roll
  std::vector<std::unique_ptr<JobParam>> jobs;  // in the order added
  std::string serializedJobText;  // text of the last getAlignmentJobSize
  std::unique_ptr<AlignmentJobPosition> coordinator;  // made by the first execution
  DeviceFunctionParam deviceFunctionParam;
  std::unique_ptr<OptiScoutCutConditionParam> optiScoutParam;
  std::unique_ptr<JigParam> jigParam;
  std::map<std::string, VariableDataPrintingParam> variableDataParams;  // by the host's key
};
