// What a grouping execution hands the grouping arrangers: every job
// (shared, not owned), the kind and media given to init, and copies of the
// instance's jig and device-function parameters. Millimetres.
#pragma once

#include <cstdint>
#include <vector>

#include "unitCmnParams/DeviceFunctionParam.h"
#include "unitCmnParams/JigParam.h"

class JobParam;

struct GroupingArrangerData {
  std::vector<JobParam*> jobs;
  int32_t arrangeKind = 0;
  double duplicateMarginScan = 0.0;
  double duplicateMarginFeed = 0.0;
  double positionOffset = 0.0;  // always 0 for grouping
  bool centerInScan = false;
  double printableWidth = 0.0;
  double printableLength = 0.0;  // -1 = unlimited roll
  double twinRollWidth1 = 0.0;
  double twinRollWidth2 = 0.0;
  JigParam jigParam;
  DeviceFunctionParam deviceFunctionParam;
};
