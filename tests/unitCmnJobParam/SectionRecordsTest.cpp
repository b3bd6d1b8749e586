// The section records against hand-written golden sections (every key of a
// record, in table order, with a value that is neither 0, false nor empty,
// tests/data/sections/), and a unit's offset with its corrections. (The
// placed size of a composite is measured by the size calculation's cases.)
#include <gtest/gtest.h>

#include <string>

#include "support/LogCapture.h"
#include "support/RaisedComment.h"
#include "support/TestFiles.h"
#include "unitCmnJobParam/ArrangeSection.h"
#include "unitCmnJobParam/BinaryUnitSection.h"
#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobParam/FeedSection.h"
#include "unitCmnJobParam/InkPredictSection.h"
#include "unitCmnJobParam/LayerSection.h"
#include "unitCmnJobParam/PrintSection.h"
#include "unitCmnJobParam/SpoolSection.h"
#include "unitCmnJobParam/VariableSection.h"
#include "unitCmnParamIo/ParamIoINI.h"

namespace {

// The only section of an INI text.
IniSectionDataEx onlySection(const std::string& text) {
  ParamIoINI io;
  EXPECT_TRUE(io.readText(text)) << text;
  IniSectionDataEx section;
  EXPECT_EQ(io.sectionNames().size(), 1u) << text;
  if (!io.sectionNames().empty()) io.getSectionData(io.sectionNames().front(), &section);
  return section;
}

template <class Record>
Record recordOf(const std::string& text) {
  Record record;
  Record::table().read(onlySection(text), record);
  return record;
}

// The keys of the golden file are the table's in order; every field is read
// (none left at its reset value, so no two keys fill one field); writing
// gives back the same text.
template <class Record>
void expectGoldenRoundTrip(const std::string& file) {
  SCOPED_TRACE(file);
  const IniSectionDataEx golden = onlySection(dataText("sections/" + file));
  const auto& table = Record::table();
  EXPECT_EQ(golden.keys(), table.keys());
  Record record, blank;
  table.read(golden, record);
  table.reset(blank);
  EXPECT_EQ(table.differences(record, blank), table.keys());
  IniSectionDataEx written;
  table.write(written, record);
  EXPECT_EQ(written.toString(), golden.toString());
}

}  // namespace

TEST(SectionRecords, GoldenSectionsRoundTrip) {
  expectGoldenRoundTrip<PrintSection>("Print.ini");
  expectGoldenRoundTrip<SpoolSection>("Spool.ini");
  expectGoldenRoundTrip<VariableSection>("Variable.ini");
  expectGoldenRoundTrip<InkPredictSection>("InkPredict.ini");
  expectGoldenRoundTrip<CompositeSection>("Composite.ini");
  expectGoldenRoundTrip<ArrangeSection>("Arrange.ini");
  expectGoldenRoundTrip<BinaryUnitSection>("Bin.ini");
  expectGoldenRoundTrip<FeedSection>("Feed.ini");
  expectGoldenRoundTrip<LayerSection>("Layer.ini");
}

// Values whose range or text a careless conversion would lose.
TEST(SectionRecords, GoldenValuesKeepRangeAndText) {
  const auto print = recordOf<PrintSection>(dataText("sections/Print.ini"));
  EXPECT_EQ(print.member.groups, (std::vector<TextList>{{"job-A"}, {"job-B", "job-C"}}));
  EXPECT_EQ(print.cutDataDir, "C:\\Jobs\\cut data");
  EXPECT_EQ(print.instructQRString, "order=8812;copies=3");
  const auto spool = recordOf<SpoolSection>(dataText("sections/Spool.ini"));
  EXPECT_EQ(spool.spoolFileSize, 5368709120ull);
  EXPECT_EQ(spool.date, 1717243200ll);
  const auto composite = recordOf<CompositeSection>(dataText("sections/Composite.ini"));
  EXPECT_EQ(composite.binaryFilesSize, (UInt64Lists{{1048576ull, 5368709120ull}, {4096ull}}));
  const auto arrange = recordOf<ArrangeSection>(dataText("sections/Arrange.ini"));
  EXPECT_EQ(arrange.resultLogResult, (TextLists{{"file1.prn", "OK"}, {"file2.prn", "NG"}}));
  EXPECT_EQ(recordOf<BinaryUnitSection>(dataText("sections/Bin.ini")).totalOffset(),
            (DoublePair{11.5, 20.75}));
}

// Reading resets every field first: a key the section lacks reads as 0,
// false or empty, never as the record default or the previous value.
TEST(SectionRecords, MissingKeysReadAsResetNotAsDefaults) {
  LogCapture log;  // the back-end logs each missing key
  PrintSection print;
  print.member.groups = {{"stale"}};
  PrintSection::table().read(onlySection("[Print]\nmediaCut=true\n"), print);
  EXPECT_TRUE(print.mediaCut);
  EXPECT_EQ(print.registerMarkSize, 0.0);  // the record's default is 10
  EXPECT_TRUE(print.regMarkColor.empty());
  EXPECT_TRUE(print.member.groups.empty());
  EXPECT_TRUE(log.contains(kLogError, "Key not found. key:xySlitterWidthCopyCnt"));
}

// Booleans read in any letter case; other values fail with the
// conversion's message instead of reading as a reset field.
TEST(SectionRecords, InvalidValuesRaiseTheConversionMessage) {
  LogCapture log;
  const auto variable =
      recordOf<VariableSection>("[Variable]\nisVariableJob=False\napplyMonoReplaceJob=True\n");
  EXPECT_FALSE(variable.isVariableJob);
  EXPECT_TRUE(variable.applyMonoReplaceJob);
  EXPECT_EQ(raisedComment([] { recordOf<VariableSection>("[Variable]\nisVariableJob=yes\n"); }),
            "It is not a Boolean value.");
  EXPECT_EQ(raisedComment([] { recordOf<SpoolSection>("[Spool]\ncutSpeed=30,fast\n"); }),
            "invalid stoi argument");
}

TEST(BinaryUnitSectionOffset, TotalAddsEveryCorrection) {
  BinaryUnitSection unit;
  unit.offset = {10.0, 10.0};
  unit.offsetOfOffset = {{"a", {1.0, 2.0}}, {"b", {3.0, 4.0}}};
  EXPECT_EQ(unit.totalOffset(), (DoublePair{14.0, 16.0}));
  unit.setTotalOffset(20.5, -3.0);
  EXPECT_EQ(unit.offset, (DoublePair{16.5, -9.0}));
  EXPECT_EQ(unit.totalOffset(), (DoublePair{20.5, -3.0}));
  EXPECT_EQ(unit.offsetOfOffset.size(), 2u);  // corrections stay as they were
}
