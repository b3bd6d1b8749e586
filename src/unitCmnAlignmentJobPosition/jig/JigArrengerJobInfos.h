// What the jig execution hands the jig arranger: the "JobID" of the job
// whose jig run this is, the jig read from the host's text, the instance's
// jobs (shared, not owned) and a copy of its variable-data parameters by
// the host's key, which is a member's "JobID".
#pragma once

#include <map>
#include <string>
#include <vector>

#include "unitCmnParams/JigParam.h"
#include "unitCmnParams/VariableDataPrintingParam.h"

class JobParam;

struct JigArrengerJobInfos {
  std::string targetJobId;
  JigParam jig;
  std::vector<JobParam*> jobs;
  std::map<std::string, VariableDataPrintingParam> variableDataParams;
};
