#include <gtest/gtest.h>

#include <map>
#include <string>

#include "SectionGolden.h"
#include "support/LogCapture.h"
#include "support/RaisedComment.h"
#include "unitCmnJobParam/InkPredictSection.h"
#include "unitCmnJobParam/PrintSection.h"
#include "unitCmnJobParam/SpoolSection.h"
#include "unitCmnJobParam/VariableSection.h"

namespace {
template <class Record>
Record readRecord(const IniSectionDataEx& section) {
  Record record;
  Record::table().read(section, record);
  return record;
}

std::string rawValue(const IniSectionDataEx& section, const std::string& key) {
  std::string raw;
  section.getValueNonDq(key, raw);
  return raw;
}
}  // namespace

TEST(JobSectionRecords, GoldenSectionsRoundTrip) {
  expectGoldenRoundTrip<PrintSection>("Print.ini", 114);
  expectGoldenRoundTrip<SpoolSection>("Spool.ini", 79);
  expectGoldenRoundTrip<VariableSection>("Variable.ini", 2);
  expectGoldenRoundTrip<InkPredictSection>("InkPredict.ini", 3);
}

// Spot checks that golden values land in the fields of the same name with
// their full range and text intact.
TEST(JobSectionRecords, GoldenValuesReachTheirFields) {
  const auto print = readRecord<PrintSection>(goldenSection("Print.ini"));
  EXPECT_EQ(print.member.groups, (std::vector<TextList>{{"job-A"}, {"job-B", "job-C"}}));
  EXPECT_EQ(print.cutDataDir, "C:\\Jobs\\cut data");
  EXPECT_EQ(print.instructQRString, "order=8812;copies=3");
  EXPECT_EQ(print.groupingMember, (TextList{"G-0001", "G-0002", "G-0003"}));
  EXPECT_EQ(print.markPrintInformationDeploy.at(1), (DoubleQuad{10, 300, 100, 8}));
  EXPECT_EQ(print.curLampPosition, -3);
  EXPECT_DOUBLE_EQ(print.registerMarkLineWidth, 0.35);
  EXPECT_EQ(print.rePrintMarkFillAroundColor, (DoubleList{0, 80, 40, 5}));

  const auto spool = readRecord<SpoolSection>(goldenSection("Spool.ini"));
  EXPECT_EQ(spool.spoolFileSize, 5368709120ull);  // beyond 32 bits
  EXPECT_EQ(spool.date, 1717243200ll);
  EXPECT_EQ(spool.previewSize, (IntPair{640, 905}));
  EXPECT_EQ(spool.cutSpot, (TextList{"CutContour", "Crease"}));
  EXPECT_DOUBLE_EQ(spool.paperPoints[1], 2383.94);
}

// A PrintSection built without reading holds the listed defaults and every
// other field at 0, false or empty.
TEST(JobSectionRecords, PrintRecordDefaults) {
  const PrintSection print;
  EXPECT_EQ(print.regMarkColor, (DoubleList{0, 0, 0, 64}));

  IniSectionDataEx written;
  PrintSection::table().write(written, print);
  const std::map<std::string, std::string> defaults{
      {"heaterStandbyMode", "-1"},
      {"heaterOffMode", "-1"},
      {"regMarkSizeByPlotEdge", "10.000000"},
      {"colorPatternScaling", "1"},
      {"registerMarkSize", "10.000000"},
      {"registerMarkLineWidth", "0.600000"},
      {"registerMarkTarget", "1"},
      {"registerMarkCenterDirection", "1"},
      {"registerMarkCenterNumber", "2"},
      {"printcountinfomation", "1"},
      {"feedCount", "1"},
      {"mediaThickness", "-1.000000"},
      {"xySlitterWidthCopyCnt", "1"},
      {"xySlitterImmediateProcessing", "true"},
      {"groupingDuplicateCount", "1"},
      {"alreadyKWSUploaded", "1"},
      {"regMarkColor", "0.000000,0.000000,0.000000,64.000000"},
      {"fillAroundColor", "0.000000,64.000000,64.000000,0.000000"},
      {"rePrintMarkFillAroundColor", "0.000000,64.000000,64.000000,0.000000"},
  };
  ASSERT_EQ(written.keys().size(), 114u);
  for (const auto& key : written.keys()) {
    const std::string value = rawValue(written, key);
    const auto found = defaults.find(key);
    if (found != defaults.end()) {
      EXPECT_EQ(value, found->second) << key;
    } else {
      const bool zero = value.empty() || value == "0" || value == "false" ||
                        value == "0.000000" || value == "0.000000,0.000000";
      EXPECT_TRUE(zero) << key << "=" << value;
    }
  }
}

// Reading resets every field first: a key the section lacks reads as 0,
// false or empty, never as the record default or the previous value.
TEST(JobSectionRecords, MissingKeysReadAsResetNotAsDefaults) {
  LogCapture log;  // the back-end logs each missing key
  const IniSectionDataEx section = onlySection("[Print]\nmediaCut=true\n");
  PrintSection print;
  print.member.groups = {{"stale"}};
  PrintSection::table().read(section, print);
  EXPECT_TRUE(print.mediaCut);
  EXPECT_EQ(print.xySlitterWidthCopyCnt, 0);
  EXPECT_EQ(print.mediaThickness, 0.0);
  EXPECT_FALSE(print.xySlitterImmediateProcessing);
  EXPECT_TRUE(print.regMarkColor.empty());
  EXPECT_TRUE(print.member.groups.empty());
  EXPECT_TRUE(log.contains(kLogError, "Key not found. key:xySlitterWidthCopyCnt"));

  const auto ink = readRecord<InkPredictSection>(onlySection("[InkPredict]\ninkSaving=TRUE\n"));
  EXPECT_TRUE(ink.inkSaving);
  EXPECT_FALSE(ink.applySetting);
  EXPECT_EQ(ink.inkSavingLevel, 0);
}

// Writing updates the record's keys in place and leaves keys the record
// does not know as they were.
TEST(JobSectionRecords, WritingKeepsUnknownKeys) {
  IniSectionDataEx section =
      onlySection("[Print]\nlegacyOption=\"keep me\"\nmediaCut=false\nsendFfEveryPage=true\n");
  PrintSection print;
  print.mediaCut = true;
  print.member.groups = {{"j1"}, {"j2", "j3"}};
  PrintSection::table().write(section, print);

  EXPECT_EQ(section.keys().size(), 116u);
  EXPECT_EQ(section.keys().at(0), "legacyOption");
  EXPECT_EQ(rawValue(section, "legacyOption"), "\"keep me\"");
  EXPECT_EQ(rawValue(section, "sendFfEveryPage"), "true");
  EXPECT_EQ(rawValue(section, "mediaCut"), "true");
  EXPECT_EQ(rawValue(section, "Member"), R"("j1",("j2";"j3"))");
  EXPECT_EQ(readRecord<PrintSection>(section), print);
}

// Booleans read in any letter case; other values fail with the
// conversion's message instead of reading as a reset field.
TEST(JobSectionRecords, InvalidValuesRaiseTheConversionMessage) {
  LogCapture log;
  const auto variable = readRecord<VariableSection>(
      onlySection("[Variable]\nisVariableJob=False\napplyMonoReplaceJob=True\n"));
  EXPECT_FALSE(variable.isVariableJob);
  EXPECT_TRUE(variable.applyMonoReplaceJob);

  EXPECT_EQ(raisedComment([] {
              readRecord<VariableSection>(onlySection("[Variable]\nisVariableJob=yes\n"));
            }),
            "It is not a Boolean value.");
  EXPECT_EQ(
      raisedComment([] { readRecord<SpoolSection>(onlySection("[Spool]\ncutSpeed=30,fast\n")); }),
      "invalid stoi argument");
}
