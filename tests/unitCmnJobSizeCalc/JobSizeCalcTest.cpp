// Which job's print settings a size calculation takes, jobs it does not
// know, and a tiled job as an arranger leaves it. The sizes themselves are
// the cases of SizeCasesTest.
#include <gtest/gtest.h>

#include <string>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/ArrangementCondition.h"
#include "unitCmnJobSizeCalc/JobSizeCalc.h"

namespace {

const std::string kImage = "pages=1\nduplicateCount=1\nscale=100,50\n";  // 100 x 50 mm
const std::string kMarks = "registerMarkShape=1\nregisterMarkTarget=1\nregisterMarkSize=10\n";
// 3 of 5 pages, 4 copies in rows of 2: 2 rows a page, 210 wide (job_sizes.cases).
const std::string kPages = "pages=5\ntargetPrintPages=1,3,5\nscale=100,50\n"
                           "duplicateRegularly=true\nduplicateMarginScan=10\n"
                           "duplicateMarginFeed=5\nduplicateCount=4\nduplicateScanCount=2\n";

std::string pagePrint(int mode) {
  return "insertFFMarginMode=" + std::to_string(mode) +
         "\nbeforeMargin=2\nafterMargin=3\nafterFeed=6\n";
}

}  // namespace

TEST(JobSizeCalcPrimary, RunSettingsComeFromThePrimaryJob) {
  const std::string jobJ = "JobID=\"J\"\nPrimary=\"P\"";
  // J itself asks for a break per page (333); its primary P for one per row (345).
  const TextJobs byPrimary{
      iniSection("Job", jobJ) + iniSection("Print", pagePrint(1)) + iniSection("Composite", kPages),
      jobText("P", kImage, pagePrint(2))};
  EXPECT_SIZE(JobSizeCalc(byPrimary.jobs(), false, 4.0).getJobSize("J"), 210, 345);
  // "GroupingPrimary" G (no breaks: 325) comes before "Primary".
  const TextJobs byGrouping{iniSection("Job", jobJ + "\nGroupingPrimary=\"G\"") +
                                iniSection("Print", pagePrint(1)) + iniSection("Composite", kPages),
                            jobText("P", kImage, pagePrint(2)), jobText("G", kImage, pagePrint(0))};
  EXPECT_SIZE(JobSizeCalc(byGrouping.jobs(), false, 4.0).getJobSize("J"), 210, 325);
  // A primary not in the list: the first job's own marks (Z = 10) count.
  const TextJobs noPrimary{iniSection("Job", jobJ) + iniSection("Print", kMarks) +
                           iniSection("Composite", kImage)};
  EXPECT_SIZE(JobSizeCalc(noPrimary.jobs(), false, 0.0).getJobSize("J"), 120, 70);
}

TEST(JobSizeCalcLookup, UnknownJobsHaveNoSize) {
  const TextJobs run{jobText("J", kImage, kMarks),
                     iniSection("Job", "JobID=\"bare\"")};  // no "Composite"
  const JobSizeCalc calc(run.jobs(), false, 0.0), empty;
  for (const JobSizeCalc* c : {&calc, &empty}) {
    EXPECT_SIZE(c->getJobSize("other"), 0, 0);
    EXPECT_SIZE(c->getSingleSize("other"), 0, 0);
    EXPECT_SIZE(c->getPanelSize("other"), 0, 0);
    EXPECT_SIZE(c->getCopiesSize("other"), 0, 0);
    EXPECT_SIZE(c->getMultiPageSize("other"), 0, 0);
    EXPECT_SIZE(c->getTileSize("other", 1, 1), 0, 0);
  }
  EXPECT_SIZE(empty.getJobSize("J"), 0, 0);
  EXPECT_SIZE(calc.getJobSize("bare"), 0, 0);
  // A null pointer is left out: J is still the first job and its marks count.
  EXPECT_SIZE(JobSizeCalc({nullptr, run.jobs()[0]}, false, 0.0).getJobSize("J"), 120, 70);
}

TEST(ArrangementCondition, TiledJobAsTheArrangerLeftIt) {
  // Each tile grows 5 towards the next column: (1,1) 105 x 60 at (0,0),
  // (2,1) 95 x 60 at (105,0), (1,2) 105 x 70 at (0 + 2, 65 + 3). Right edges
  // 105, 200, 107; bottom edges 60, 60, 138. The unlisted tile (3,3) at
  // (500,500) does not count.
  TextJobs run{dataText("sizecalc/tiled_arranged.ini")};
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("TILED"), 0, 0, 200, 138);
  EXPECT_RECT(ArrangementCondition(run.jobs()).getJobRect("other"), 0, 0, 0, 0);
  EXPECT_RECT(ArrangementCondition().getJobRect("TILED"), 0, 0, 0, 0);
}
