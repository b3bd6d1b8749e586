// One member of a jig run: its job (not owned), its "JobID", its
// "Composite" as read and as the jig leaves it, and its variable data.
#pragma once

#include <string>

#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnParams/VariableDataPrintingParam.h"

class JobParam;

struct JigMember {
  JobParam* job = nullptr;
  std::string id;
  CompositeSection composite;  // as the jig leaves it
  bool compositeChanged = false;
  const VariableDataPrintingParam* variableData = nullptr;  // in the run's record
};
