#include "unitCmnAlignmentJobPosition/frame/JobIdentity.h"

#include <set>

std::vector<std::string> JobIdentity::compositeIds(const std::vector<JobSection>& jobs) {
  std::vector<std::string> ids;
  std::set<std::string> taken;
  for (size_t k = 0; k < jobs.size(); ++k) {
    const std::string number = std::to_string(k + 1);
    std::string id = jobs[k].jobID.empty() ? "Job" + number : jobs[k].jobID;
    if (taken.count(id)) id += "_" + number;
    taken.insert(id);
    ids.push_back(id);
  }
  return ids;
}
