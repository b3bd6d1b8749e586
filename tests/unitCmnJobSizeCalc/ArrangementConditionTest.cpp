// The rectangle an arranged job occupies: the union of its printed tiles
// for a tiled job, else its job size at the smallest offset of its binary
// units; through real job texts as an arranger leaves them.
#include <gtest/gtest.h>

#include <string>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/ArrangementCondition.h"

namespace {

const std::string kImage = "pages=1\nduplicateCount=1\nscale=100,50\n";

// A 3 x 3 tiling as in tiled_arranged.ini, without overlaps.
const std::string kTiling =
    "pages=1\nduplicateCount=1\ntiling=true\nscale=320,250\ntileScanDivision=3\n"
    "tileFeedDivision=3\ntileScanPositions=100,90,70\ntileFeedPositions=60,70,80\n"
    "tileWorkSize=10,20,280,222\n";

class JobRectTest : public ::testing::Test {
 protected:
  specialityType::RectDouble jobRect(const std::string& text, const std::string& id = "J") {
    run.add(text);
    return ArrangementCondition(run.jobs()).getJobRect(id);
  }

  JobRun run;
};

}  // namespace

// ---- tiled jobs ----

TEST_F(JobRectTest, TiledJobOccupiesTheUnionOfItsPrintedTiles) {
  // Tiles (1,1) 105 x 60 at (0,0), (2,1) 95 x 60 at (105,0) and (1,2)
  // 105 x 70 at (0 + 2, 65 + 3) (each grown 5 towards the next column).
  // Right edges 105, 200, 107; bottom edges 60, 60, 138. The unit of the
  // unlisted tile (3,3) at (500,500) does not count.
  EXPECT_RECT(jobRect(sizeCalcDataText("tiled_arranged.ini"), "TILED"), 0, 0, 200, 138);
}

TEST_F(JobRectTest, TheUnionStartsAtTheFirstTile) {
  // Tiles (2,2) 90 x 70 at (50,40) and (3,3) 70 x 80 at (150,120):
  // from (50,40) to (220,200).
  EXPECT_RECT(jobRect(jobText("J", kTiling + "tilePrintTile={2,2},{3,3}\n", "",
                              tileUnit("J", 2, 2, "50,40") + tileUnit("J", 3, 3, "150,120"))),
              50, 40, 170, 160);
}

TEST_F(JobRectTest, ListedTileWithoutUnitIsLeftOut) {
  // Only tile (1,1) (100 x 60 at (10,10)) was placed.
  EXPECT_RECT(jobRect(jobText("J", kTiling + "tilePrintTile={1,1},{2,2}\n", "",
                              tileUnit("J", 1, 1, "10,10"))),
              10, 10, 100, 60);
}

TEST_F(JobRectTest, TiledJobWithoutPrintedTilesOccupiesNothing) {
  EXPECT_RECT(jobRect(jobText("J", kTiling, "", tileUnit("J", 1, 1, "10,10"))), 0, 0, 0, 0);
}

TEST_F(JobRectTest, PanelledTiledJobUsesItsJobSize) {
  // Panel 300 x 400 at the smallest unit offset (10,10).
  EXPECT_RECT(jobRect(jobText("J",
                              kTiling + "tilePrintTile={1,1}\npaneling=true\npanelType=2\n"
                                        "panelScanSize=300\npanelFeedSize=400\n",
                              "", tileUnit("J", 1, 1, "10,10"))),
              10, 10, 300, 400);
}

// ---- other jobs ----

TEST_F(JobRectTest, JobSizeSitsAtTheSmallestUnitOffset) {
  // Units at (10,20) and (0 + 5, 25 + 5): x from 5, y from 20.
  EXPECT_RECT(jobRect(jobText("J", kImage, "",
                              copyUnit("J", 1, "10,20") + copyUnit("J", 2, "0,25", "{a;5,5}"))),
              5, 20, 100, 50);
}

TEST_F(JobRectTest, IndividuallyPlacedCopiesCoverAllTheirUnits) {
  // Copies of 100 x 50 at (10,20), (120,20), (10,80): 210 x 110 from (10,20).
  EXPECT_RECT(jobRect(jobText("J",
                              "pages=1\nscale=100,50\nduplicateCount=3\n"
                              "duplicateRegularly=false\n",
                              "",
                              copyUnit("J", 1, "10,20") + copyUnit("J", 2, "120,20") +
                                  copyUnit("J", 3, "10,80"))),
              10, 20, 210, 110);
}

TEST_F(JobRectTest, JobWithoutUnitsSitsAtTheOrigin) {
  EXPECT_RECT(jobRect(jobText("J", kImage)), 0, 0, 100, 50);
}

TEST_F(JobRectTest, PageSettingsReachTheJobSize) {
  // 3 pages of 100 x 50, a break per page of 2 + 3 + page gap 4, after-feed 6:
  // 150 + 2*9 = 168, with after-feed 168 + 2*6 = 180.
  run.add(jobText("J", "pages=3\ntargetPrintPages=1,2,3\nscale=100,50\nduplicateRegularly=true\n",
                  "insertFFMarginMode=1\nbeforeMargin=2\nafterMargin=3\nafterFeed=6\n",
                  copyUnit("J", 1, "7,8")));
  EXPECT_RECT(ArrangementCondition(run.jobs(), false, 4.0).getJobRect("J"), 7, 8, 100, 168);
  EXPECT_RECT(ArrangementCondition(run.jobs(), true, 4.0).getJobRect("J"), 7, 8, 100, 180);
}

// ---- jobs and values it cannot use ----

TEST_F(JobRectTest, UnknownJobsAndEmptyListsOccupyNothing) {
  run.add(jobText("J", kImage));
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("other"), 0, 0, 0, 0);
  EXPECT_RECT(ArrangementCondition().getJobRect("J"), 0, 0, 0, 0);
}

TEST_F(JobRectTest, OffsetsThatAreNoNumberGiveNoRectangle) {
  JobRun jobs;
  jobs.add(jobText("plain", kImage, "", copyUnit("plain", 1, "nan,0")));
  jobs.add(jobText("tiled", kTiling + "tilePrintTile={1,1},{2,1}\n", "",
                   tileUnit("tiled", 1, 1, "0,0") + tileUnit("tiled", 2, 1, "inf,0")));
  const ArrangementCondition condition(jobs.jobs());
  EXPECT_RECT(condition.getJobRect("plain"), 0, 0, 0, 0);
  EXPECT_RECT(condition.getJobRect("tiled"), 0, 0, 0, 0);
}
