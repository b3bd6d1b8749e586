// Reading job files of older versions: which migration steps run, what
// each writes, when the file is written back, and how bad texts fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "JobFiles.h"
#include "support/LogCapture.h"
#include "unitCmnJobParam/BinaryUnitSection.h"
#include "unitCmnJobParam/JobParam.h"
#include "unitCmnJobParam/PrintSection.h"

namespace {

class JobMigrationTest : public ::testing::Test {
 protected:
  void load(const std::string& text) { ASSERT_TRUE(job.readParamData(text)); }
  std::string raw(const std::string& section, const std::string& key) const {
    return rawValue(job, section, key);
  }
  void expectRaw(const std::string& section, const std::vector<std::string>& keys,
                 const std::string& value) const {
    for (const auto& key : keys) EXPECT_EQ(raw(section, key), value) << section << "." << key;
  }
  void expectRaws(const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& values) const {
    for (const auto& kv : values)
      EXPECT_EQ(raw(section, kv.first), kv.second) << section << "." << kv.first;
  }
  // 1.09 turns sendFfEveryPage into insertFFMarginMode and drops the page keys.
  void expectStep109(const std::string& insertFFMarginMode) const {
    EXPECT_EQ(raw("Print", "insertFFMarginMode"), insertFFMarginMode);
    EXPECT_EQ(raw("Print", "sendFfEveryPage"), kMissing);
    expectRaw("Composite",
              {"pageRegularly", "pageNest", "pageScanCount", "pageMarginScan", "pageMarginFeed"},
              kMissing);
  }
  // Reads the text from a file dated back, which must stay untouched.
  void expectReadFromUntouchedFile(const std::string& text) {
    ScratchDir dir;
    const std::string path = putDatedBack(dir, "job.ini", text);
    const auto before = modified(path);
    ASSERT_TRUE(job.readParam(path));
    EXPECT_EQ(job.getFilePath(), path);
    EXPECT_EQ(textOf(job), text);
    EXPECT_EQ(readText(path), text);
    EXPECT_EQ(modified(path), before);
  }

  LogCapture log;  // missing keys of partial sections are logged while reading
  JobParam job;
};

// A minimal job of the given version with extra sections appended.
std::string jobOfVersion(const std::string& version, const std::string& sections) {
  return "[Job]\nJobID=\"J-1\"\nParamVersion=\"" + version + "\"\n" + sections;
}

}  // namespace

// ---- from 1.00: every step runs ---------------------------------------------

TEST_F(JobMigrationTest, From100StepsUpTo108SetTheirKeys) {
  load(jobFileText("job_v100.ini"));
  EXPECT_EQ(job.getParamVersion(), "1.17");
  EXPECT_EQ(raw("Job", "ParamVersion"), "\"1.17\"");

  EXPECT_EQ(raw("Composite", "thinning"), "false");        // 1.01
  EXPECT_EQ(raw("Edit", "compatiWhite"), "false");         // 1.01
  EXPECT_EQ(raw("Composite", "edgeOptimizerLevel"), "1");  // 1.02
  EXPECT_EQ(raw("Print", "mediaThickness"), "-1.000000");  // 1.03
  EXPECT_EQ(raw("Edit", "lastPrintDate"), "0");            // 1.03
  EXPECT_EQ(raw("Print", "xySlitterMark"), "false");       // 1.04
  expectRaw("Print", {"xySlitterMarkOffset", "xySlitterPrintBleed"}, "0.000000");
  EXPECT_EQ(raw("Edit", "useCalibrationICC"), "false");
  EXPECT_EQ(raw("Spool", "highSpeedPreRIP"), "false");  // 1.05
  for (const char* feed : {"Feed1", "Feed2"})           // 1.06
    expectRaw(feed,
              {"uvDimensionTimes", "uvDimensionSlant", "uvDimensionOutputOrder", "textureMode"},
              "0");
  EXPECT_EQ(raw("Print", "taperMediaPrint"), "false");
  EXPECT_EQ(raw("Print", "xySlitterImmediateProcessing"), "true");  // 1.07
  EXPECT_EQ(raw("Print", "xySlitterWhiteMark"), "false");
  // 1.04 wrote 2, the later 1.07 step 1.
  EXPECT_EQ(raw("Print", "xySlitterWidthCopyCnt"), "1");
  EXPECT_EQ(raw("Print", "xySlitterYCutType"), "0");  // 1.08
  expectRaw("Print",
            {"xySlitterPrintBleedBottom", "xySlitterPrintBleedLeft", "xySlitterPrintBleedRight"},
            "0.000000");
  EXPECT_EQ(raw("Element", "ripOverPrint"), "true");

  // Keys no step names stay as they were.
  EXPECT_EQ(raw("Edit", "lastEditDate"), "1552370000");
  EXPECT_EQ(raw("Spool", "title"), "\"Window sticker\"");
}

TEST_F(JobMigrationTest, From100Step109DependsOnOldValues) {
  load(jobFileText("job_v100.ini"));
  expectStep109("0");  // sendFfEveryPage was false
  // A single page keeps its duplication settings.
  EXPECT_EQ(raw("Composite", "pages"), "1");
  EXPECT_EQ(raw("Composite", "duplicateRegularly"), "true");
  EXPECT_EQ(raw("Composite", "moveType"), "true");
}

// 1.03 resets the scan policy only of arrangements without a print area;
// 1.16 then gives every arrangement its margins and order.
TEST_F(JobMigrationTest, From100ArrangementSections) {
  load(jobFileText("job_v100.ini"));
  EXPECT_EQ(raw("Arrange1", "placePolicyScan"), "0");  // empty area, was 2
  EXPECT_EQ(raw("Arrange2", "placePolicyScan"), "2");  // area "Custom"
  EXPECT_EQ(raw("Arrange3", "placePolicyScan"), "1");  // no area, but not 2
  for (const char* arrange : {"Arrange1", "Arrange2", "Arrange3"}) {
    expectRaw(
        arrange,
        {"arrangeMarginTop", "arrangeMarginBottom", "arrangeMarginLeft", "arrangeMarginRight"},
        "0.000000");
    EXPECT_EQ(raw(arrange, "arrangeOrder"), "\"None\"") << arrange;
  }
}

// Steps make the sections they edit when the file lacks them, and append
// new keys, so the resulting order shows the order the rows ran in.
TEST_F(JobMigrationTest, From100RowsRunInTableOrder) {
  load(jobFileText("job_v100.ini"));
  EXPECT_EQ(job.model().sectionNames(),
            (std::vector<std::string>{"Job", "Print", "Composite", "Spool", "Edit", "Feed1",
                                      "Feed2", "Layer1", "Arrange1", "Arrange2", "Arrange3",
                                      "BinA_P0001_T001-001_C0001_V0000", "Element", "InkPredict",
                                      "Variable", "JobBasis"}));
  // The file's own keys (without sendFfEveryPage), then each step's new ones.
  const std::vector<std::vector<std::string>> byStep{
      {"Member", "mediaCut", "heaterStandbyMode", "heaterStandbyTime", "beforeMargin",
       "afterMargin", "jig"},
      {"mediaThickness"},
      {"xySlitterMark", "xySlitterMarkOffset", "xySlitterPrintBleed", "xySlitterWidthCopyCnt"},
      {"taperMediaPrint"},
      {"xySlitterImmediateProcessing", "xySlitterWhiteMark"},
      {"xySlitterYCutType", "xySlitterPrintBleedBottom", "xySlitterPrintBleedLeft",
       "xySlitterPrintBleedRight"},
      {"insertFFMarginMode"},
      {"transparencyPrint", "isUseCutter", "rePrint", "rePrintMarkFillAround"},
      {"isUseOptiScoutCutCondition"},
      {"groupingMember", "groupingMarginScan", "groupingMarginFeed", "groupingDuplicateCount",
       "groupingNest", "groupingMarginTop", "groupingMarginBottom", "groupingMarginLeft",
       "groupingMarginRight", "groupingPositionLock", "groupingPosition", "instructQRString",
       "instructQRPosition", "instructQRSize", "alreadyKWSUploaded"},
      {"regMarkColor", "fillAroundColor", "rePrintMarkFillAroundColor"},
  };
  std::vector<std::string> expected;
  for (const auto& keys : byStep) expected.insert(expected.end(), keys.begin(), keys.end());
  EXPECT_EQ(keysOf(job, "Print"), expected);
}

// ---- from 1.08: only the steps above 1.08 run -------------------------------

TEST_F(JobMigrationTest, From108KeepsWhatEarlierStepsWouldSet) {
  load(jobFileText("job_v108.ini"));
  expectRaws("Print", {{"xySlitterWidthCopyCnt", "3"}, {"xySlitterYCutType", "2"},
                       {"xySlitterPrintBleedBottom", "1.000000"},
                       {"xySlitterImmediateProcessing", "false"}, {"taperMediaPrint", "true"},
                       {"mediaThickness", "0.300000"}});
  expectRaws("Composite", {{"thinning", "true"}, {"edgeOptimizerLevel", "2"}});
  EXPECT_EQ(raw("Spool", "highSpeedPreRIP"), "true");
  expectRaws("Edit", {{"compatiWhite", "true"}, {"lastPrintDate", "1591850000"}});
  EXPECT_EQ(raw("Element", "ripOverPrint"), "false");
  EXPECT_EQ(raw("Feed1", "textureMode"), "3");
  EXPECT_EQ(raw("Arrange1", "placePolicyScan"), "2");  // 1.03 does not run
}

TEST_F(JobMigrationTest, From108Steps109To111) {
  load(jobFileText("job_v108.ini"));
  expectStep109("1");  // sendFfEveryPage was true
  // Several pages: duplication is no longer regular and pages do not move.
  expectRaw("Composite", {"duplicateRegularly", "moveType"}, "false");
  EXPECT_EQ(raw("Spool", "colorAnalysisMode"), "true");
  for (const char* feed : {"Feed1", "WhiteFeed"}) {
    EXPECT_EQ(raw(feed, "histogramEqualization"), "true") << feed;
    expectRaw(feed, {"brailleTexture", "brailleTextureOutputWhite"}, "false");  // 1.11
  }

  expectRaw("Print", {"transparencyPrint", "isUseCutter", "rePrint", "rePrintMarkFillAround"},
            "false");
  expectRaws("Layer1", {{"cutSplitCut", "false"}, {"cutSplitCutDivisionLength", "500.000000"},
                        {"cutSplitCutCrossCutLength", "10.000000"},
                        {"cutSplitCutSheetFeedOrigin", "true"},
                        {"cutSplitCutAddPosition", "10.000000"}});
  expectRaws("Element", {{"doublePassCreasing", "false"}, {"labMtceBitDepth", "8"}});
  EXPECT_EQ(raw("Spool", "cutCommandParsing"), "1");
  expectRaws("Edit", {{"transparencySteep", "false"}, {"specialLimitCurveColorCode", ""},
                      {"lastCutDate", "0"}, {"inkSaving", "false"}, {"inkSavingLevel", "3"}});
  EXPECT_EQ(keysOf(job, "InkPredict"),
            (std::vector<std::string>{"applySetting", "inkSaving", "inkSavingLevel"}));
  expectRaw("InkPredict", {"applySetting", "inkSaving"}, "false");
  EXPECT_EQ(raw("InkPredict", "inkSavingLevel"), "3");
}

TEST_F(JobMigrationTest, From108Steps112To117) {
  load(jobFileText("job_v108.ini"));
  EXPECT_EQ(raw("Element", "ripCurveSmooth"), "false");      // 1.12
  EXPECT_EQ(raw("Element", "ripPatternRendering"), "true");  // 1.13
  EXPECT_EQ(raw("Variable", "applyMonoReplaceJob"), "true");
  EXPECT_EQ(raw("Composite", "specifyDuplicateScanCount"), "false");  // 1.14
  EXPECT_EQ(raw("Edit", "specialColorReplaceLayerMode"), "");
  EXPECT_EQ(raw("Print", "isUseOptiScoutCutCondition"), "false");  // 1.15
  EXPECT_EQ(raw("Layer1", "optiScoutCutConditionFileName"), "");
  EXPECT_EQ(raw("Job", "GroupingPrimary"), "");  // 1.16
  EXPECT_EQ(raw("Element", "replaceAccuracy"), "0");
  EXPECT_EQ(raw("JobBasis", "userJobId"), "");
  EXPECT_EQ(raw("Arrange1", "arrangeOrder"), "\"None\"");
  EXPECT_EQ(keysOf(job, "BinB_P0003_T001-002_C0002_V0001").size(), 9u);
  EXPECT_EQ(raw("Print", "regMarkColor"), "0.000000,0.000000,0.000000,64.000000");  // 1.17
  EXPECT_EQ(job.getParamVersion(), "1.17");
  EXPECT_EQ(raw("Job", "ParamVersion"), "\"1.17\"");
}

// ---- from 1.15: only 1.16 and 1.17 ------------------------------------------

TEST_F(JobMigrationTest, From115KeepsItsOwnValues) {
  load(jobFileText("job_v115.ini"));
  EXPECT_EQ(raw("Print", "isUseOptiScoutCutCondition"), "true");
  EXPECT_EQ(raw("Layer1", "optiScoutCutConditionFileName"), "\"Conditions\\thick.ocf\"");
  EXPECT_EQ(raw("Composite", "specifyDuplicateScanCount"), "true");
  EXPECT_EQ(raw("Variable", "applyMonoReplaceJob"), "false");
  EXPECT_EQ(raw("InkPredict", "applySetting"), "true");
  EXPECT_EQ(raw("InkPredict", "inkSavingLevel"), "4");
  EXPECT_EQ(raw("Arrange1", "placePolicyScan"), "2");
}

TEST_F(JobMigrationTest, From115Steps116And117) {
  load(jobFileText("job_v115.ini"));
  EXPECT_EQ(raw("Job", "GroupingPrimary"), "");
  EXPECT_EQ(raw("Print", "groupingMember"), "");
  expectRaw("Print",
            {"groupingMarginScan", "groupingMarginFeed", "groupingMarginTop",
             "groupingMarginBottom", "groupingMarginLeft", "groupingMarginRight"},
            "0.000000");
  EXPECT_EQ(raw("Print", "groupingDuplicateCount"), "1");
  expectRaw("Print", {"groupingNest", "groupingPositionLock"}, "false");
  expectRaw("Print", {"groupingPosition", "instructQRSize"}, "0.000000,0.000000");
  expectRaw("Print", {"instructQRString", "instructQRPosition"}, "");
  EXPECT_EQ(raw("Print", "alreadyKWSUploaded"), "1");

  expectRaw("Arrange1",
            {"arrangeMarginTop", "arrangeMarginBottom", "arrangeMarginLeft", "arrangeMarginRight"},
            "0.000000");
  EXPECT_EQ(raw("Arrange1", "arrangeOrder"), "\"None\"");

  EXPECT_EQ(raw("Composite", "removalBlank"), "true");
  expectRaw("Composite",
            {"evenColumnOffsetFeed", "duplicateMarginOuterTop", "duplicateMarginOuterBottom",
             "duplicateMarginOuterLeft", "duplicateMarginOuterRight"},
            "0.000000");
  expectRaw("Composite", {"duplicatePositionLock", "evenColumnInvert", "silveringReduction"},
            "false");
  EXPECT_EQ(raw("Element", "replaceAccuracy"), "0");
  expectRaws("Spool", {{"isOfficeCut", "false"}, {"officeCutTombo", "true"},
                       {"officeCutCopyCount", "1"}, {"textureAreaRatio", "-1.000000"}});
  EXPECT_EQ(raw("JobBasis", "userJobId"), "");

  EXPECT_EQ(raw("Print", "regMarkColor"), "0.000000,0.000000,0.000000,64.000000");
  expectRaw("Print", {"fillAroundColor", "rePrintMarkFillAroundColor"},
            "0.000000,64.000000,64.000000,0.000000");
  EXPECT_EQ(raw("Job", "ParamVersion"), "\"1.17\"");
}

// The unit lacked zOrder and relativeRotation; re-saving writes all nine
// keys, the missing ones with the values they read as.
TEST_F(JobMigrationTest, From115BinaryUnitsResavedWithEveryKey) {
  load(jobFileText("job_v115.ini"));
  const std::string name = "BinC_P0001_T001-001_C0001_V0000";
  auto keys = keysOf(job, name);
  auto expected = BinaryUnitSection::table().keys();
  std::sort(keys.begin(), keys.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(raw(name, "zOrder"), "0");
  EXPECT_EQ(raw(name, "relativeRotation"), "0");
  EXPECT_EQ(raw(name, "offset"), "5.500000,7.250000");
  EXPECT_EQ(raw(name, "offsetOfOffset"), "{mark;1.000000,2.000000}");
  EXPECT_EQ(raw(name, "compositeID"), "\"C\"");
}

// ---- single rules, from small texts ----------------------------------------

// 1.08 copies the file's own bleed to the three new sides; from 1.05 the
// 1.04 step does not run, so the bleed is not reset first.
TEST_F(JobMigrationTest, Step108CopiesTheBleedOfTheFile) {
  load(jobOfVersion("1.05",
                    "[Print]\nxySlitterMarkOffset=3.000000\nxySlitterPrintBleed=2.500000\n"
                    "xySlitterWidthCopyCnt=4\n[Spool]\ntitle=\"t\"\n"));
  expectRaw("Print",
            {"xySlitterPrintBleedBottom", "xySlitterPrintBleedLeft", "xySlitterPrintBleedRight"},
            "2.500000");
  EXPECT_EQ(raw("Print", "xySlitterMarkOffset"), "3.000000");
  EXPECT_EQ(raw("Print", "xySlitterWidthCopyCnt"), "1");  // 1.07 runs
  EXPECT_EQ(raw("Spool", "highSpeedPreRIP"), kMissing);   // 1.05 does not
}

// 1.10 always writes the ink defaults; 1.11 only makes the section when a
// file lacks it.
TEST_F(JobMigrationTest, InkPredictRulesOf110And111) {
  const std::string ink = "[InkPredict]\napplySetting=true\ninkSaving=true\ninkSavingLevel=5\n";
  load(jobOfVersion("1.10", ink));
  EXPECT_EQ(raw("InkPredict", "applySetting"), "true");
  EXPECT_EQ(raw("InkPredict", "inkSavingLevel"), "5");

  load(jobOfVersion("1.10", ""));
  EXPECT_EQ(raw("InkPredict", "applySetting"), "false");
  EXPECT_EQ(raw("InkPredict", "inkSaving"), "false");
  EXPECT_EQ(raw("InkPredict", "inkSavingLevel"), "3");

  load(jobOfVersion("1.09", ink));
  EXPECT_EQ(raw("InkPredict", "applySetting"), "false");
  EXPECT_EQ(raw("InkPredict", "inkSavingLevel"), "3");
}

TEST_F(JobMigrationTest, CurrentAndNewerFilesAreLeftAsTheyAre) {
  const std::string current = jobFileText("job_v117.ini");
  load(current);
  EXPECT_EQ(textOf(job), current);
  EXPECT_EQ(job.getParamVersion(), "1.17");

  const std::string newer = withVersion(current, "2.00");
  load(newer);
  EXPECT_EQ(textOf(job), newer);
  EXPECT_EQ(job.getParamVersion(), "2.00");
}

TEST_F(JobMigrationTest, FileWithoutJobSectionCountsAsCurrent) {
  const std::string text = "[Print]\nmediaCut=true\n[Composite]\npages=2\nmoveType=true\n";
  load(text);
  EXPECT_EQ(job.getParamVersion(), "1.17");
  EXPECT_EQ(textOf(job), text);
}

// ---- reading from a path -----------------------------------------------------

TEST_F(JobMigrationTest, CurrentFileOnDiskIsNotRewritten) {
  expectReadFromUntouchedFile(jobFileText("job_v117.ini"));
}

TEST_F(JobMigrationTest, NewerFileOnDiskIsNotRewritten) {
  expectReadFromUntouchedFile(withVersion(jobFileText("job_v117.ini"), "2.00"));
  EXPECT_EQ(job.getParamVersion(), "2.00");
}

TEST_F(JobMigrationTest, OlderFileOnDiskIsWrittenBackOnce) {
  ScratchDir dir;
  const std::string original = jobFileText("job_v108.ini");
  const std::string path = putDatedBack(dir, "job.ini", original);

  ASSERT_TRUE(job.readParam(path));
  const std::string written = readText(path);
  EXPECT_NE(written, original);
  EXPECT_EQ(written, textOf(job));
  EXPECT_NE(written.find("[Job]\nJobID=\"J-20200611-0142\"\nPrimary=\"J-20200611-0141\"\n"
                         "DeviceName=\"VG2-640\"\nParamVersion=\"1.17\"\n"),
            std::string::npos);

  // Read again, the raised file is current and stays untouched.
  boost::filesystem::last_write_time(path, modified(path) - 3600);
  const auto before = modified(path);
  JobParam again;
  ASSERT_TRUE(again.readParam(path));
  EXPECT_EQ(again.getParamVersion(), "1.17");
  EXPECT_EQ(textOf(again), written);
  EXPECT_EQ(modified(path), before);
}

// ---- failures ------------------------------------------------------------------

TEST_F(JobMigrationTest, NonNumericVersionFailsButKeepsTheSections) {
  const std::string text = withVersion(jobFileText("job_v117.ini"), "abc");
  EXPECT_FALSE(job.readParamData(text));
  EXPECT_TRUE(log.contains(kLogError, "invalid stof argument"));
  EXPECT_EQ(job.model().sectionNames().size(), 16u);
  EXPECT_EQ(textOf(job), text);  // the comparison fails before any step
  PrintSection print;
  EXPECT_TRUE(job.getPrintSection(print));
  EXPECT_TRUE(print.mediaCut);
}

TEST_F(JobMigrationTest, MalformedTextsFailWithTheReadersMessage) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"this is not a job file\n", "'=' character not found in line"},
      {"[Job\nJobID=\"J-1\"\n", "unmatched '['"},
      {"[Job]\nJobID=\"J-1\"\n[Print]\nmediaCut=true\n[Job]\nPrimary=\"J-0\"\n",
       "duplicate section name"},
      {"[Print]\nmediaCut=true\nmediaCut=false\n", "duplicate key name"},
  };
  for (const auto& c : cases) {
    log.clear();
    JobParam bad;
    EXPECT_FALSE(bad.readParamData(c.text)) << c.text;
    EXPECT_TRUE(log.contains(kLogError, c.message)) << c.text;
    EXPECT_TRUE(bad.model().sectionNames().empty()) << c.text;
  }

  JobParam empty;
  EXPECT_FALSE(empty.readParamData(""));
  EXPECT_TRUE(empty.model().sectionNames().empty());
  EXPECT_EQ(textOf(empty), "");
}

TEST_F(JobMigrationTest, MissingOrEmptyPathFails) {
  ScratchDir dir;
  EXPECT_FALSE(job.readParam(""));
  EXPECT_TRUE(job.getFilePath().empty());
  const std::string absent = dir.file("absent.ini");
  EXPECT_FALSE(job.readParam(absent));
  EXPECT_FALSE(boost::filesystem::exists(absent));
}
