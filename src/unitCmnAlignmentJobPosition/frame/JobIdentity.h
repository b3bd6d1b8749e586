// The composite identifier an arrangement knows each job by: its "JobID",
// or "Job<n>" (n counted from 1) when it has none. A job whose identifier
// an earlier job of the run already has gets "_<n>" appended, so every
// placed unit finds its own job again.
#pragma once

#include <string>
#include <vector>

#include "unitCmnJobParam/JobSection.h"

class JobIdentity {
 public:
  // One identifier per "Job" record, in the same order.
  static std::vector<std::string> compositeIds(const std::vector<JobSection>& jobs);
};
