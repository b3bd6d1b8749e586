#include <gtest/gtest.h>

#include <cmath>

#include "SectionGolden.h"
#include "unitCmnJobParam/ArrangeSection.h"
#include "unitCmnJobParam/BinaryUnitSection.h"
#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobParam/FeedSection.h"
#include "unitCmnJobParam/LayerSection.h"

TEST(LayoutSectionRecords, GoldenFilesRoundTrip) {
  expectGoldenRoundTrip<CompositeSection>("Composite.ini", 161);
  expectGoldenRoundTrip<ArrangeSection>("Arrange.ini", 29);
  expectGoldenRoundTrip<BinaryUnitSection>("Bin.ini", 9);
  expectGoldenRoundTrip<FeedSection>("Feed.ini", 68);
  expectGoldenRoundTrip<LayerSection>("Layer.ini", 28);
}

TEST(LayoutSectionRecords, GoldenValuesLandInTheirFields) {
  CompositeSection composite;
  CompositeSection::table().read(goldenSection("Composite.ini"), composite);
  EXPECT_EQ(composite.scale, (DoublePair{100.0, 50.0}));
  EXPECT_EQ(composite.binaryFilesSize, (UInt64Lists{{1048576ull, 5368709120ull}, {4096ull}}));
  EXPECT_EQ(composite.cutOuterFrameCutTool, "Cutter1");

  ArrangeSection arrange;
  ArrangeSection::table().read(goldenSection("Arrange.ini"), arrange);
  EXPECT_EQ(arrange.resultLogFileNamePath, "Fixed\\ResultLogSettingFileName.csv");
  EXPECT_EQ(arrange.resultLogResult, (TextLists{{"file1.prn", "OK"}, {"file2.prn", "NG"}}));

  BinaryUnitSection unit;
  BinaryUnitSection::table().read(goldenSection("Bin.ini"), unit);
  EXPECT_EQ(unit.relativeRotation, -90);
  EXPECT_EQ(unit.totalOffset(), (DoublePair{11.5, 20.75}));
}

TEST(LayoutSectionRecords, NewArrangeHoldsTheResultLogDefaults) {
  const ArrangeSection arrange;
  EXPECT_EQ(arrange.arrangeNumber, 1);
  EXPECT_EQ(arrange.arrangePolicy, "MinimumSize");
  EXPECT_EQ(arrange.arrangeOrder, "None");
  EXPECT_EQ(arrange.resultLogFileNamePath, "Fixed\\ResultLogSettingFileName.csv");
  EXPECT_EQ(arrange.resultLogPrnPath, "Fixed\\ResultLogSettingPrn.csv");
  EXPECT_EQ(arrange.resultLogCutPath, "Fixed\\ResultLogSettingCut.csv");
  EXPECT_EQ(arrange.resultLogKeyList,
            (TextList{"KEY_FILENAME", "KEY_RESULT", "KEY_RESULT_DETAIL", "KEY_ARRANGE_CNT",
                      "KEY_INKUSE", "KEY_RIP_S_TIME", "KEY_RIP_E_TIME", "KEY_PRINT_S_TIME",
                      "KEY_PRINT_E_TIME", "KEY_VEC_S_TIME", "KEY_VEC_E_TIME", "KEY_CUT_S_TIME",
                      "KEY_CUT_E_TIME"}));
  EXPECT_EQ(arrange.printArea, (DoubleQuad{0, 0, 0, -1.0}));
  EXPECT_EQ(arrange.duplexPrintArea, (DoubleQuad{0, 0, 0, -1.0}));

  // Every other field starts at 0, false or empty.
  ArrangeSection blank;
  ArrangeSection::table().reset(blank);
  EXPECT_EQ(ArrangeSection::table().differences(arrange, blank),
            (std::vector<std::string>{"arrangeNumber", "printArea", "arrangePolicy",
                                      "duplexPrintArea", "resultLogFileNamePath",
                                      "resultLogPrnPath", "resultLogCutPath", "resultLogKeyList",
                                      "arrangeOrder"}));
}

TEST(LayoutSectionRecords, OtherRecordsStartEmpty) {
  auto startsEmpty = [](auto record) {
    auto blank = record;
    decltype(record)::table().reset(blank);
    return decltype(record)::table().differences(record, blank);
  };
  EXPECT_TRUE(startsEmpty(CompositeSection{}).empty());
  EXPECT_TRUE(startsEmpty(BinaryUnitSection{}).empty());
  EXPECT_TRUE(startsEmpty(FeedSection{}).empty());
  EXPECT_TRUE(startsEmpty(LayerSection{}).empty());
}

TEST(LayoutSectionRecords, MissingKeysReadAsEmptyNotAsDefaults) {
  IniSectionDataEx section;
  section.setValue("arrangeNumber", 3);
  ArrangeSection arrange;
  ArrangeSection::table().read(section, arrange);
  EXPECT_EQ(arrange.arrangeNumber, 3);
  EXPECT_EQ(arrange.arrangePolicy, "");
  EXPECT_TRUE(arrange.resultLogKeyList.empty());
  EXPECT_EQ(arrange.printArea, (DoubleQuad{}));
}

namespace {
// 100 x 50 with 5 trimmed from every side: 90 x 40 before any deskew.
CompositeSection trimmedComposite(double deskew) {
  CompositeSection c;
  c.scale = {100.0, 50.0};
  c.trimTop = c.trimLeft = c.trimBottom = c.trimRight = 5.0;
  c.deskew = deskew;
  return c;
}
}  // namespace

TEST(CompositeSectionPlacedSize, ScaleMinusTrimsWithoutDeskew) {
  const CompositeSection c = trimmedComposite(0.0);
  EXPECT_EQ(c.placedWidth(), 90.0);
  EXPECT_EQ(c.placedHeight(), 40.0);
}

TEST(CompositeSectionPlacedSize, DeskewTurnsTheBoundingBox) {
  for (double deskew : {90.0, -90.0}) {
    const CompositeSection c = trimmedComposite(deskew);
    EXPECT_NEAR(c.placedWidth(), 40.0, 1e-9) << deskew;
    EXPECT_NEAR(c.placedHeight(), 90.0, 1e-9) << deskew;
  }
  // 30 degrees: sin 30 = 1/2, cos 30 = sqrt(3)/2.
  const CompositeSection c = trimmedComposite(30.0);
  EXPECT_NEAR(c.placedWidth(), 0.5 * 40.0 + std::sqrt(3.0) / 2 * 90.0, 1e-9);
  EXPECT_NEAR(c.placedHeight(), 0.5 * 90.0 + std::sqrt(3.0) / 2 * 40.0, 1e-9);
}

TEST(CompositeSectionPlacedSize, TilingOrPanelingIgnoresDeskew) {
  for (bool CompositeSection::*layout : {&CompositeSection::tiling, &CompositeSection::paneling}) {
    CompositeSection c = trimmedComposite(90.0);
    c.*layout = true;
    EXPECT_EQ(c.placedWidth(), 90.0);
    EXPECT_EQ(c.placedHeight(), 40.0);
  }
}

TEST(BinaryUnitSectionOffset, TotalAddsEveryCorrection) {
  BinaryUnitSection unit;
  unit.offset = {10.0, 10.0};
  EXPECT_EQ(unit.totalOffset(), (DoublePair{10.0, 10.0}));

  unit.offsetOfOffset = {{"a", {1.0, 2.0}}, {"b", {3.0, 4.0}}};
  EXPECT_EQ(unit.totalOffset(), (DoublePair{14.0, 16.0}));

  unit.setTotalOffset(0.0, 0.0);
  EXPECT_EQ(unit.offset, (DoublePair{-4.0, -6.0}));
  EXPECT_EQ(unit.totalOffset(), (DoublePair{0.0, 0.0}));

  unit.setTotalOffset(20.5, -3.0);
  EXPECT_EQ(unit.offset, (DoublePair{16.5, -9.0}));
  EXPECT_EQ(unit.offsetOfOffset.size(), 2u);  // corrections stay as they were
}
