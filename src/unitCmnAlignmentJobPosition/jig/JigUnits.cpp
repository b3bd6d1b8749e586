#include "unitCmnAlignmentJobPosition/jig/JigUnits.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "unitCmnAlignmentJobPosition/ArrangeLimits.h"
#include "unitCmnAlignmentJobPosition/frame/PrintedPages.h"
#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobParam/JobParam.h"

std::vector<int> JigUnits::records(const VariableDataPrintingParam& data) {
  std::vector<int> rows;
  for (const RowSettingInfo& row : data.rowSettingInfos)
    if (row.use && row.rowNumber >= 0) rows.push_back(row.rowNumber);
  std::stable_sort(rows.begin(), rows.end());
  return rows;
}

std::vector<JigUnit> JigUnits::of(const std::vector<JigMember>& members) {
  std::vector<std::vector<int>> rows;
  long long total = 0;
  for (const JigMember& m : members) {
    rows.push_back(records(*m.variableData));
    total += static_cast<long long>(rows.back().size()) * PrintedPages::count(m.composite);
    if (total > ArrangeLimits::kMaxUnitsPerRun)
      unitCmnGuard::raise(UNITCMN_SITE,
                          InputLimit::message("the jig run's image count",
                                              ArrangeLimits::kMaxUnitsPerRun, "images",
                                              std::to_string(total) + " at member " + m.id));
  }
  std::vector<JigUnit> units;
  std::map<std::tuple<std::string, int, int>, int> copies;
  for (std::size_t k = 0; k < members.size(); ++k) {
    if (rows[k].empty()) continue;  // its page count may be absurd
    const std::vector<int> pages = PrintedPages::of(members[k].composite);
    for (int row : rows[k]) {
      for (int page : pages) {
        const int copy = ++copies[std::make_tuple(members[k].id, page, row)];
        units.push_back({k, JobParam::binaryUnitSectionName(members[k].id, page, 0, 0, copy, row),
                         page, row, copy});
      }
    }
  }
  return units;
}
