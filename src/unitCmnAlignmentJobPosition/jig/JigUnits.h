// The images of a jig run, in the order they fill the pictures: the
// members in member order; for each, its records, then each record's
// printed pages. A member's records are the row settings of its variable
// data whose Use is true and whose RowNumber is a data row (0 or more),
// in the order of their row numbers (equal numbers in list order). Each
// image is one binary unit of the member: page, row = the record's
// RowNumber, tiles 0-0, copy 1, or the next copy when the same member,
// page and row come again.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/jig/JigMember.h"

struct JigUnit {
  std::size_t member = 0;  // index into the run's members
  std::string name;        // the binary-unit section name
  int page = 0, row = 0, copy = 0;
};

class JigUnits {
 public:
  // Raises when the members make more than ArrangeLimits::kMaxUnitsPerRun
  // images; counted before anything is made.
  static std::vector<JigUnit> of(const std::vector<JigMember>& members);

 private:
  static std::vector<int> records(const VariableDataPrintingParam& data);
};
