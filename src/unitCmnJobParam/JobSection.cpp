#include "unitCmnJobParam/JobSection.h"

const SectionTable<JobSection>& JobSection::table() {
  static const SectionTable<JobSection> t{
      {"JobID", &JobSection::jobID},
      {"Primary", &JobSection::primary},
      {"DeviceName", &JobSection::deviceName},
      {"ParamVersion", &JobSection::paramVersion},
      {"GroupingPrimary", &JobSection::groupingPrimary},
  };
  return t;
}
