// The rectangle an arranged job occupies, on a tiled job as an arranger
// leaves it; further rectangles are the cases of SizeCasesTest.
#include <gtest/gtest.h>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/ArrangementCondition.h"

TEST(ArrangementCondition, TiledJobAsTheArrangerLeftIt) {
  // Each tile grows 5 towards the next column: (1,1) 105 x 60 at (0,0),
  // (2,1) 95 x 60 at (105,0), (1,2) 105 x 70 at (0 + 2, 65 + 3). Right edges
  // 105, 200, 107; bottom edges 60, 60, 138. The unlisted tile (3,3) at
  // (500,500) does not count.
  TextJobs run{dataText("sizecalc/tiled_arranged.ini")};
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("TILED"), 0, 0, 200, 138);
}

TEST(ArrangementCondition, UnknownJobsOccupyNothing) {
  TextJobs run{jobText("J", "pages=1\nscale=100,50\n")};
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("other"), 0, 0, 0, 0);
  EXPECT_RECT(ArrangementCondition().getJobRect("J"), 0, 0, 0, 0);
}
