#include "unitCmnAlignmentJobPosition/tiling/TileWriteBack.h"

#include "unitCmnExceptions/unitCmnGuard.h"

void TileWriteBack::addUnit(const std::string& name, const BinaryUnitSection& unit) {
  units_.emplace_back(name, unit);
}

void TileWriteBack::setSheet(int number, const ArrangeSection& sheet) {
  sheets_[number] = sheet;
}

void TileWriteBack::commit(JobParam& job) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    job.replaceArrangement(sheets_, units_);
  });
}
