// What the stand-alone XY slitter execution hands its arranger: the jobs
// (shared, not owned), its six arguments in the record's order and a copy
// of the device-function parameters. It does not use init's values: the
// arguments carry the media. Millimetres.
#pragma once

#include <cstdint>
#include <vector>

#include "unitCmnParams/DeviceFunctionParam.h"

class JobParam;

struct XYSlitterArrangerData {
  std::vector<JobParam*> jobs;
  double printableWidth = 0.0;   // argument 4
  double printableLength = 0.0;  // argument 5; -1 = unlimited roll
  uint32_t layoutVariant = 0;    // argument 6 (XYSlitterArranger)
  bool centerInScan = false;     // argument 1
  double gapScan = 0.0;          // argument 2: between units across
  double gapFeed = 0.0;          // argument 3: between units along
  DeviceFunctionParam deviceFunctionParam;
};
