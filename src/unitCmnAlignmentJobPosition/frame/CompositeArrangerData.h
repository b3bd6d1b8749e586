// What a job-position execution hands the composite arrangers: the jobs
// (shared, not owned) and the media geometry given to init. Millimetres.
#pragma once

#include <cstdint>
#include <vector>

class JobParam;
class OptiScoutCutConditionParam;

struct CompositeArrangerData {
  std::vector<JobParam*> jobs;
  int32_t arrangeKind = 0;
  double duplicateMarginScan = 0.0;  // gap kept across the media
  double duplicateMarginFeed = 0.0;  // gap kept along the media
  double positionOffset = 0.0;       // block-move arrangement only
  bool centerInScan = false;
  double printableWidth = 0.0;
  double printableLength = 0.0;  // -1 = unlimited roll
  double twinRollWidth1 = 0.0;   // where roll B starts across the media
  double twinRollWidth2 = 0.0;   // width of roll A
  const OptiScoutCutConditionParam* optiScoutParam = nullptr;  // may be null
};
