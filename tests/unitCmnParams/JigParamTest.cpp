#include "unitCmnParams/JigParam.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <string>
#include <vector>

#include "support/LogCapture.h"
#include "unitCmnParamIo/ParamIoTestSupport.h"

namespace {

constexpr int kTrace = 9;
constexpr int kError = 13;

std::string dataFile(const std::string& name) {
  return std::string(UNITCMN_TEST_DATA) + "/params/" + name;
}

// Lines joined, each ended by a newline.
std::string lines(std::initializer_list<const char*> items) {
  std::string text;
  for (const char* line : items) text += std::string(line) + "\n";
  return text;
}

// The numbers of the picture rectangles, in the order held.
std::vector<std::string> pictureNumbers(const JigParam& jig) {
  std::vector<std::string> numbers;
  for (const PictureRectangle& p : jig.pictureRectangles) numbers.push_back(p.no);
  return numbers;
}

// A jig text holding IsDefault and the given picture numbers.
std::string jigWithPictures(std::initializer_list<const char*> numbers) {
  std::string text = "<Jig><ParamVersion>1.01</ParamVersion><IsDefault>true</IsDefault>"
                     "<PictureRectangles>";
  for (const char* no : numbers)
    text += std::string("<PictureRectangle><No>") + no + "</No><Use>true</Use></PictureRectangle>";
  return text + "</PictureRectangles></Jig>";
}

TEST(JigParamRead, TakesEveryElementOfAFullFileIncludingNestedOnes) {
  JigParam jig;
  ASSERT_TRUE(jig.readParam(dataFile("jig_full.xml")));
  EXPECT_EQ(jig.getParamVersion(), "1.01");
  EXPECT_TRUE(jig.isDefault);
  EXPECT_EQ(jig.fileName, "Phone case 2x2");
  EXPECT_TRUE(jig.readOnlyEditable);
  EXPECT_DOUBLE_EQ(jig.wholeSizeW, 1300.5);
  EXPECT_DOUBLE_EQ(jig.wholeSizeH, 2500.25);
  EXPECT_DOUBLE_EQ(jig.jigSizeW, 600.0);
  EXPECT_DOUBLE_EQ(jig.jigSizeH, 400.0);
  EXPECT_DOUBLE_EQ(jig.jigOriginW, 10.125);
  EXPECT_DOUBLE_EQ(jig.jigOriginH, 20.375);
  EXPECT_DOUBLE_EQ(jig.jigDeskew, -0.75);
  EXPECT_DOUBLE_EQ(jig.firstOriginW, 5.5);
  EXPECT_DOUBLE_EQ(jig.firstOriginH, 6.5);
  EXPECT_DOUBLE_EQ(jig.basePictureSizeW, 80.0);
  EXPECT_DOUBLE_EQ(jig.basePictureSizeH, 160.0);
  EXPECT_DOUBLE_EQ(jig.basePicturePitchW, 100.0);
  EXPECT_DOUBLE_EQ(jig.basePicturePitchH, 180.0);
  EXPECT_EQ(jig.pictureCountsW, 2);
  EXPECT_EQ(jig.pictureCountsH, 3);
  EXPECT_EQ(jig.positioningPolicy, 12);
  EXPECT_TRUE(jig.fittedScale);
  EXPECT_FALSE(jig.fixedScale);
  EXPECT_EQ(jig.pdfLineWidth, 3);
  EXPECT_EQ(jig.pdfLineOffsetMode, 2);
  EXPECT_DOUBLE_EQ(jig.pdfLineOffset, 1.25);
  EXPECT_EQ(jig.pdfLineColor.colorSpace, 4);
  EXPECT_EQ(jig.pdfLineColor.color, "Cyan & Magenta");
  EXPECT_EQ(jig.pdfLineColor.density, 75);
  EXPECT_TRUE(jig.useMobilePhoneJig);
  EXPECT_DOUBLE_EQ(jig.mobilePhoneJigAngle, 15.0);
  EXPECT_DOUBLE_EQ(jig.mobilePhoneJigHeight, 12.5);
  EXPECT_EQ(jig.direction, 3);
  EXPECT_TRUE(jig.isAutoTrim);
  // Top, Bottom, Left, Right are 1..4 and 5..8: a swapped path shows.
  EXPECT_DOUBLE_EQ(jig.autoTrimCorrection.top, 1.0);
  EXPECT_DOUBLE_EQ(jig.autoTrimCorrection.bottom, 2.0);
  EXPECT_DOUBLE_EQ(jig.autoTrimCorrection.left, 3.0);
  EXPECT_DOUBLE_EQ(jig.autoTrimCorrection.right, 4.0);
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.top, 5.0);
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.bottom, 6.0);
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.left, 7.0);
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.right, 8.0);

  ASSERT_EQ(jig.pictureRectangles.size(), 4u);
  const PictureRectangle& third = jig.pictureRectangles[2];
  EXPECT_EQ(third.no, "001-002");
  EXPECT_DOUBLE_EQ(third.offsetW, -0.5);
  EXPECT_DOUBLE_EQ(third.offsetH, 0.6);
  EXPECT_TRUE(third.use);
  EXPECT_FALSE(jig.pictureRectangles[1].use);
  EXPECT_DOUBLE_EQ(jig.pictureRectangles[3].offsetH, -0.8);
}

TEST(JigParamRead, MissingElementsKeepTheirDefaults) {
  JigParam jig;
  jig.pdfLineOffsetMode = 7;
  jig.fileName = "left over";
  ASSERT_TRUE(jig.readParamData(
      "<Jig><IsDefault>false</IsDefault><JigSizeW>12.5</JigSizeW>"
      "<InvalidPrintArea><Left>2</Left></InvalidPrintArea></Jig>"));
  EXPECT_EQ(jig.pdfLineOffsetMode, 1);
  EXPECT_EQ(jig.fileName, "");
  EXPECT_DOUBLE_EQ(jig.jigSizeW, 12.5);
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.left, 2.0);
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.top, 0.0);
  // No ParamVersion: the held version stays the current one.
  EXPECT_EQ(jig.getParamVersion(), "1.01");
}

TEST(JigParamRead, IsDefaultDecidesWhetherTheReadSucceeds) {
  std::string full = readText(dataFile("jig_full.xml"));
  const std::string isDefault = "\t<IsDefault>true</IsDefault>\n";
  std::string withoutIsDefault = full;
  withoutIsDefault.erase(withoutIsDefault.find(isDefault), isDefault.size());

  JigParam jig;
  EXPECT_FALSE(jig.readParamData(withoutIsDefault));
  // The values were read all the same.
  EXPECT_DOUBLE_EQ(jig.jigSizeW, 600.0);

  // Its presence counts, not its value.
  EXPECT_TRUE(jig.readParamData("<Jig><IsDefault>false</IsDefault></Jig>"));
  EXPECT_FALSE(jig.isDefault);
}

TEST(JigParamRead, LogsTheFileNameAsATrace) {
  LogCapture log;
  JigParam jig;
  ASSERT_TRUE(jig.readParam(dataFile("jig_full.xml")));
  EXPECT_TRUE(log.contains(kTrace, "JigParam fileName :: Phone case 2x2"));
}

TEST(JigParamRead, ABadValueFailsTheReadAndIsLogged) {
  const std::pair<const char*, const char*> cases[] = {
      {"<Jig><IsDefault>true</IsDefault><JigSizeW>wide</JigSizeW></Jig>", "invalid stod argument"},
      {"<Jig><IsDefault>yes</IsDefault></Jig>", "It is not a Boolean value."},
      {"<Jig><IsDefault>true</IsDefault><PdfLineColor><Density>x</Density></PdfLineColor></Jig>",
       "invalid stoi argument"},
      {"<Jig><IsDefault>true</IsDefault><PictureRectangles><PictureRectangle><No>001-001</No>"
       "<OffsetW>-</OffsetW></PictureRectangle></PictureRectangles></Jig>",
       "invalid stod argument"},
  };
  for (const auto& c : cases) {
    LogCapture log;
    JigParam jig;
    EXPECT_FALSE(jig.readParamData(c.first)) << c.first;
    EXPECT_TRUE(log.contains(kError, c.second)) << c.first;
  }
}

TEST(JigParamSort, OrdersByTheNumberAfterTheSeparatorThenTheOneBefore) {
  JigParam jig;
  ASSERT_TRUE(jig.readParamData(jigWithPictures({"002-001", "001-002", "001-001"})));
  EXPECT_EQ(pictureNumbers(jig), (std::vector<std::string>{"001-001", "002-001", "001-002"}));

  // Compared as numbers, and the separator may be any character.
  ASSERT_TRUE(jig.readParamData(
      jigWithPictures({"010-002", "002-010", "003_002", "100-001", "009-002"})));
  EXPECT_EQ(pictureNumbers(jig),
            (std::vector<std::string>{"100-001", "003_002", "009-002", "010-002", "002-010"}));
}

TEST(JigParamSort, TheSortMovesWholeEntries) {
  JigParam jig;
  ASSERT_TRUE(jig.readParamData(
      "<Jig><IsDefault>true</IsDefault><PictureRectangles>"
      "<PictureRectangle><No>001-002</No><OffsetW>1.5</OffsetW><Use>true</Use></PictureRectangle>"
      "<PictureRectangle><No>001-001</No><OffsetH>2.5</OffsetH></PictureRectangle>"
      "</PictureRectangles></Jig>"));
  ASSERT_EQ(jig.pictureRectangles.size(), 2u);
  EXPECT_EQ(jig.pictureRectangles[0].no, "001-001");
  EXPECT_DOUBLE_EQ(jig.pictureRectangles[0].offsetH, 2.5);
  EXPECT_FALSE(jig.pictureRectangles[0].use);
  EXPECT_DOUBLE_EQ(jig.pictureRectangles[1].offsetW, 1.5);
  EXPECT_TRUE(jig.pictureRectangles[1].use);
}

TEST(JigParamSort, APictureNumberThatIsNoNumberPairFailsTheRead) {
  for (const char* bad : {"01", "", "001-", "abc-001", "001-xyz"}) {
    LogCapture log;
    JigParam jig;
    EXPECT_FALSE(jig.readParamData(jigWithPictures({"001-001", bad}))) << '"' << bad << '"';
    EXPECT_FALSE(log.records(kError).empty()) << '"' << bad << '"';
  }
}

TEST(JigParamSort, CalledDirectlyARefusedNumberRaisesAndLeavesTheOrder) {
  JigParam jig;
  jig.pictureRectangles.resize(2);
  jig.pictureRectangles[0].no = "001-002";
  jig.pictureRectangles[1].no = "1";
  EXPECT_NE(raisedComment([&] { jig.sortPictureRectangles(); }), "");
  EXPECT_EQ(pictureNumbers(jig), (std::vector<std::string>{"001-002", "1"}));
}

TEST(JigParamWrite, AFullFileIsWrittenBackAsItWasRead) {
  ScratchDir dir;
  const std::string original = readText(dataFile("jig_full.xml"));
  JigParam jig;
  ASSERT_TRUE(jig.readParam(dataFile("jig_full.xml")));
  ASSERT_TRUE(jig.writeParam(dir.file("jig.xml")));
  EXPECT_EQ(readText(dir.file("jig.xml")), original);

  JigParam again;
  ASSERT_TRUE(again.readParam(dir.file("jig.xml")));
  ASSERT_TRUE(again.writeParam(dir.file("again.xml")));
  EXPECT_EQ(readText(dir.file("again.xml")), original);
}

TEST(JigParamWrite, PicturesAreWrittenInTheirCurrentOrder) {
  ScratchDir dir;
  JigParam jig;
  jig.pictureRectangles.resize(2);
  jig.pictureRectangles[0].no = "002-002";
  jig.pictureRectangles[1].no = "001-001";
  ASSERT_TRUE(jig.writeParam(dir.file("jig.xml")));
  const std::string text = readText(dir.file("jig.xml"));
  EXPECT_LT(text.find("002-002"), text.find("001-001"));
}

TEST(JigParamWrite, ANewObjectWritesItsDefaults) {
  ScratchDir dir;
  JigParam jig;
  ASSERT_TRUE(jig.writeParam(dir.file("new.xml")));
  EXPECT_EQ(readText(dir.file("new.xml")),
            lines({"<?xml version=\"1.0\" encoding=\"utf-8\"?>",
                   "<Jig>",
                   "\t<ParamVersion>1.01</ParamVersion>",
                   "\t<IsDefault>false</IsDefault>",
                   "\t<FileName/>",
                   "\t<ReadOnlyEditable>false</ReadOnlyEditable>",
                   "\t<WholeSizeW>0.000000</WholeSizeW>",
                   "\t<WholeSizeH>0.000000</WholeSizeH>",
                   "\t<JigSizeW>0.000000</JigSizeW>",
                   "\t<JigSizeH>0.000000</JigSizeH>",
                   "\t<JigOriginW>0.000000</JigOriginW>",
                   "\t<JigOriginH>0.000000</JigOriginH>",
                   "\t<JigDeskew>0.000000</JigDeskew>",
                   "\t<FirstOriginW>0.000000</FirstOriginW>",
                   "\t<FirstOriginH>0.000000</FirstOriginH>",
                   "\t<BasePictureSizeW>0.000000</BasePictureSizeW>",
                   "\t<BasePictureSizeH>0.000000</BasePictureSizeH>",
                   "\t<BasePicturePitchW>0.000000</BasePicturePitchW>",
                   "\t<BasePicturePitchH>0.000000</BasePicturePitchH>",
                   "\t<PictureCountsW>0</PictureCountsW>",
                   "\t<PictureCountsH>0</PictureCountsH>",
                   "\t<PositioningPolicy>0</PositioningPolicy>",
                   "\t<FittedScale>false</FittedScale>",
                   "\t<FixedScale>false</FixedScale>",
                   "\t<PictureRectangles/>",
                   "\t<PdfLineWidth>0</PdfLineWidth>",
                   "\t<PdfLineOffsetMode>1</PdfLineOffsetMode>",
                   "\t<PdfLineOffset>0.000000</PdfLineOffset>",
                   "\t<PdfLineColor>",
                   "\t\t<ColorSpace>0</ColorSpace>",
                   "\t\t<Color/>",
                   "\t\t<Density>0</Density>",
                   "\t</PdfLineColor>",
                   "\t<UseMobilePhoneJig>false</UseMobilePhoneJig>",
                   "\t<MobilePhoneJigAngle>0.000000</MobilePhoneJigAngle>",
                   "\t<MobilePhoneJigHeight>0.000000</MobilePhoneJigHeight>",
                   "\t<Direction>0</Direction>",
                   "\t<IsAutoTrim>false</IsAutoTrim>",
                   "\t<AutoTrimCorrection>",
                   "\t\t<Top>0.000000</Top>",
                   "\t\t<Bottom>0.000000</Bottom>",
                   "\t\t<Left>0.000000</Left>",
                   "\t\t<Right>0.000000</Right>",
                   "\t</AutoTrimCorrection>",
                   "\t<InvalidPrintArea>",
                   "\t\t<Top>0.000000</Top>",
                   "\t\t<Bottom>0.000000</Bottom>",
                   "\t\t<Left>0.000000</Left>",
                   "\t\t<Right>0.000000</Right>",
                   "\t</InvalidPrintArea>",
                   "</Jig>"}));
}

TEST(JigParamWrite, DeletingTheFileResetsTheFields) {
  ScratchDir dir;
  JigParam jig;
  ASSERT_TRUE(jig.readParam(dataFile("jig_full.xml")));
  ASSERT_TRUE(jig.writeParam(dir.file("jig.xml")));
  ASSERT_TRUE(jig.deleteParam());
  EXPECT_FALSE(boost::filesystem::exists(dir.file("jig.xml")));
  EXPECT_EQ(jig.pdfLineOffsetMode, 1);
  EXPECT_TRUE(jig.pictureRectangles.empty());
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.right, 0.0);
}

TEST(JigParamVersion, AVersion100FileIsSavedBackAs101) {
  ScratchDir dir;
  const std::string path = dir.file("old.xml");
  writeText(path, readText(dataFile("jig_v100.xml")));
  JigParam jig;
  ASSERT_TRUE(jig.readParam(path));
  EXPECT_EQ(jig.getParamVersion(), "1.01");
  // Only the version changed: the saved file is the 1.01 file.
  EXPECT_EQ(readText(path), readText(dataFile("jig_full.xml")));
}

TEST(JigParamVersion, TextFromMemoryIsRaisedWithoutWritingAnything) {
  ScratchDir dir;
  JigParam jig;
  ASSERT_TRUE(jig.readParamData(readText(dataFile("jig_v100.xml"))));
  EXPECT_EQ(jig.getParamVersion(), "1.01");
  EXPECT_EQ(jig.getFilePath(), "");
  EXPECT_DOUBLE_EQ(jig.jigSizeW, 600.0);
}

TEST(JigParamVersion, CurrentAndNewerFilesAreLeftAlone) {
  ScratchDir dir;
  // Compact text: any rewrite would change it.
  const std::string current = "<Jig><ParamVersion>1.01</ParamVersion><IsDefault>true</IsDefault></Jig>";
  const std::string newer = "<Jig><ParamVersion>2.00</ParamVersion><IsDefault>true</IsDefault></Jig>";
  writeText(dir.file("current.xml"), current);
  writeText(dir.file("newer.xml"), newer);
  JigParam jig;
  ASSERT_TRUE(jig.readParam(dir.file("current.xml")));
  EXPECT_EQ(readText(dir.file("current.xml")), current);
  ASSERT_TRUE(jig.readParam(dir.file("newer.xml")));
  EXPECT_EQ(jig.getParamVersion(), "2.00");
  EXPECT_EQ(readText(dir.file("newer.xml")), newer);
}

}  // namespace
