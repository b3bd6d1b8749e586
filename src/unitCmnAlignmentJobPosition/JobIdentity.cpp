#include "unitCmnAlignmentJobPosition/JobIdentity.h"

#include <set>

#include "unitCmnJobParam/JobParam.h"

std::vector<std::string> JobIdentity::compositeIds(const std::vector<JobParam*>& jobs) {
  std::vector<std::string> ids;
  std::set<std::string> taken;
  for (size_t k = 0; k < jobs.size(); ++k) {
    JobSection section;
    jobs[k]->getJobSection(section);
    const std::string number = std::to_string(k + 1);
    std::string id = section.jobID.empty() ? "Job" + number : section.jobID;
    if (taken.count(id)) id += "_" + number;
    taken.insert(id);
    ids.push_back(id);
  }
  return ids;
}
