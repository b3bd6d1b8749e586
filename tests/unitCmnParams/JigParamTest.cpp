#include "unitCmnParams/JigParam.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <string>
#include <utility>
#include <vector>

#include "ParamTestSupport.h"
#include "support/RaisedComment.h"

namespace {

// Lines joined, each ended by a newline.
std::string lines(std::initializer_list<const char*> items) {
  std::string text;
  for (const char* line : items) text += std::string(line) + "\n";
  return text;
}

// Top, bottom, left and right.
std::vector<double> sides(const JigMargins& m) { return {m.top, m.bottom, m.left, m.right}; }

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
  ASSERT_TRUE(jig.readParam(paramFile("jig_full.xml")));
  EXPECT_EQ(jig.getParamVersion(), "1.01");
  EXPECT_TRUE(jig.isDefault);
  EXPECT_EQ(jig.fileName, "Phone case 2x2");
  EXPECT_TRUE(jig.readOnlyEditable);
  // Each W and H pair: the values are exact in binary.
  using WH = std::pair<double, double>;
  EXPECT_EQ(WH(jig.wholeSizeW, jig.wholeSizeH), WH(1300.5, 2500.25));
  EXPECT_EQ(WH(jig.jigSizeW, jig.jigSizeH), WH(600.0, 400.0));
  EXPECT_EQ(WH(jig.jigOriginW, jig.jigOriginH), WH(10.125, 20.375));
  EXPECT_DOUBLE_EQ(jig.jigDeskew, -0.75);
  EXPECT_EQ(WH(jig.firstOriginW, jig.firstOriginH), WH(5.5, 6.5));
  EXPECT_EQ(WH(jig.basePictureSizeW, jig.basePictureSizeH), WH(80.0, 160.0));
  EXPECT_EQ(WH(jig.basePicturePitchW, jig.basePicturePitchH), WH(100.0, 180.0));
  EXPECT_EQ(std::make_pair(jig.pictureCountsW, jig.pictureCountsH), std::make_pair(2, 3));
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
  EXPECT_EQ(sides(jig.autoTrimCorrection), (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(sides(jig.invalidPrintArea), (std::vector<double>{5, 6, 7, 8}));

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
  std::string full = paramText("jig_full.xml");
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
  ASSERT_TRUE(jig.readParam(paramFile("jig_full.xml")));
  EXPECT_TRUE(log.contains(kLogTrace, "JigParam fileName :: Phone case 2x2"));
}

TEST(JigParamRead, ABadValueFailsTheReadAndIsLogged) {
  expectReadsFailLogging<JigParam>({
      {"<Jig><IsDefault>true</IsDefault><JigSizeW>wide</JigSizeW></Jig>", "invalid stod argument"},
      {"<Jig><IsDefault>yes</IsDefault></Jig>", "It is not a Boolean value."},
      {"<Jig><IsDefault>true</IsDefault><PdfLineColor><Density>x</Density></PdfLineColor></Jig>",
       "invalid stoi argument"},
      {"<Jig><IsDefault>true</IsDefault><PictureRectangles><PictureRectangle><No>001-001</No>"
       "<OffsetW>-</OffsetW></PictureRectangle></PictureRectangles></Jig>",
       "invalid stod argument"},
  });
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
    EXPECT_FALSE(log.records(kLogError).empty()) << '"' << bad << '"';
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
  expectWrittenBackAsRead<JigParam>("jig_full.xml");
}

TEST(JigParamWrite, PicturesAreWrittenInTheirCurrentOrder) {
  JigParam jig;
  jig.pictureRectangles.resize(2);
  jig.pictureRectangles[0].no = "002-002";
  jig.pictureRectangles[1].no = "001-001";
  const std::string text = writtenText(jig);
  EXPECT_NE(text.find("001-001"), std::string::npos);
  EXPECT_LT(text.find("002-002"), text.find("001-001"));
}

TEST(JigParamWrite, ANewObjectWritesItsDefaults) {
  EXPECT_EQ(writtenText(JigParam()),
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
  ASSERT_TRUE(jig.readParam(paramFile("jig_full.xml")));
  ASSERT_TRUE(jig.writeParam(dir.file("jig.xml")));
  ASSERT_TRUE(jig.deleteParam());
  EXPECT_FALSE(boost::filesystem::exists(dir.file("jig.xml")));
  EXPECT_EQ(jig.pdfLineOffsetMode, 1);
  EXPECT_TRUE(jig.pictureRectangles.empty());
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.right, 0.0);
}

TEST(JigParamVersion, AVersion100FileIsSavedBackAs101) {
  JigParam jig;
  // Only the version changed: the saved file is the 1.01 file.
  EXPECT_EQ(fileAfterReading(jig, paramText("jig_v100.xml")), paramText("jig_full.xml"));
  EXPECT_EQ(jig.getParamVersion(), "1.01");
}

TEST(JigParamVersion, TextFromMemoryIsRaisedWithoutWritingAnything) {
  JigParam jig;
  ASSERT_TRUE(jig.readParamData(paramText("jig_v100.xml")));
  EXPECT_EQ(jig.getParamVersion(), "1.01");
  EXPECT_EQ(jig.getFilePath(), "");
  EXPECT_DOUBLE_EQ(jig.jigSizeW, 600.0);
}

TEST(JigParamVersion, CurrentAndNewerFilesAreLeftAlone) {
  // Compact text: any rewrite would change it.
  const std::string current = "<Jig><ParamVersion>1.01</ParamVersion><IsDefault>true</IsDefault></Jig>";
  const std::string newer = "<Jig><ParamVersion>2.00</ParamVersion><IsDefault>true</IsDefault></Jig>";
  JigParam jig;
  EXPECT_EQ(fileAfterReading(jig, current), current);
  EXPECT_EQ(fileAfterReading(jig, newer), newer);
  EXPECT_EQ(jig.getParamVersion(), "2.00");
}

}  // namespace
