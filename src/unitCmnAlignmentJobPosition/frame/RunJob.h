// One job as a run of the arrangement sees it: the job, the identifier its
// units are known by, its decoded "Job", "Print" and "Composite" records,
// its binary-unit and arrangement sections, read once when the run starts. What the run
// writes back is kept here too, and reaches the job only when the run
// commits (RunJobs::commit), so a run that fails leaves the job as it was.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "unitCmnJobParam/JobParam.h"

struct RunJob {
  JobParam* job = nullptr;  // not owned
  std::string compositeId;  // unique within the run
  JobSection identity;
  PrintSection print;
  CompositeSection composite;  // as read, then as the run leaves it
  std::map<std::string, BinaryUnitSection> units;  // as read, by section name
  std::map<std::string, ArrangeSection> arrangeSections;  // as read, by section name

  // The write-back's result: when arranged, the job's arrangement and
  // binary-unit sections are replaced by these.
  bool arranged = false;
  std::map<int, ArrangeSection> sheets;  // by sheet number
  std::vector<std::pair<std::string, BinaryUnitSection>> placedUnits;
  bool printChanged = false;      // "Print" is written back
  bool compositeChanged = false;  // "Composite" is written back
};
