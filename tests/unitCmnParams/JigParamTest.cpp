#include "unitCmnParams/JigParam.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <regex>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ParamTestSupport.h"
#include "support/RaisedComment.h"

namespace {

// The numbers of the picture rectangles, in the order held.
std::vector<std::string> pictureNumbers(const JigParam& jig) {
  std::vector<std::string> numbers;
  for (const PictureRectangle& p : jig.pictureRectangles) numbers.push_back(p.no);
  return numbers;
}

// A jig text holding IsDefault and the given pictures.
std::string jigWithPictures(std::initializer_list<const char*> numbers) {
  std::string text = "<Jig><ParamVersion>1.01</ParamVersion><IsDefault>true</IsDefault>"
                     "<PictureRectangles>";
  for (const char* no : numbers)
    text += std::string("<PictureRectangle><No>") + no + "</No></PictureRectangle>";
  return text + "</PictureRectangles></Jig>";
}

// Every field of a full file lands in its own member: the values differ,
// so a swapped width and height, or a swapped margin side, shows.
TEST(JigParamRead, TakesEveryElementOfAFullFileIncludingNestedOnes) {
  LogCapture log;
  JigParam jig;
  ASSERT_TRUE(jig.readParam(paramFile("jig_full.xml")));
  EXPECT_EQ(jig.getParamVersion(), "1.01");
  EXPECT_EQ((std::vector<double>{jig.wholeSizeW, jig.wholeSizeH, jig.jigSizeW, jig.jigSizeH,
                                 jig.jigOriginW, jig.jigOriginH, jig.jigDeskew, jig.firstOriginW,
                                 jig.firstOriginH, jig.basePictureSizeW, jig.basePictureSizeH,
                                 jig.basePicturePitchW, jig.basePicturePitchH, jig.pdfLineOffset,
                                 jig.mobilePhoneJigAngle, jig.mobilePhoneJigHeight}),
            (std::vector<double>{1300.5, 2500.25, 600, 400, 10.125, 20.375, -0.75, 5.5, 6.5, 80,
                                 160, 100, 180, 1.25, 15, 12.5}));
  EXPECT_EQ((std::vector<int>{jig.pictureCountsW, jig.pictureCountsH, jig.positioningPolicy,
                              jig.pdfLineWidth, jig.pdfLineOffsetMode, jig.direction,
                              jig.pdfLineColor.colorSpace, jig.pdfLineColor.density}),
            (std::vector<int>{2, 3, 12, 3, 2, 3, 4, 75}));
  EXPECT_EQ((std::vector<bool>{jig.isDefault, jig.readOnlyEditable, jig.fittedScale,
                               jig.fixedScale, jig.useMobilePhoneJig, jig.isAutoTrim}),
            (std::vector<bool>{true, true, true, false, true, true}));
  EXPECT_EQ(jig.fileName, "Phone case 2x2");
  EXPECT_EQ(jig.pdfLineColor.color, "Cyan & Magenta");
  const JigMargins& trim = jig.autoTrimCorrection;
  const JigMargins& area = jig.invalidPrintArea;
  EXPECT_EQ((std::vector<double>{trim.top, trim.bottom, trim.left, trim.right, area.top,
                                 area.bottom, area.left, area.right}),
            (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8}));
  ASSERT_EQ(jig.pictureRectangles.size(), 4u);
  const PictureRectangle& third = jig.pictureRectangles[2];
  EXPECT_EQ(std::make_tuple(third.no, third.offsetW, third.offsetH, third.use),
            std::make_tuple(std::string("001-002"), -0.5, 0.6, true));
  EXPECT_FALSE(jig.pictureRectangles[1].use);
  EXPECT_TRUE(log.contains(kLogTrace, "JigParam fileName :: Phone case 2x2"));
}

TEST(JigParamRead, MissingElementsKeepTheirDefaultsIsDefaultDecidesTheRead) {
  JigParam jig;
  jig.pdfLineOffsetMode = 7;
  jig.fileName = "left over";
  ASSERT_TRUE(jig.readParamData(
      "<Jig><IsDefault>false</IsDefault><JigSizeW>12.5</JigSizeW>"
      "<InvalidPrintArea><Left>2</Left></InvalidPrintArea></Jig>"));
  EXPECT_EQ(jig.pdfLineOffsetMode, 1);
  EXPECT_EQ(jig.fileName, "");
  EXPECT_DOUBLE_EQ(jig.invalidPrintArea.left, 2.0);
  EXPECT_EQ(jig.getParamVersion(), "1.01");  // no ParamVersion: the current one

  // Without IsDefault the read fails, though the values were read.
  std::string withoutIsDefault = paramText("jig_full.xml");
  const std::string isDefault = "\t<IsDefault>true</IsDefault>\n";
  withoutIsDefault.erase(withoutIsDefault.find(isDefault), isDefault.size());
  EXPECT_FALSE(jig.readParamData(withoutIsDefault));
  EXPECT_DOUBLE_EQ(jig.jigSizeW, 600.0);
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

  // Whole entries move.
  ASSERT_TRUE(jig.readParamData(
      "<Jig><IsDefault>true</IsDefault><PictureRectangles>"
      "<PictureRectangle><No>001-002</No><OffsetW>1.5</OffsetW><Use>true</Use></PictureRectangle>"
      "<PictureRectangle><No>001-001</No><OffsetH>2.5</OffsetH></PictureRectangle>"
      "</PictureRectangles></Jig>"));
  const PictureRectangle& first = jig.pictureRectangles.at(0);
  const PictureRectangle& second = jig.pictureRectangles.at(1);
  EXPECT_EQ(std::make_tuple(first.no, first.offsetH, first.use, second.offsetW, second.use),
            std::make_tuple(std::string("001-001"), 2.5, false, 1.5, true));
}

TEST(JigParamSort, APictureNumberThatIsNoNumberPairIsRefused) {
  for (const char* bad : {"01", "", "001-", "abc-001", "001-xyz"}) {
    LogCapture log;
    JigParam jig;
    EXPECT_FALSE(jig.readParamData(jigWithPictures({"001-001", bad}))) << '"' << bad << '"';
    EXPECT_FALSE(log.records(kLogError).empty()) << '"' << bad << '"';
  }
  // Called directly, the refusal raises and leaves the order.
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

// A new object writes every element empty, zero or false, except the
// offset mode (1).
TEST(JigParamWrite, ANewObjectWritesZerosExceptTheOffsetMode) {
  const Defines written = definesOf(writtenText(JigParam()));
  ASSERT_FALSE(written.empty());
  const std::regex zero("|0|0\\.000000|false");
  for (const auto& d : written) {
    if (d.first == "Jig.ParamVersion") continue;
    if (d.first == "Jig.PdfLineOffsetMode") {
      EXPECT_EQ(d.second, "1");
    } else {
      EXPECT_TRUE(std::regex_match(d.second, zero)) << d.first << "=" << d.second;
    }
  }
}

TEST(JigParamVersion, A100FileIsSavedBackAs101TextIsRaisedInMemory) {
  JigParam jig;
  // Only the version changed: the saved file is the 1.01 file.
  EXPECT_EQ(fileAfterReading(jig, paramText("jig_v100.xml")), paramText("jig_full.xml"));
  EXPECT_EQ(jig.getParamVersion(), "1.01");

  JigParam fromText;
  ASSERT_TRUE(fromText.readParamData(paramText("jig_v100.xml")));
  EXPECT_EQ(fromText.getParamVersion(), "1.01");
  EXPECT_EQ(fromText.getFilePath(), "");
}

TEST(JigParamVersion, CurrentAndNewerFilesAreLeftAlone) {
  // Compact text: any rewrite would change it.
  const std::string current =
      "<Jig><ParamVersion>1.01</ParamVersion><IsDefault>true</IsDefault></Jig>";
  const std::string newer =
      "<Jig><ParamVersion>2.00</ParamVersion><IsDefault>true</IsDefault></Jig>";
  JigParam jig;
  EXPECT_EQ(fileAfterReading(jig, current), current);
  EXPECT_EQ(fileAfterReading(jig, newer), newer);
  EXPECT_EQ(jig.getParamVersion(), "2.00");
}

}  // namespace
