// The sections a jig run writes, kept aside until the run has placed every
// image, then swapped into the jobs at once, so a run that fails earlier
// leaves every job as it was.
//
// The primary job receives every section: "Arrange" + n for each filling
// n of the jig (a new one whenever the used pictures run out), made from
// the template (the primary's "Arrange1", else the record's defaults) with
// "arrangeNumber" n, "compositeKeys" the units of that filling in picture
// order and the jig's mobile-phone settings; and one binary-unit section
// per image. Its old arrangement and binary-unit sections are removed. A
// member whose image the jig scaled or trimmed gets its "Composite" back.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "unitCmnAlignmentJobPosition/jig/JigMember.h"
#include "unitCmnJobParam/ArrangeSection.h"
#include "unitCmnJobParam/BinaryUnitSection.h"
#include "unitCmnParams/JigParam.h"

class JobParam;

class JigWriteBack {
 public:
  // Raises when a mobile-phone setting in use is not a usable number.
  JigWriteBack(ArrangeSection templateSection, const JigParam& jig);

  // Lists the unit in "Arrange" + filling and keeps its section.
  void add(int filling, const std::string& name, const BinaryUnitSection& unit);
  void commit(JobParam& primary, const std::vector<JigMember>& members) const;

 private:
  static int wholeNumber(const char* name, double value);

  ArrangeSection template_;
  std::map<int, ArrangeSection> arrangements_;
  std::vector<std::pair<std::string, BinaryUnitSection>> units_;
};
