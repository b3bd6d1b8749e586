#include "GroupSettings.h"

#include <algorithm>
#include <boost/algorithm/string/predicate.hpp>

namespace {

bool isTrue(const JobText& job, const char* section, const char* key) {
  const auto text = job.value(section, key);
  return text && boost::algorithm::iequals(*text, "true");
}

const JobText* primaryOf(const std::vector<JobText>& jobs) {
  for (const auto& job : jobs) {
    const auto id = job.value("Job", "JobID");
    if (id && !id->empty() && job.value("Job", "GroupingPrimary") == id) return &job;
  }
  return nullptr;
}

// The loaded main job named id; null when there is none.
const JobText* mainJob(const std::vector<JobText>& jobs, const std::string& id) {
  for (const auto& job : jobs)
    if (job.value("Job", "JobID") == id && job.value("Job", "Primary") == id) return &job;
  return nullptr;
}

SideMargins marginsOf(const JobText& job, const char* section, const std::string& prefix) {
  SideMargins m;
  m.top = job.number(section, prefix + "Top", 0.0);
  m.bottom = job.number(section, prefix + "Bottom", 0.0);
  m.left = job.number(section, prefix + "Left", 0.0);
  m.right = job.number(section, prefix + "Right", 0.0);
  return m;
}

}  // namespace

GroupSettings::GroupSettings(const std::vector<JobText>& jobs) {
  const JobText* primary = primaryOf(jobs);
  if (primary == nullptr) return;
  primaryId_ = *primary->value("Job", "JobID");
  duplicateCount_ = static_cast<int>(primary->number("Print", "groupingDuplicateCount", 0));
  group_ = marginsOf(*primary, "Print", "groupingMargin");
  arrange_ = marginsOf(*primary, "Arrange1", "arrangeMargin");
  allLocked_ = isTrue(*primary, "Print", "groupingPositionLock");
  for (const auto& name : primary->texts("Print", "groupingMember")) {
    const JobText* member = mainJob(jobs, name);
    if (member == nullptr || isMember(name)) continue;
    members_.push_back(name);
    if (allLocked_ || isTrue(*member, "Composite", "duplicatePositionLock")) locked_.insert(name);
  }
}

bool GroupSettings::isMember(const std::string& jobId) const {
  return std::find(members_.begin(), members_.end(), jobId) != members_.end();
}

std::string GroupSettings::lockReason(const std::string& jobId) const {
  if (!isLocked(jobId)) return "";
  return allLocked_ ? "the primary's groupingPositionLock" : "its duplicatePositionLock";
}
