// The shared frame of the composite arrangers: printable area, entries,
// re-run check, write-back and result rectangle, on real job texts.
#include <gtest/gtest.h>

#include <cmath>

#include "ArrangeTestJobs.h"
#include "support/LogCapture.h"
#include "unitCmnAlignmentJobPosition/AlignmentJobPosition.h"
#include "unitCmnAlignmentJobPosition/ArrangeKinds.h"
#include "unitCmnAlignmentJobPosition/composite/MinimumSizeCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/composite/SequentialCompositeArranger.h"
#include "unitCmnExceptions/unitCmnException.h"
#include "unitCmnParams/OptiScoutCutConditionParam.h"

namespace {

std::string printWith(const std::string& lines) {
  return "[Job]\nJobID=\"P\"\n[Print]\n" + lines + "[Composite]\nscale=10,10\n";
}

specialityType::DimDouble areaFor(const std::string& printLines, double width, double length,
                                  const OptiScoutCutConditionParam* code = nullptr) {
  TestJobs jobs{printWith(printLines)};
  auto data = jobs.data(0, width, length);
  data.optiScoutParam = code;
  return SequentialCompositeArranger(true).getPrintableArea(data, RunJobs(data.jobs));
}

std::vector<ArrangeEntry> entriesOf(const TestJobs& jobs) {
  return AbCompositeArranger::buildArrangeEntries(RunJobs(jobs.jobs()));
}

}  // namespace

TEST(PrintableArea, UnlimitedLengthStaysAndNegativeWidthBecomesZero) {
  const auto area = areaFor("registerMarkShape=0\n", -20, -1);
  EXPECT_EQ(area.width, 0.0);
  EXPECT_EQ(area.height, -1.0);
  EXPECT_EQ(areaFor("registerMarkShape=0\n", 100, -30).height, 0.0);
}

TEST(PrintableArea, MarksAroundTheLayout) {
  const std::string marks = "registerMarkSize=10\nregisterMarkTarget=0\nregisterMarkOffset=2\n";
  // Shape 5 with fill-around: 2 x 10 + 2 x 2 + 5 from each direction.
  auto area = areaFor("registerMarkShape=5\nregisterMarkFillAround=true\n" + marks, 1000, 500);
  EXPECT_DOUBLE_EQ(area.width, 1000 - 29.0);
  EXPECT_DOUBLE_EQ(area.height, 500 - 29.0);
  // Shape 1 with fill-around: the mark twice per side.
  area = areaFor("registerMarkShape=1\nregisterMarkFillAround=true\n" + marks, 1000, -1);
  EXPECT_DOUBLE_EQ(area.width, 1000 - 44.0);
  EXPECT_EQ(area.height, -1.0);
  // Marks around each entry of shape 3 share one mark size.
  area = areaFor("registerMarkShape=3\nregisterMarkSize=10\nregisterMarkTarget=1\n", 1000, 500);
  EXPECT_DOUBLE_EQ(area.width, 990.0);
  EXPECT_DOUBLE_EQ(area.height, 490.0);
}

TEST(PrintableArea, OptiScoutCodeStripOnEachSide) {
  struct Case {
    const char* position;
    double width, length;
    double offsetX, offsetY;  // of the unit placed at (0, 0)
  };
  // Code 8 high at offset 4: a strip of 12 mm.
  const Case cases[] = {{"LeftTop", 988, 500, 0, 0},
                        {"RightBottom", 988, 500, 12, 0},
                        {"TopLeft", 1000, 488, 0, 0},
                        {"BottomRight", 1000, 488, 0, 12}};
  for (const Case& c : cases) {
    OptiScoutCutConditionParam code;
    ASSERT_TRUE(code.readParamData(
        "<OptiScoutCutCondition><ParamVersion>1.00</ParamVersion><CodeInfoModel>"
        "<CodeSize><Width>40</Width><Height>8</Height></CodeSize>"
        "<CodeOffset><X>4</X><Y>0</Y></CodeOffset><CodePrintPosition><" +
        std::string(c.position) + ">true</" + c.position +
        "></CodePrintPosition></CodeInfoModel></OptiScoutCutCondition>"));
    const std::string print = "registerMarkShape=0\nisUseOptiScoutCutCondition=true\n";
    const auto area = areaFor(print, 1000, 500, &code);
    EXPECT_DOUBLE_EQ(area.width, c.width) << c.position;
    EXPECT_DOUBLE_EQ(area.height, c.length) << c.position;
    TestJobs jobs{printWith(print)};
    auto data = jobs.data(9, 1000, 500);
    data.optiScoutParam = &code;
    SequentialCompositeArranger(false).arrange(data);
    std::map<std::string, BinaryUnitSection> units;
    jobs.jobs()[0]->getBinaryUnitSections(units);
    EXPECT_EQ(units.begin()->second.offset, (DoublePair{c.offsetX, c.offsetY})) << c.position;
    // Without the switch in "Print" the strip is ignored.
    EXPECT_DOUBLE_EQ(areaFor("registerMarkShape=0\n", 1000, 500, &code).width, 1000.0);
  }
}

TEST(EntryBuilding, JobsWithoutUnitsGetOnePerPageAndCopy) {
  TestJobs jobs{jobText("A", 100, 50, "pages=2\nduplicateCount=3\nduplicateScanCount=2\n")};
  SequentialCompositeArranger arranger(true);
  const auto entries = entriesOf(jobs);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[5].JobIdx, 0);
  EXPECT_EQ(entries[0].StrCompositeKey, "BinA_P0001_T000-000_C0001_V0001");
  EXPECT_EQ(entries[2].StrCompositeKey, "BinA_P0001_T000-000_C0003_V0002");
  EXPECT_EQ(entries[5].StrCompositeKey, "BinA_P0002_T000-000_C0003_V0002");
  EXPECT_EQ(entries[5].OrderNum, 6);
  EXPECT_EQ(entries[0].MmWidth, 100.0);
  EXPECT_EQ(entries[0].MmHeight, 50.0);
}

TEST(EntryBuilding, OnlyListedPagesThatTheJobHasEachOnce) {
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"0,0", {1, 2, 3}}, {"", {1, 2, 3}}, {"3,1,3", {3, 1}}, {"2,4,-1", {2}}, {"9", {1, 2, 3}}};
  for (const auto& c : cases) {
    TestJobs jobs{jobText("A", 10, 10, "pages=3\nduplicateCount=2\ntargetPrintPages=" +
                                           std::string(c.first) + "\n")};
    std::vector<int> pages;
    for (const ArrangeEntry& e : entriesOf(jobs))
      if (e.CopyNum == 1) pages.push_back(e.PageNum);
    EXPECT_EQ(pages, c.second) << c.first;
    EXPECT_EQ(entriesOf(jobs).size(), 2 * c.second.size()) << c.first;
  }
}

TEST(EntryBuilding, ExistingUnitsInNameOrderWithAllowances) {
  TestJobs jobs{
      "[Job]\nJobID=\"J\"\n[Print]\nregisterMarkShape=1\nregisterMarkSize=5\n"
      "registerMarkTarget=1\nregisterMarkFillAround=true\n"
      "[Composite]\nscale=110,60\ntrimLeft=5\ntrimRight=5\ntrimTop=5\ntrimBottom=5\n"
      "printCutline=true\ncutlineWidth=72\nrotate=90\n"
      "[BinJ_P0001_T000-000_C0002_V0001]\ncopyNumber=2\n"
      "[BinJ_P0001_T000-000_C0001_V0001]\ncopyNumber=1\n"};
  SequentialCompositeArranger arranger(true);
  const auto entries = entriesOf(jobs);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].CopyNum, 1);  // sorted by name, not file order
  // 100 x 50 image, cut line 72 pt = 25.4 mm per side, marks 2Z + 2Z = 20.
  EXPECT_NEAR(entries[0].MmWidth, 100 + 50.8 + 20, 1e-9);
  EXPECT_NEAR(entries[0].MmHeight, 50 + 50.8 + 20, 1e-9);
  EXPECT_NEAR(entries[0].ExtraWidth, 70.8, 1e-9);
  EXPECT_TRUE(entries[0].KeepExtraHeight);
  EXPECT_EQ(entries[0].Rotation, 90u);
}

TEST(EntryBuilding, DeskewGivesTheTurnedBoundingBoxAndNoAutomaticTurn) {
  TestJobs jobs{jobText("D", 100, 50, "deskew=-90\n")};
  SequentialCompositeArranger arranger(true);
  const auto entries = entriesOf(jobs);
  EXPECT_NEAR(entries[0].MmWidth, 50.0, 1e-9);
  EXPECT_NEAR(entries[0].MmHeight, 100.0, 1e-9);
  EXPECT_TRUE(entries[0].noRotation());
}

TEST(EntryBuilding, RefusesAbsurdCountsAndSizesWithTheJobNamed) {
  TestJobs many{jobText("Huge", 10, 10, "duplicateCount=2000000000\npages=2000000000\n")};
  SequentialCompositeArranger arranger(true);
  try {
    entriesOf(many);
    FAIL();
  } catch (const unitCmnException& e) {
    EXPECT_NE(std::string(e.comment()).find("unit count exceeds the limit of 100000 units"),
              std::string::npos);
    EXPECT_NE(std::string(e.comment()).find("at job Huge"), std::string::npos);
  }
  for (const char* scale : {"nan,10", "inf,10", "0,10", "-5,10"}) {
    TestJobs bad{"[Job]\nJobID=\"B\"\n[Composite]\nscale=" + std::string(scale) + "\n"};
    EXPECT_THROW(entriesOf(bad), unitCmnException) << scale;
  }
}

TEST(WriteBack, SectionsOffsetsAndZOrderWithMarksAroundTheLayout) {
  TestJobs jobs;
  JobParam& a = jobs.add(
      "[Job]\nJobID=\"A\"\n[Print]\nregisterMarkShape=2\nregisterMarkSize=10\n"
      "registerMarkTarget=0\nregisterMarkOffset=3\nrePrint=true\n"
      "[Composite]\nscale=100,50\nduplicateCount=2\n"
      "[Arrange1]\narrangeNumber=1\narrangeOrder=\"Kept\"\ncompositeKeys=old\n");
  JobParam& b = jobs.add(jobText("B", 80, 40));
  SequentialCompositeArranger arranger(true);
  const auto rect = arranger.arrange(jobs.data(0, 1000, -1, 5, 10));

  // Three entries below each other: Y 0, 60, 120; the area starts after the
  // mark margin (10 + 3) and the re-print allowance (25).
  std::map<std::string, BinaryUnitSection> unitsA, unitsB;
  a.getBinaryUnitSections(unitsA);
  b.getBinaryUnitSections(unitsB);
  ASSERT_EQ(unitsA.size(), 2u);
  ASSERT_EQ(unitsB.size(), 1u);
  const auto& second = unitsA.at("BinA_P0001_T000-000_C0002_V0002");
  EXPECT_EQ(second.zOrder, 2);
  EXPECT_DOUBLE_EQ(second.offset[0], 38.0);
  EXPECT_DOUBLE_EQ(second.offset[1], 38.0 + 60.0);
  EXPECT_EQ(unitsB.begin()->second.zOrder, 3);
  EXPECT_DOUBLE_EQ(unitsB.begin()->second.offset[1], 38.0 + 120.0);

  ArrangeSection sheet;
  ASSERT_TRUE(a.getArrangeSection(1, sheet));
  EXPECT_EQ(sheet.arrangePolicy, "Sequential");
  EXPECT_EQ(sheet.arrangeOrder, "Kept");  // taken from the template
  EXPECT_EQ(sheet.compositeKeys, (TextList{"BinA_P0001_T000-000_C0001_V0001",
                                           "BinA_P0001_T000-000_C0002_V0002"}));
  ASSERT_TRUE(b.getArrangeSection(1, sheet));
  EXPECT_EQ(sheet.compositeKeys, (TextList{"BinB_P0001_T000-000_C0001_V0001"}));

  CompositeSection composite;
  b.getCompositeSection(composite);
  EXPECT_EQ(composite.duplicateMarginScan, 5.0);
  EXPECT_EQ(composite.duplicateMarginFeed, 10.0);
  EXPECT_DOUBLE_EQ(rect.height, 160.0);  // 40 + 120
  EXPECT_DOUBLE_EQ(rect.width, 100.0);
}

TEST(WriteBack, ATurnedJobHasItsCompositeTurned) {
  TestJobs jobs;
  JobParam& job =
      jobs.add(jobText("T", 100, 300, "trimTop=1\ntrimLeft=2\ntrimBottom=3\ntrimRight=4\n"));
  SequentialCompositeArranger arranger(true);
  arranger.arrange(jobs.data(0, 400, -1));  // kind 0 lays the upright job on its side
  CompositeSection composite;
  job.getCompositeSection(composite);
  EXPECT_EQ(composite.rotate, 90);
  EXPECT_EQ(composite.scale, (DoublePair{300, 100}));
  // Clockwise: the former left edge is now at the top.
  EXPECT_EQ(composite.trimTop, 2.0);
  EXPECT_EQ(composite.trimRight, 1.0);
  EXPECT_EQ(composite.trimBottom, 4.0);
  EXPECT_EQ(composite.trimLeft, 3.0);
}

TEST(ArrangedRect, IgnoresLaterSheets) {
  std::vector<ArrangeEntry> entries(3);
  entries[0] = ArrangeEntry{};
  entries[0].X = 10, entries[0].Y = 5, entries[0].MmWidth = 50, entries[0].MmHeight = 20;
  entries[0].ArrangeNum = 1;
  entries[1] = entries[0];
  entries[1].Y = 40;
  entries[2] = entries[0];
  entries[2].ArrangeNum = 2;
  entries[2].MmWidth = 900;
  const auto rect = AbCompositeArranger::getArrangedRect(entries);
  EXPECT_EQ(rect.x, 10.0);
  EXPECT_EQ(rect.y, 5.0);
  EXPECT_EQ(rect.width, 50.0);
  EXPECT_EQ(rect.height, 55.0);
  EXPECT_EQ(AbCompositeArranger::getArrangedRect({}).width, 0.0);
}

TEST(Coordinator, KindsAndSlots) {
  TestJobs jobs{jobText("K", 100, 50)};
  AlignmentJobPosition coordinator;
  // A grouping kind on a fresh coordinator: nothing arranged.
  auto rect = coordinator.AlignmentJobPositionExec(jobs.data(13, 1000, -1));
  EXPECT_EQ(rect.width, 0.0);
  EXPECT_EQ(coordinator.compositeArranger(), nullptr);
  coordinator.AlignmentJobPositionExec(jobs.data(1, 1000, -1));
  const AbCompositeArranger* minimum = coordinator.compositeArranger();
  ASSERT_NE(minimum, nullptr);
  // A tiling kind keeps the composite slot: the earlier arranger runs.
  rect = coordinator.AlignmentJobPositionExec(jobs.data(7, 1000, -1));
  EXPECT_EQ(coordinator.compositeArranger(), minimum);
  EXPECT_EQ(rect.width, 100.0);
  TilingArrangerData tiling;
  tiling.arrangeKind = 1;
  EXPECT_FALSE(coordinator.AlignmentTilingPositionExec(tiling));
}

TEST(Coordinator, KindsThatShareAnArrangerDifferInRotationOrPolicy) {
  // An upright 100 x 300 image on 1000 mm media.
  auto arranged = [](int kind) {
    TestJobs jobs{jobText("U", 100, 300)};
    AlignmentJobPosition().AlignmentJobPositionExec(jobs.data(kind, 1000, -1));
    CompositeSection composite;
    jobs.jobs()[0]->getCompositeSection(composite);
    ArrangeSection sheet;
    jobs.jobs()[0]->getArrangeSection(1, sheet);
    return std::make_pair(composite.rotate, sheet.arrangePolicy);
  };
  EXPECT_EQ(arranged(0), std::make_pair(90, std::string("Sequential")));
  EXPECT_EQ(arranged(9), std::make_pair(0, std::string("Sequential")));
  EXPECT_EQ(arranged(2), std::make_pair(0, std::string("NoRotation")));
  EXPECT_EQ(arranged(10), std::make_pair(0, std::string("MinimumSize")));
  EXPECT_EQ(arranged(5), std::make_pair(0, std::string("TwinRoll")));
  EXPECT_EQ(arranged(4), std::make_pair(90, std::string("FotobaMark")));
  EXPECT_EQ(arranged(12), std::make_pair(90, std::string("BlockMove")));
}

TEST(Coordinator, RefusalsNameTheKind) {
  AlignmentJobPosition coordinator;
  const std::pair<int, const char*> cases[] = {
      {27, "★未実装　getGroupingArranger TWIN"},
      {1, "★対象外　getGroupingArranger"},
      {31, "★対象外　getGroupingArranger"}};
  for (const auto& c : cases) {
    try {
      coordinator.getGroupingArranger(c.first);
      ADD_FAILURE() << c.first;
    } catch (const unitCmnException& e) {
      EXPECT_EQ(std::string(e.comment()), c.second) << c.first;
    }
  }
}

TEST(EntryBuilding, ATiledJobGetsOneEntryPerPrintedTileSizedByItsTile) {
  TestJobs jobs{
      jobText("T", 100, 50,
              "tiling=true\ntileScanDivision=2\ntileFeedDivision=2\ntileScanPositions=60,40\n"
              "tileFeedPositions=30,20\ntileWorkSize=0,0,100,50\ntileRotates=0;90,0;0\n"
              "rotate=0\n")};
  SequentialCompositeArranger arranger(true);
  const auto entries = entriesOf(jobs);
  ASSERT_EQ(entries.size(), 4u);
  // Row by row: (1,1), (2,1), (1,2), (2,2).
  EXPECT_EQ(entries[1].StrCompositeKey, "BinT_P0001_T002-001_C0001_V0001");
  EXPECT_EQ(entries[1].MmWidth, 40.0);
  EXPECT_EQ(entries[1].MmHeight, 30.0);
  // Tile (1,2) turns by 90: its 60 x 20 part is placed 20 x 60.
  EXPECT_EQ(entries[2].StrCompositeKey, "BinT_P0001_T001-002_C0001_V0001");
  EXPECT_EQ(entries[2].Rotation, 90u);
  EXPECT_EQ(entries[2].MmWidth, 20.0);
  EXPECT_EQ(entries[2].MmHeight, 60.0);
  EXPECT_TRUE(entries[2].NoRotationTile);
}

TEST(WriteBack, UnitsPlacedInAnotherOrientationThanTheirJobSayHowFar) {
  TestJobs jobs;
  JobParam& job = jobs.add(jobText("P", 594, 841, "pages=2\n"));
  MinimumSizeCompositeArranger arranger;
  // Both pages are laid on their side first (841 x 594). The second does
  // not fit beside the first that way (846 + 841 > 1600) but does upright,
  // at the top, so it is turned back: the job's record follows the last
  // unit written, the first unit is a quarter turn from it.
  arranger.arrange(jobs.data(1, 1600, -1, 5, 5));
  CompositeSection composite;
  job.getCompositeSection(composite);
  EXPECT_EQ(composite.rotate, 0);
  std::map<std::string, BinaryUnitSection> units;
  job.getBinaryUnitSections(units);
  EXPECT_EQ(units.at("BinP_P0001_T000-000_C0001_V0001").relativeRotation, 90);
  EXPECT_EQ(units.at("BinP_P0002_T000-000_C0001_V0001").relativeRotation, 0);
  EXPECT_EQ(units.at("BinP_P0002_T000-000_C0001_V0001").offset[0], 846.0);
}
