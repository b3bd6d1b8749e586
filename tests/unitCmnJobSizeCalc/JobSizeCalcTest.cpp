// The size of a whole job through real job texts: the single image with its
// cut line, register marks and label; panels and seals; regular and
// individually placed copies; pages; unknown jobs and unusable values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/JobSizeCalc.h"

namespace {

const std::string kImage = "pages=1\nduplicateCount=1\nscale=100,50\n";  // 100 x 50 mm

std::string marks(int shape, int target, bool fill, int size) {
  return "registerMarkShape=" + std::to_string(shape) + "\nregisterMarkTarget=" +
         std::to_string(target) + "\nregisterMarkFillAround=" + (fill ? "true" : "false") +
         "\nregisterMarkSize=" + std::to_string(size) + "\n";
}

const std::string kLabel = "labelPrint=true\nlabelPrintStringLine=3\nlabelSize=4\n";  // +12
// Seals of 100 x 50 with margins 4 and 6; panelled, so deskew and label drop.
const std::string kSeals = kImage + kLabel +
                           "jobInf=true\ndeskew=30\npaneling=true\npanelType=6\n"
                           "sealMarginScan=4\nsealMarginFeed=6\n";
// 5 copies in rows of 2 (3 rows), margins 10 across and 5 along.
const std::string kCopies = "pages=1\nscale=100,50\nduplicateCount=5\nduplicateScanCount=2\n"
                            "duplicateMarginScan=10\nduplicateMarginFeed=5\n";

struct SizeCase {
  const char* name;
  std::string composite, print, units;
  double width, height;
};

class JobSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(JobSizeTest, JobSizeOfTheLayout) {
  const SizeCase& c = GetParam();
  TextJobs run{jobText("J", c.composite, c.print, c.units)};
  EXPECT_SIZE(JobSizeCalc(run.jobs(), false, 0.0).getJobSize("J"), c.width, c.height);
}

INSTANTIATE_TEST_SUITE_P(Single, JobSizeTest, ::testing::Values(
    SizeCase{"Plain", kImage, "", "", 100, 50},
    // 120 - (5 + 15), 70 - (8 + 12).
    SizeCase{"Trims", "pages=1\nscale=120,70\ntrimLeft=5\ntrimRight=15\ntrimTop=8\n"
                      "trimBottom=12\n", "", "", 100, 50},
    // |deskew| 30: sin*50 + cos*100 = 25 + 86.60254..., sin*100 + cos*50 = 50 + 43.30127...
    SizeCase{"Deskew", kImage + "deskew=-30\n", "", "", 111.60254037844386, 93.30127018922193},
    SizeCase{"DeskewTiled", kImage + "deskew=30\ntiling=true\n", "", "", 100, 50},
    // 72 pt = 25.4 mm on every side.
    SizeCase{"CutLine", kImage + "printCutline=true\ncutlineWidth=72\n", "", "", 150.8, 100.8},
    SizeCase{"CutLineOff", kImage + "cutlineWidth=72\n", "", "", 100, 50},
    // Cut line 36 pt adds 25.4; marks Z = 10 add 20 (40 with fill): the larger wins.
    SizeCase{"CutLineWins", kImage + "printCutline=true\ncutlineWidth=36\n",
             marks(1, 1, false, 10), "", 125.4, 75.4},
    SizeCase{"MarksWin", kImage + "printCutline=true\ncutlineWidth=36\n",
             marks(1, 1, true, 10), "", 140, 90}), CaseName());

// Marks Z = 10 add 20 with S != 0 and T = 1; fill-around 20 more for S = 1
// or 4 with T = 1, and for S = 3 with any target.
INSTANTIATE_TEST_SUITE_P(RegisterMarks, JobSizeTest, ::testing::Values(
    SizeCase{"S0T1Fill", kImage, marks(0, 1, true, 10), "", 100, 50},
    SizeCase{"S1T1", kImage, marks(1, 1, false, 10), "", 120, 70},
    SizeCase{"S1T1Fill", kImage, marks(1, 1, true, 10), "", 140, 90},
    SizeCase{"S1T0Fill", kImage, marks(1, 0, true, 10), "", 100, 50},
    SizeCase{"S1T2", kImage, marks(1, 2, false, 10), "", 100, 50},
    SizeCase{"S2T1Fill", kImage, marks(2, 1, true, 10), "", 120, 70},
    SizeCase{"S3T1", kImage, marks(3, 1, false, 10), "", 120, 70},
    SizeCase{"S3T1Fill", kImage, marks(3, 1, true, 10), "", 140, 90},
    SizeCase{"S3T0Fill", kImage, marks(3, 0, true, 10), "", 120, 70},
    SizeCase{"S3T0", kImage, marks(3, 0, false, 10), "", 100, 50},
    SizeCase{"S4T1Fill", kImage, marks(4, 1, true, 10), "", 140, 90},
    SizeCase{"S4T0Fill", kImage, marks(4, 0, true, 10), "", 100, 50}), CaseName());

INSTANTIATE_TEST_SUITE_P(Label, JobSizeTest, ::testing::Values(
    SizeCase{"NoItem", kImage + kLabel, "", "", 100, 50},
    SizeCase{"LabelOff", kImage + "labelPrintStringLine=3\nlabelSize=4\njobInf=true\n", "", "",
             100, 50},
    SizeCase{"Panelled", kImage + kLabel + "jobInf=true\npaneling=true\n", "", "", 100, 50},
    // S = 1 without target: no marks, but a gap of max(6 / 2, 5) = 5.
    SizeCase{"SmallGap", kImage + kLabel + "printDate=true\n", marks(1, 0, false, 6), "", 100, 67},
    // Z = 20: 140 x 90 with marks, + 12 + max(10, 5).
    SizeCase{"MarkGap", kImage + kLabel + "printDate=true\n", marks(1, 1, false, 20), "", 140,
             112}), CaseName());

INSTANTIATE_TEST_SUITE_P(Panels, JobSizeTest, ::testing::Values(
    SizeCase{"Panel", kImage + "paneling=true\npanelType=2\npanelScanSize=300\npanelFeedSize=400\n",
             "", "", 300, 400},
    SizeCase{"PanelTypeOnly", kImage + "panelType=2\npanelScanSize=300\n", "", "", 100, 50},
    // 5 in rows of 2: 3 rows; 2*100 + 4, 3*50 + 2*6.
    SizeCase{"Seals5By2", kSeals + "sealCounts=5\nsealScanCounts=2\n", "", "", 204, 162},
    // 2 in rows of 3: one row of 2.
    SizeCase{"Seals2By3", kSeals + "sealCounts=2\nsealScanCounts=3\n", "", "", 204, 50},
    // 6 in rows of 3: 3*100 + 2*4, 2*50 + 6.
    SizeCase{"Seals6By3", kSeals + "sealCounts=6\nsealScanCounts=3\n", "", "", 308, 106},
    // Rows of 0 count as rows of 1: 3 rows of one seal.
    SizeCase{"SealsRowsOf0", kSeals + "sealCounts=3\nsealScanCounts=0\n", "", "", 100, 162},
    SizeCase{"NoSeals", kSeals + "sealCounts=0\nsealScanCounts=2\n", "", "", 0, 0},
    // Seals of 120 x 70 with marks Z = 10: 2*120 + 4, 3*70 + 2*6.
    SizeCase{"SealsWithMarks", kSeals + "sealCounts=5\nsealScanCounts=2\n",
             marks(1, 1, false, 10), "", 244, 222}), CaseName());

INSTANTIATE_TEST_SUITE_P(Copies, JobSizeTest, ::testing::Values(
    // 2*100 + 10, 3*50 + 2*5.
    SizeCase{"Regular", kCopies + "duplicateRegularly=true\n", "", "", 210, 160},
    // Copies come before the panel: 2*100 + 10 side by side.
    SizeCase{"CopiesBeforePanel", "pages=1\nscale=100,50\nduplicateCount=2\n"
             "duplicateScanCount=2\nduplicateMarginScan=10\nduplicateRegularly=true\n"
             "paneling=true\npanelType=2\npanelScanSize=300\n", "", "", 210, 50},
    // Z = 4: copy 108 x 58, gaps shrink by 4: 216 + 6, 174 + 2*1.
    SizeCase{"SharedMarks", kCopies + "duplicateRegularly=true\n", marks(3, 1, false, 4), "", 222,
             176},
    // Copy 116 x 66, gaps shrink by 4 + 8: 232 - 2, 198 + 2*(-7).
    SizeCase{"SharedFilledMarks", kCopies + "duplicateRegularly=true\n", marks(3, 1, true, 4), "",
             230, 184},
    // Shape 1 shares nothing: 216 + 10, 174 + 10.
    SizeCase{"OwnMarks", kCopies + "duplicateRegularly=true\n", marks(1, 1, false, 4), "", 226,
             184},
    // Rows of 0 count as rows of 1: 3 rows, 3*50 + 2*5.
    SizeCase{"RowsOf0", "pages=1\nscale=100,50\nduplicateCount=3\nduplicateRegularly=true\n"
                        "duplicateMarginFeed=5\n", "", "", 100, 160},
    // Units at (10,20), (100 + 5 - 5, 0 + 5 + 15), (30,90): to (200,140).
    SizeCase{"Irregular", kCopies, "",
             copyUnit(1, "10,20") + copyUnit(2, "100,0", "{a;5,5},{b;-5,15}") +
                 copyUnit(3, "30,90"), 190, 120},
    SizeCase{"IrregularNoUnits", kCopies, "", "", 0, 0},
    // Fotoba marks: placed individually even when regular; (0,0) to (210,105).
    SizeCase{"Fotoba", kCopies + "duplicateRegularly=true\n", "fotobaMarkPrint=true\n",
             copyUnit(1, "0,0") + copyUnit(2, "110,55"), 210, 105}), CaseName());

INSTANTIATE_TEST_SUITE_P(PagesAndBadValues, JobSizeTest, ::testing::Values(
    // Units at (0,0) and (0,80).
    SizeCase{"IrregularPages", "pages=2\ntargetPrintPages=1,2\nscale=100,50\n", "",
             copyUnit(1, "0,0") + copyUnit(2, "0,80"), 100, 130},
    SizeCase{"NoTargetPages", "pages=2\nscale=100,50\nduplicateRegularly=true\n", "", "", 0, 0},
    // "pages" missing reads 0: measured as pages.
    SizeCase{"PagesMissing", "scale=100,50\nduplicateRegularly=true\n", "", "", 0, 0},
    SizeCase{"NanScale", "pages=1\nscale=nan,50\n", "", "", 0, 0},
    SizeCase{"InfScale", "pages=1\nscale=100,inf\n", "", "", 0, 0},
    SizeCase{"NanCutLine", kImage + "printCutline=true\ncutlineWidth=nan\n", "", "", 0, 0},
    SizeCase{"UnusedNan", kImage + "cutlineWidth=nan\n", "", "", 100, 50},
    SizeCase{"NanUnit", kCopies, "", copyUnit(1, "nan,0") + copyUnit(2, "0,0"), 0, 0}),
    CaseName());

class LabelItemTest : public ::testing::TestWithParam<const char*> {};

// Any one of the fourteen items prints the 12 mm label.
TEST_P(LabelItemTest, EachItemPrintsTheLabel) {
  TextJobs run{jobText("J", kImage + kLabel + GetParam() + "=true\n")};
  EXPECT_SIZE(JobSizeCalc(run.jobs(), false, 0.0).getJobSize("J"), 100, 62);
}

INSTANTIATE_TEST_SUITE_P(Items, LabelItemTest, ::testing::Values(
    "modelName", "engineVersion", "commandVersion", "statusVersion", "rxVersion", "printDate",
    "printMode", "deviceAdjustParam", "jobInf", "imageEditParam", "deviceProfile",
    "colorMatchingParam", "colorAdjustName", "labelRemarks"));

// 3 of 5 pages of 100 x 50; page breaks of 2 + 3 + page gap 4, after-feed 6.
const std::string kPages = "pages=5\ntargetPrintPages=1,3,5\nscale=100,50\n"
                           "duplicateRegularly=true\nduplicateMarginScan=10\n"
                           "duplicateMarginFeed=5\n";
const std::string kFourCopies = "duplicateCount=4\nduplicateScanCount=2\n";

std::string pagePrint(int mode) {
  return "insertFFMarginMode=" + std::to_string(mode) +
         "\nbeforeMargin=2\nafterMargin=3\nafterFeed=6\n";
}

struct PageCase {
  const char* name;
  int mode;
  std::string copies;
  double width, height, heightWithAfterFeed;
};

class MultiPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(MultiPageTest, PagesStackWithTheirBreaks) {
  const PageCase& c = GetParam();
  TextJobs run{jobText("J", kPages + c.copies, pagePrint(c.mode))};
  EXPECT_SIZE(JobSizeCalc(run.jobs(), false, 4.0).getJobSize("J"), c.width, c.height);
  EXPECT_SIZE(JobSizeCalc(run.jobs(), true, 4.0).getJobSize("J"), c.width, c.heightWithAfterFeed);
}

// P = 3; 4 copies in rows of 2: 2 rows a page, R = 6, width 2*100 + 10.
INSTANTIATE_TEST_SUITE_P(Modes, MultiPageTest, ::testing::Values(
    // R = 3; 2 breaks of 9 (+6 each): 150 + 18, + 12.
    PageCase{"OneCopyPerPage", 1, "duplicateCount=1\n", 100, 168, 180},
    // Row margins 3*5; 2 breaks: 300 + 15 + 18, + 12.
    PageCase{"BreakPerPage", 1, kFourCopies, 210, 333, 345},
    // No row margins; 5 breaks: 300 + 45, + 30.
    PageCase{"BreakPerRow", 2, kFourCopies, 210, 345, 375},
    // Row margins 15, copy margin between pages 2*5; no after-feed: 300 + 25.
    PageCase{"NoBreak", 0, kFourCopies, 210, 325, 325},
    PageCase{"OtherMode", 5, kFourCopies, 210, 325, 325}), CaseName());

TEST(JobSizeCalcPrimary, RunSettingsComeFromThePrimaryJob) {
  const std::string copies = kPages + kFourCopies;
  const std::string jobJ = "JobID=\"J\"\nPrimary=\"P\"";
  // J itself asks for mode 1 (333); its primary P for mode 2 (345).
  const TextJobs byPrimary{
      iniSection("Job", jobJ) + iniSection("Print", pagePrint(1)) + iniSection("Composite", copies),
      jobText("P", kImage, pagePrint(2))};
  EXPECT_SIZE(JobSizeCalc(byPrimary.jobs(), false, 4.0).getJobSize("J"), 210, 345);
  // "GroupingPrimary" G (mode 0: 325) comes before "Primary".
  const TextJobs byGrouping{iniSection("Job", jobJ + "\nGroupingPrimary=\"G\"") +
                                iniSection("Print", pagePrint(1)) + iniSection("Composite", copies),
                            jobText("P", kImage, pagePrint(2)), jobText("G", kImage, pagePrint(0))};
  EXPECT_SIZE(JobSizeCalc(byGrouping.jobs(), false, 4.0).getJobSize("J"), 210, 325);
  // A primary not in the list: the first job's own marks (Z = 10) count.
  const TextJobs noPrimary{iniSection("Job", jobJ) + iniSection("Print", marks(1, 1, false, 10)) +
                           iniSection("Composite", kImage)};
  EXPECT_SIZE(JobSizeCalc(noPrimary.jobs(), false, 0.0).getJobSize("J"), 120, 70);
}

TEST(JobSizeCalcLookup, UnknownJobsHaveNoSize) {
  const TextJobs run{jobText("J", kImage, marks(1, 1, false, 10)),
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

}  // namespace
