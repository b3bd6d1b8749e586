// What a tile arrangement writes into its job, kept aside while the tiles
// are laid out: one binary-unit section per placed tile, in placement
// order, and the arrangement sections by number. commit() swaps them in
// for the job's old arrangement and binary-unit sections; until then the
// job is untouched, so a run that fails leaves it exactly as it was.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "unitCmnJobParam/JobParam.h"

class TileWriteBack {
 public:
  using Unit = std::pair<std::string, BinaryUnitSection>;  // section name, record

  void addUnit(const std::string& name, const BinaryUnitSection& unit);
  // Section "Arrange" + number; a second call for the number replaces it.
  void setSheet(int number, const ArrangeSection& sheet);

  const std::vector<Unit>& units() const { return units_; }
  const std::map<int, ArrangeSection>& sheets() const { return sheets_; }

  // Replaces every arrangement and binary-unit section of the job by the
  // ones kept here. Only map insertions remain at this point; nothing
  // that depends on the job's values can fail any more.
  void commit(JobParam& job) const;

 private:
  std::vector<Unit> units_;
  std::map<int, ArrangeSection> sheets_;
};
