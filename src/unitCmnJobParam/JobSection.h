// The identity of a job among the jobs of one run: section "Job". Read
// only; "Primary" and "GroupingPrimary" name the job that leads a
// composite or a grouping.
#pragma once

#include <string>

#include "unitCmnJobParam/SectionTable.h"

struct JobSection {
  std::string jobID;
  std::string primary;
  std::string deviceName;
  std::string paramVersion;
  std::string groupingPrimary;

  static const SectionTable<JobSection>& table();
  bool operator==(const JobSection& o) const { return table().equal(*this, o); }
};
