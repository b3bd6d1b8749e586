#include "unitCmnJobSizeCalc/ArrangementCondition.h"

#include <algorithm>
#include <map>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobSizeCalc/RectUnion.h"
#include "unitCmnJobSizeCalc/SizeValues.h"
#include "unitCmnJobSizeCalc/TileSizeCalc.h"

namespace {

// The binary unit of a printed tile: page 1, row 0, copy 1.
constexpr int kTilePage = 1;
constexpr int kTileRow = 0;
constexpr int kTileCopy = 1;

using Units = std::map<std::string, BinaryUnitSection>;

}  // namespace

ArrangementCondition::ArrangementCondition(const std::vector<JobParam*>& jobs, bool afterFeed,
                                           double pageGap) {
  setJobList(jobs, afterFeed, pageGap);
}

void ArrangementCondition::setJobList(const std::vector<JobParam*>& jobs, bool afterFeed,
                                      double pageGap) {
  unitCmnGuard::run(UNITCMN_SITE, [&] { sizes_.setJobList(jobs, afterFeed, pageGap); });
}

specialityType::RectDouble ArrangementCondition::getJobRect(const std::string& jobID) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&]() -> specialityType::RectDouble {
    const JobParam* job = sizes_.findJob(jobID);
    if (!job) {
      KvnCmnLog::logTrace(UNITCMN_SITE, "job not in the list: " + jobID);
      return {};
    }
    CompositeSection composite;
    if (!job->getCompositeSection(composite)) return {};
    const auto rect =
        isTiledLayout(composite) ? tiledRect(*job, composite, jobID) : unitRect(*job, jobID);
    return sizeValues::finiteOrZero(rect);
  });
}

bool ArrangementCondition::isTiledLayout(const CompositeSection& c) {
  const bool panelled = c.paneling && c.panelType != 0;
  return c.pages == 1 && c.duplicateCount < 2 && !panelled && c.tiling;
}

// A listed tile without its binary unit was not placed and occupies
// nothing: it is left out.
specialityType::RectDouble ArrangementCondition::tiledRect(const JobParam& job,
                                                           const CompositeSection& c,
                                                           const std::string& jobID) const {
  Units units;
  job.getBinaryUnitSections(units);
  RectUnion tiles;
  for (const IntPair& tile : c.tilePrintTile) {
    const auto unit = units.find(
        JobParam::binaryUnitSectionName(jobID, kTilePage, tile[0], tile[1], kTileCopy, kTileRow));
    if (unit == units.end()) continue;
    const DoublePair at = unit->second.totalOffset();
    const auto size = TileSizeCalc::size(c, sizes_.primaryPrint(), tile[0], tile[1]);
    tiles.add({at[0], at[1], size.width, size.height});
  }
  return tiles.result();
}

// The job size placed at the smallest x and the smallest y of the job's
// binary units (at (0, 0) when it has none).
specialityType::RectDouble ArrangementCondition::unitRect(const JobParam& job,
                                                          const std::string& jobID) const {
  Units units;
  job.getBinaryUnitSections(units);
  specialityType::RectDouble rect;
  bool first = true;
  for (const auto& entry : units) {
    const DoublePair at = entry.second.totalOffset();
    rect.x = first ? at[0] : std::min(rect.x, at[0]);
    rect.y = first ? at[1] : std::min(rect.y, at[1]);
    first = false;
  }
  const auto size = sizes_.getJobSize(jobID);
  rect.width = size.width;
  rect.height = size.height;
  return rect;
}
