#include "unitCmnAlignmentJobPosition/ArrangeLimits.h"

#include <algorithm>

#include "unitCmnExceptions/InputLimit.h"

void ArrangeLimits::requireTileGrid(const std::string& jobId, const CompositeSection& composite) {
  if (!composite.tiling) return;
  const std::string job = "job " + jobId + ": ";
  InputLimit::require(UNITCMN_SITE, job + "\"tileScanDivision\"",
                      static_cast<unsigned long long>(std::max(0, composite.tileScanDivision)),
                      kMaxTileDivisions, "tiles");
  InputLimit::require(UNITCMN_SITE, job + "\"tileFeedDivision\"",
                      static_cast<unsigned long long>(std::max(0, composite.tileFeedDivision)),
                      kMaxTileDivisions, "tiles");
}
