// The rectangle that one already arranged job occupies on the media, from
// the binary-unit sections the arrangement wrote into the job and the job
// size calculation. The Fotoba mark arrangers ask it for each arranged job.
#pragma once

#include <string>
#include <vector>

#include "unitCmnJobParam/JobParam.h"
#include "unitCmnJobSizeCalc/JobSizeCalc.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class ArrangementCondition {
 public:
  ArrangementCondition() = default;
  // The jobs of the run (not owned); afterFeed and pageGap are handed to
  // the job size calculation (they only enter the multi-page size).
  explicit ArrangementCondition(const std::vector<JobParam*>& jobs, bool afterFeed = false,
                                double pageGap = 0.0);

  void setJobList(const std::vector<JobParam*>& jobs, bool afterFeed = false, double pageGap = 0.0);

  // (x, y, width, height) in mm. A tiled job (one page, one copy, not
  // panelled) occupies the union of its printed tiles, each at its binary
  // unit's total offset with its tile size; any other job occupies its job
  // size from the smallest x and y of its binary units. Four zeros for a
  // job that is not in the list or a rectangle with a NaN or infinite part.
  specialityType::RectDouble getJobRect(const std::string& jobID) const;

 private:
  static bool isTiledLayout(const CompositeSection& c);
  specialityType::RectDouble tiledRect(const JobParam& job, const CompositeSection& c,
                                       const std::string& jobID) const;
  specialityType::RectDouble unitRect(const JobParam& job, const std::string& jobID) const;

  JobSizeCalc sizes_;
};
