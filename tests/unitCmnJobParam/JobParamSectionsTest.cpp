// Section operations of JobParam on a real current-version job: fixed
// sections, section families, arrangement and binary-unit sections by
// their numbers and name fields, deletion, and the text a job gives back.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "JobFiles.h"
#include "support/LogCapture.h"
#include "unitCmnJobParam/JobParam.h"

namespace {

using Names = std::vector<std::string>;

template <class Record>
Names differences(const Record& a, const Record& b) {
  return Record::table().differences(a, b);
}

template <class Record>
Names differencesFromReset(const Record& record) {
  Record blank;
  Record::table().reset(blank);
  return differences(record, blank);
}

template <class Record>
Names namesOf(const std::map<std::string, Record>& family) {
  Names names;
  for (const auto& entry : family) names.push_back(entry.first);
  return names;
}

class JobSectionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(job.readParamData(jobFileText("job_v117.ini"))); }

  LogCapture log;  // sections of the job hold only some of their keys
  JobParam job;
};

}  // namespace

TEST_F(JobSectionsTest, FixedSectionsReadTheirKeys) {
  JobSection identity;
  job.getJobSection(identity);
  EXPECT_EQ(identity.jobID, "J-20240601-0005");
  EXPECT_EQ(identity.primary, "J-20240601-0004");
  CompositeSection composite;
  ASSERT_TRUE(job.getCompositeSection(composite));
  EXPECT_EQ(composite.scale, (DoublePair{1200, 800}));
  SpoolSection spool;
  ASSERT_TRUE(job.getSpoolSection(spool));
  EXPECT_EQ(spool.title, "Spring poster A1");
  VariableSection variable;
  ASSERT_TRUE(job.getVariableSection(variable));
  EXPECT_TRUE(variable.applyMonoReplaceJob);
}

TEST_F(JobSectionsTest, SetPrintRewritesInPlaceAndKeepsUnknownKeys) {
  PrintSection print;
  ASSERT_TRUE(job.getPrintSection(print));
  EXPECT_EQ(print.member.groups,
            (std::vector<TextList>{{"J-20240601-0004"}, {"J-20240601-0005", "J-20240601-0006"}}));
  print.mediaCut = false;
  print.beforeMargin = 7.5;
  job.setPrintSection(print);

  const auto keys = keysOf(job, "Print");
  EXPECT_EQ(Names(keys.begin(), keys.begin() + 6),
            (Names{"Member", "mediaCut", "heaterStandbyMode", "beforeMargin", "afterMargin",
                   "legacyOption"}));
  EXPECT_EQ(rawValue(job, "Print", "legacyOption"), "\"keep me\"");
  EXPECT_EQ(rawValue(job, "Print", "mediaCut"), "false");
  EXPECT_EQ(rawValue(job, "Print", "beforeMargin"), "7.500000");
  PrintSection back;
  ASSERT_TRUE(job.getPrintSection(back));
  EXPECT_EQ(differences(back, print), Names{});
}

TEST_F(JobSectionsTest, MissingSectionsAreLoggedAndLeaveTheRecordReset) {
  JobParam bare;
  ASSERT_TRUE(bare.readParamData("[Job]\nJobID=\"J-1\"\nParamVersion=\"1.17\"\n"));
  log.clear();
  PrintSection print;  // starts with its defaults, which are not the reset values
  EXPECT_FALSE(bare.getPrintSection(print));
  EXPECT_TRUE(
      log.contains(kLogError, "ParamIoINI getSectionData section not found. section:Print"));
  EXPECT_EQ(differencesFromReset(print), Names{});
  ArrangeSection arrange;
  EXPECT_FALSE(bare.getArrangeSection(5, arrange));
  EXPECT_TRUE(log.contains(kLogError, "section not found. section:Arrange5"));
  EXPECT_EQ(differencesFromReset(arrange), Names{});
  BinaryUnitSection unit;
  EXPECT_FALSE(bare.getBinaryUnitSection("A", 1, 0, 1, 1, 1, unit));
  EXPECT_TRUE(
      log.contains(kLogError, "section not found. section:BinA_P0001_T001-001_C0001_V0000"));

  // A job without "Job" reads an empty identity without a word.
  JobParam anonymous;
  ASSERT_TRUE(anonymous.readParamData("[Print]\nmediaCut=true\n"));
  log.clear();
  JobSection identity;
  identity.jobID = "stale";
  anonymous.getJobSection(identity);
  EXPECT_EQ(differencesFromReset(identity), Names{});
  EXPECT_TRUE(log.records().empty());
}

TEST_F(JobSectionsTest, FamiliesCollectEverySectionContainingTheirWord) {
  std::map<std::string, FeedSection> feeds{{"Stale", FeedSection{}}};
  job.getFeedSections(feeds);
  ASSERT_EQ(namesOf(feeds), (Names{"Feed1", "HighSpeedFeed"}));
  EXPECT_EQ(feeds["HighSpeedFeed"].scanResolution, 360);
  std::map<std::string, LayerSection> layers;
  job.getLayerSections(layers);
  EXPECT_EQ(namesOf(layers), Names{"Layer1"});
  std::map<std::string, ArrangeSection> arranges;
  job.getArrangeSections(arranges);
  ASSERT_EQ(namesOf(arranges), (Names{"Arrange1", "Arrange12"}));
  EXPECT_EQ(arranges["Arrange1"].compositeKeys,
            (TextList{"BinA_P0001_T001-001_C0001_V0000", "BinA_P0001_T001-001_C0002_V0000"}));
  EXPECT_EQ(arranges["Arrange12"].arrangeNumber, 12);
  std::map<std::string, BinaryUnitSection> units;
  job.getBinaryUnitSections(units);
  ASSERT_EQ(namesOf(units), arranges["Arrange1"].compositeKeys);
  EXPECT_EQ(units["BinA_P0001_T001-001_C0002_V0000"].relativeRotation, 90);
}

TEST_F(JobSectionsTest, ArrangeSectionsByNumber) {
  const auto names = job.model().sectionNames();
  ArrangeSection arrange;
  arrange.arrangeNumber = 12;
  arrange.orgPosition = {5.0, 6.5};
  arrange.relRect = {{1, 2}, {3}};
  job.setArrangeSection(12, arrange);
  ArrangeSection back;
  ASSERT_TRUE(job.getArrangeSection(12, back));
  EXPECT_EQ(differences(back, arrange), Names{});
  EXPECT_EQ(job.model().sectionNames(), names);  // rewritten where it was

  arrange.arrangeNumber = 7;
  job.setArrangeSection(7, arrange);
  EXPECT_NE(textOf(job).find("[Arrange7]\narrangeNumber=7\n"), std::string::npos);
}

TEST_F(JobSectionsTest, DeletionRemovesOnlyItsFamily) {
  IniSectionDataEx condition;
  condition.setValue("margin", 2.0);
  job.setSectionData("ArrangeCondition", condition);
  Names names = job.model().sectionNames();
  auto without = [&](const std::string& word) {
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& n) { return n.find(word) != n.npos; }),
                names.end());
    return names;
  };
  job.deleteArrangeSections();
  EXPECT_EQ(job.model().sectionNames(), without("Arrange"));
  job.deleteBinaryUnitSections();
  EXPECT_EQ(job.model().sectionNames(), without("Bin"));
  EXPECT_NO_THROW(job.deleteArrangeSections());
}

TEST_F(JobSectionsTest, BinaryUnitSectionsByIdPageTileAndCopy) {
  BinaryUnitSection unit;
  unit.compositeID = "X1";
  unit.pageNumber = 12;
  unit.tileNumber = {1, 2};
  unit.offset = {100.5, -20.25};
  unit.offsetOfOffset = {{"jig", {0.0, 3.0}}};
  job.setBinaryUnitSection("X1", 12, /*row*/ 0, /*tile1*/ 1, /*tile2*/ 2, /*copy*/ 3, unit);
  EXPECT_TRUE(job.model().sectionExist("BinX1_P0012_T001-002_C0003_V0000"));
  BinaryUnitSection back;
  ASSERT_TRUE(job.getBinaryUnitSection("X1", 12, 0, 1, 2, 3, back));
  EXPECT_EQ(differences(back, unit), Names{});
  EXPECT_FALSE(job.getBinaryUnitSection("X1", 12, 3, 1, 2, 0, back));  // row and copy swapped
  EXPECT_EQ(JobParam::binaryUnitSectionName("A", 1, 2, 3, 4, 5), "BinA_P0001_T002-003_C0004_V0005");
  EXPECT_EQ(JobParam::binaryUnitSectionName("", 12345, 1000, -1, 0, 0),
            "Bin_P12345_T1000--01_C0000_V0000");
  // The formatted part fills at most 259 characters.
  EXPECT_EQ(JobParam::binaryUnitSectionName(std::string(400, 'Z'), 1, 1, 1, 1, 0),
            "Bin" + std::string(259, 'Z'));
  // Every width and sign as printf pads it.
  for (int v : {INT_MIN, -1000, -100, -10, -1, 0, 7, 10, 999, 1000, 99999, INT_MAX}) {
    char name[260];
    std::snprintf(name, sizeof name, "%s_P%04d_T%03d-%03d_C%04d_V%04d", "J", v, v, -(v / 2), v / 3,
                  v % 1000);
    EXPECT_EQ(JobParam::binaryUnitSectionName("J", v, v, -(v / 2), v / 3, v % 1000),
              std::string("Bin") + name);
  }
}

TEST_F(JobSectionsTest, SetWritesNamedSectionsAndMakesMissingOnes) {
  FeedSection feed;
  feed.scanResolution = 1440;
  job.setFeedSection("Feed3", feed);
  std::map<std::string, FeedSection> feeds;
  job.getFeedSections(feeds);
  EXPECT_EQ(differences(feeds.at("Feed3"), feed), Names{});

  LayerSection layer;
  layer.cutAutoCut = false;
  job.setLayerSection("Layer1", layer);
  EXPECT_EQ(rawValue(job, "Layer1", "cutAutoCut"), "false");

  JobParam bare;
  ASSERT_TRUE(bare.readParamData("[Job]\nJobID=\"J-1\"\n"));
  InkPredictSection ink;
  ink.inkSaving = true;
  ink.inkSavingLevel = 2;
  bare.setInkPredictSection(ink);
  EXPECT_EQ(textOf(bare), "[Job]\nJobID=\"J-1\"\n"
                          "[InkPredict]\napplySetting=false\ninkSaving=true\ninkSavingLevel=2\n");
}

// What a job gives back as text is what it writes to a file, and reading
// that file gives the same job again.
TEST_F(JobSectionsTest, EditedJobWritesItsTextToFile) {
  ArrangeSection arrange;
  arrange.markPrintInformationDeploy = {{10, 20, 30.5, 5}};
  job.setArrangeSection(2, arrange);
  ScratchDir dir;
  const std::string path = dir.file("out/job.ini");
  ASSERT_TRUE(job.writeParam(path));
  EXPECT_EQ(readText(path), textOf(job));
  JobParam reread;
  ASSERT_TRUE(reread.readParam(path));
  EXPECT_EQ(textOf(reread), textOf(job));
}
