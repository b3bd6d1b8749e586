#include "unitCmnParams/VariableDataPrintingParam.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ParamTestSupport.h"

namespace {

template <class Kind>
const Kind* objectAs(const VDPObjectSettingPtr& object) {
  return dynamic_cast<const Kind*>(object.get());
}

// Prefix, suffix, start, end, increment and digits of a number object.
std::tuple<std::string, std::string, int, int, int, int> counting(const VDPNumberSetting& n) {
  return std::make_tuple(n.prefix, n.suffix, n.startNumber, n.endNumber, n.increment, n.deigits);
}

// A parameter text with one column whose ObjectSettingInfo holds `object`.
std::string withColumnObject(const std::string& object) {
  return "<VariableDataInfo><ParamVersion>1.02</ParamVersion><DetaFilePath>d.csv</DetaFilePath>"
         "<ColumnSettingInfos><ColumnSettingInfo><Column><ColumnName>C</ColumnName></Column>"
         "<ObjectSettingInfo>" +
         object +
         "</ObjectSettingInfo></ColumnSettingInfo></ColumnSettingInfos></VariableDataInfo>";
}

// The colour type and values of a colour.
std::pair<int, std::vector<int>> colour(const VDPColorInfo& c) {
  return {c.colorType, c.colorValues};
}

class VariableDataFull : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(vdp.readParam(paramFile("vdp_full.xml"))); }
  VariableDataPrintingParam vdp;
};

// The values of vdp_full.xml differ from field to field, so a field bound
// to a neighbour's element (a swapped width and height, a line colour read
// as the fill) shows.
TEST_F(VariableDataFull, ReadsTheTopLevelAndTheImageFiles) {
  EXPECT_EQ(vdp.getParamVersion(), "1.02");
  EXPECT_EQ((std::vector<std::string>{vdp.variableTemplate, vdp.detaFilePath, vdp.delimiter}),
            (std::vector<std::string>{"templates/card.pdf", "data/members.csv", ";"}));
  ASSERT_EQ(vdp.imageFileInfos.size(), 2u);
  const ImageFileInfo& badge = vdp.imageFileInfos[1];
  EXPECT_EQ(std::make_tuple(badge.key, badge.imagePath, badge.width, badge.height, badge.dpiW,
                            badge.dpiH),
            std::make_tuple(std::string("badge"), std::string("images/badge.tif"), 256, 128,
                            150, 300));
  EXPECT_EQ(vdp.imageFileInfos[0].key, "logo");
}

TEST_F(VariableDataFull, ReadsATextObjectWithItsWholeTextSetting) {
  ASSERT_EQ(vdp.columnSettingInfos.size(), 4u);
  EXPECT_EQ(vdp.columnSettingInfos[0].column.columnName, "Name");
  const auto* text = objectAs<VDPTextSetting>(vdp.columnSettingInfos[0].objectSettingInfo);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ((std::vector<double>{text->top, text->left, text->width, text->height,
                                 text->rotation}),
            (std::vector<double>{1.1, 1.2, 51.3, 21.4, 90.0}));
  EXPECT_EQ((std::vector<int>{text->objectType, text->arrangementType, text->overlapType,
                              text->opacity, text->mirror}),
            (std::vector<int>{0, 2, 2, 51, true}));

  const VDPFontSetting& font = text->font;
  EXPECT_EQ(font.name, "Font 1");
  EXPECT_EQ(font.filePaths, (std::vector<std::string>{"fonts/f1-a.ttf", "fonts/f1-b.otf"}));
  EXPECT_EQ((std::vector<bool>{font.italic, font.bold, font.underLine, font.outline, font.shadow,
                               font.fontEx}),
            (std::vector<bool>{true, false, true, false, true, true}));
  EXPECT_EQ((std::vector<unsigned>{font.ascent, font.descent, font.emHeight}),
            (std::vector<unsigned>{801, 201, 1001}));
  EXPECT_EQ(colour(font.size.color.fillColor), colour({1, {11, 20, 30}}));
  EXPECT_EQ(colour(font.size.color.lineColor), colour({2, {41}}));
  EXPECT_EQ(colour(font.shadowInfo.color), colour({3, {6, 6, 7, 8}}));
  EXPECT_EQ((std::vector<double>{double(font.size.autoSizeAdjust), font.size.size,
                                 font.size.spacing, font.size.outlineSize,
                                 font.shadowInfo.offset}),
            (std::vector<double>{1, 13.5, 0.25, 0.125, 1.5}));
  EXPECT_EQ(colour(text->fillSetting.color.fillColor), colour({4, {91}}));
  EXPECT_EQ(colour(text->fillSetting.color.lineColor), colour({5, {}}));
  EXPECT_DOUBLE_EQ(text->fillSetting.lineWidth, 0.1);
}

TEST_F(VariableDataFull, ReadsImageAndNumberObjectsAndColumnsWithout) {
  const auto* image = objectAs<VDPImageSetting>(vdp.columnSettingInfos[1].objectSettingInfo);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(std::make_tuple(image->objectType, image->width, image->fitType),
            std::make_tuple(1, 52.3, 3));
  EXPECT_EQ(colour(image->fillSetting.color.fillColor).second, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(image->fillSetting.color.lineColor.colorType, 7);
  EXPECT_EQ((std::vector<int>{image->imagSize.width, image->imagSize.height,
                              image->imagSize.dpiW, image->imagSize.dpiH}),
            (std::vector<int>{642, 482, 300, 600}));

  const auto* number = objectAs<VDPNumberSetting>(vdp.columnSettingInfos[2].objectSettingInfo);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->objectType, 2);
  EXPECT_EQ(number->text.font.name, "Font 3");
  EXPECT_DOUBLE_EQ(number->text.fillSetting.lineWidth, 0.3);
  EXPECT_EQ(counting(*number), std::make_tuple("No. ", " <end>", 3, 1002, 5, 6));

  EXPECT_EQ(vdp.columnSettingInfos[3].column.columnName, "Note");
  EXPECT_FALSE(vdp.columnSettingInfos[3].objectSettingInfo);
}

TEST_F(VariableDataFull, ReadsRowsAndCellsInFileOrder) {
  ASSERT_EQ(vdp.rowSettingInfos.size(), 3u);
  const RowSettingInfo& first = vdp.rowSettingInfos[0];
  const RowSettingInfo& second = vdp.rowSettingInfos[1];
  EXPECT_EQ((std::vector<int>{first.use, first.rowNumber, second.use, second.rowNumber,
                              vdp.rowSettingInfos[2].rowNumber}),
            (std::vector<int>{true, 4, false, 0, 7}));
  ASSERT_EQ(first.cellSettingInfos.size(), 2u);
  EXPECT_EQ(first.cellSettingInfos[0].column.columnName, "Photo");
  EXPECT_EQ(first.cellSettingInfos[0].column.dataType, 1);
  const auto* image = objectAs<VDPImageSetting>(first.cellSettingInfos[0].objectSettingInfo);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->imagSize.width, 644);
  EXPECT_NE(objectAs<VDPTextSetting>(first.cellSettingInfos[1].objectSettingInfo), nullptr);

  ASSERT_EQ(second.cellSettingInfos.size(), 2u);
  const auto* number = objectAs<VDPNumberSetting>(second.cellSettingInfos[0].objectSettingInfo);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->startNumber, 6);
  EXPECT_FALSE(second.cellSettingInfos[1].objectSettingInfo);
  EXPECT_TRUE(vdp.rowSettingInfos[2].cellSettingInfos.empty());
}

TEST_F(VariableDataFull, IsWrittenBackAsItWasReadAndACopyOwnsItsOwnObjects) {
  expectWrittenBackAsRead<VariableDataPrintingParam>("vdp_full.xml");
  VariableDataPrintingParam copy = vdp;
  auto* copied = dynamic_cast<VDPTextSetting*>(copy.columnSettingInfos[0].objectSettingInfo.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_NE(copied, vdp.columnSettingInfos[0].objectSettingInfo.get());
  copied->font.name = "changed";
  EXPECT_EQ(objectAs<VDPTextSetting>(vdp.columnSettingInfos[0].objectSettingInfo)->font.name,
            "Font 1");
  // The kinds survive the copy.
  const auto& cell = copy.rowSettingInfos[1].cellSettingInfos[0];
  EXPECT_NE(objectAs<VDPNumberSetting>(cell.objectSettingInfo), nullptr);
  EXPECT_FALSE(copy.columnSettingInfos[3].objectSettingInfo);
}

TEST(VariableDataRead, WithoutDetaFilePathTheOtherValuesAreReadButTheReadFails) {
  VariableDataPrintingParam vdp;
  EXPECT_FALSE(vdp.readParamData(
      "<VariableDataInfo><ParamVersion>1.02</ParamVersion>"
      "<VariableTemplate>t.pdf</VariableTemplate><Delimiter>;</Delimiter></VariableDataInfo>"));
  EXPECT_EQ(vdp.variableTemplate, "t.pdf");
  EXPECT_EQ(vdp.delimiter, ";");

  // An empty DetaFilePath is present.
  EXPECT_TRUE(vdp.readParamData("<VariableDataInfo><DetaFilePath/></VariableDataInfo>"));
}

TEST(VariableDataRead, TheObjectTypeChoosesTheKindOfObject) {
  VariableDataPrintingParam vdp;
  ASSERT_TRUE(vdp.readParamData(withColumnObject(
      "<ObjectType>2</ObjectType><Rotation>30</Rotation><NumberSetting>"
      "<Text><Font><Name>Mono</Name></Font></Text><Prefix>A-</Prefix><Suffix>-Z</Suffix>"
      "<StartNumber>10</StartNumber><EndNumber>20</EndNumber><Increment>2</Increment>"
      "<Deigits>4</Deigits></NumberSetting>")));
  const auto* number = objectAs<VDPNumberSetting>(vdp.columnSettingInfos.at(0).objectSettingInfo);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(std::make_tuple(number->objectType, number->rotation, number->text.font.name),
            std::make_tuple(2, 30.0, std::string("Mono")));
  EXPECT_EQ(counting(*number), std::make_tuple("A-", "-Z", 10, 20, 2, 4));

  // The elements of another kind are not taken.
  ASSERT_TRUE(vdp.readParamData(withColumnObject(
      "<ObjectType>1</ObjectType><NumberSetting><Prefix>A-</Prefix></NumberSetting>"
      "<ImageSetting><FitType>2</FitType></ImageSetting>")));
  const auto* image = objectAs<VDPImageSetting>(vdp.columnSettingInfos.at(0).objectSettingInfo);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(std::make_pair(image->objectType, image->fitType), std::make_pair(1, 2));

  // An unknown kind, or none, makes no object.
  for (const char* none :
       {"<ObjectType>5</ObjectType><TextSetting/>", "<ObjectType>-1</ObjectType>",
        "<Rotation>10</Rotation><TextSetting/>"}) {
    ASSERT_TRUE(vdp.readParamData(withColumnObject(none))) << none;
    EXPECT_EQ(vdp.columnSettingInfos.at(0).column.columnName, "C");
    EXPECT_FALSE(vdp.columnSettingInfos[0].objectSettingInfo) << none;
  }
}

TEST(VariableDataRead, ABadValueFailsTheReadAndIsLogged) {
  // Through a scalar, a nested record, a kind's object, a list of numbers
  // and a list of records: each failure reaches the read.
  const std::pair<std::string, const char*> cases[] = {
      {withColumnObject("<ObjectType>text</ObjectType>"), "invalid stoi argument"},
      {withColumnObject("<ObjectType>0</ObjectType><Mirror>1</Mirror>"),
       "It is not a Boolean value."},
      {withColumnObject("<ObjectType>1</ObjectType><ImageSetting><FillSetting><LineWidth>w"
                        "</LineWidth></FillSetting></ImageSetting>"),
       "invalid stod argument"},
      {withColumnObject("<ObjectType>0</ObjectType><TextSetting><Font><Size><Color><FillColor>"
                        "<ColorValues><ColorValue>red</ColorValue></ColorValues></FillColor>"
                        "</Color></Size></Font></TextSetting>"),
       "invalid stoi argument"},
      {"<VariableDataInfo><DetaFilePath>d.csv</DetaFilePath><RowSettingInfos><RowSettingInfo>"
       "<Use>maybe</Use></RowSettingInfo></RowSettingInfos></VariableDataInfo>",
       "It is not a Boolean value."},
  };
  for (const auto& c : cases) {
    LogCapture log;
    VariableDataPrintingParam vdp;
    EXPECT_FALSE(vdp.readParamData(c.first)) << c.first;
    EXPECT_TRUE(log.contains(kLogError, c.second)) << c.first;
  }
}

TEST(VariableDataWrite, NewObjectsAreWrittenAndReadBackInTheirKind) {
  VariableDataPrintingParam vdp;
  vdp.columnSettingInfos.resize(3);
  vdp.columnSettingInfos[0].objectSettingInfo.reset(new VDPNumberSetting);
  vdp.columnSettingInfos[1].objectSettingInfo.reset(new VDPImageSetting);
  vdp.columnSettingInfos[2].objectSettingInfo.reset(new VDPTextSetting);
  VariableDataPrintingParam again;
  ASSERT_TRUE(again.readParamData(writtenText(vdp)));
  ASSERT_EQ(again.columnSettingInfos.size(), 3u);
  EXPECT_NE(objectAs<VDPNumberSetting>(again.columnSettingInfos[0].objectSettingInfo), nullptr);
  EXPECT_NE(objectAs<VDPImageSetting>(again.columnSettingInfos[1].objectSettingInfo), nullptr);
  EXPECT_NE(objectAs<VDPTextSetting>(again.columnSettingInfos[2].objectSettingInfo), nullptr);
}

TEST(VariableDataVersion, A101TextLosesFontExAndBecomes102WithoutItsDataFile) {
  LogCapture log;
  VariableDataPrintingParam vdp;
  ASSERT_TRUE(vdp.readParamData(paramText("vdp_v101_fontex.xml")));
  EXPECT_EQ(vdp.getParamVersion(), "1.02");
  // Nothing else changed: apart from FontEx (of column and cell texts and
  // numbers) and the version the file is the full 1.02 file.
  std::string expected = paramText("vdp_full.xml");
  const std::string on = "<FontEx>true</FontEx>";
  for (size_t at = expected.find(on); at != std::string::npos; at = expected.find(on, at))
    expected.replace(at, on.size(), "<FontEx>false</FontEx>");
  EXPECT_EQ(writtenText(vdp), expected);
  // From 1.01 on the data file (which does not exist) is not consulted.
  EXPECT_TRUE(log.records(kLogError).empty());
  EXPECT_EQ(vdp.paramIoCSV.rowCount(), 0u);
}

// Below 1.01 the images of image cells are collected from the data file.
class VariableDataVersion100 : public ::testing::Test {
 protected:
  void SetUp() override {
    writeText(dir.file("vdp.xml"), paramText("vdp_v100.xml"));
    writeText(dir.file("vdp_v100_data.csv"), paramText("vdp_v100_data.csv"));
  }
  // Key and path of each image file.
  std::vector<std::string> images() const {
    std::vector<std::string> out;
    for (const ImageFileInfo& image : vdp.imageFileInfos)
      out.push_back(image.key + " " + image.imagePath);
    return out;
  }
  std::vector<std::string> expectedImages() const {
    return {"photos/anna.png C:/shared/anna.png", "photos/ben.png " + dir.file("photos/ben.png"),
            "logos/b,blue.png " + dir.file("logos/b,blue.png")};
  }
  ScratchDir dir;
  VariableDataPrintingParam vdp;
};

TEST_F(VariableDataVersion100, CollectsTheImagesOfImageCellsFromTheDataFile) {
  ASSERT_TRUE(vdp.readParam(dir.file("vdp.xml")));
  EXPECT_EQ(vdp.getParamVersion(), "1.02");
  // Anna is known already; Cara's cell draws text; Dan's cell is empty;
  // Eve repeats Ben's photo and her logo column draws nothing; rows 9 and
  // -1 and the column "Missing" have no data.
  EXPECT_EQ(images(), expectedImages());
  EXPECT_EQ(vdp.imageFileInfos[1].width, 0);
  // The step below 1.02 ran as well.
  EXPECT_EQ(writtenText(vdp).find("<FontEx>true"), std::string::npos);
  EXPECT_EQ(vdp.paramIoCSV.rowCount(), 6u);  // the data file stays loaded
}

TEST_F(VariableDataVersion100, FromTextAnAbsoluteDataPathIsUsedAsWritten) {
  std::string text = paramText("vdp_v100.xml");
  const std::string relative = "<DetaFilePath>vdp_v100_data.csv</DetaFilePath>";
  text.replace(text.find(relative), relative.size(),
               "<DetaFilePath>" + dir.file("vdp_v100_data.csv") + "</DetaFilePath>");
  ASSERT_TRUE(vdp.readParamData(text));
  EXPECT_EQ(images(), expectedImages());
}

TEST_F(VariableDataVersion100, AMissingDataFileIsLoggedAMalformedOneFailsTheRead) {
  boost::filesystem::remove(dir.file("vdp_v100_data.csv"));
  LogCapture log;
  ASSERT_TRUE(vdp.readParam(dir.file("vdp.xml")));
  EXPECT_EQ(vdp.getParamVersion(), "1.02");
  EXPECT_EQ(images(), (std::vector<std::string>{"photos/anna.png C:/shared/anna.png"}));
  EXPECT_TRUE(log.contains(kLogError, "vdp_v100_data.csv"));

  writeText(dir.file("vdp.xml"), paramText("vdp_v100.xml"));
  writeText(dir.file("vdp_v100_data.csv"), "Name,Photo\nAnna,photos\\qanna.png\n");
  EXPECT_FALSE(vdp.readParam(dir.file("vdp.xml")));
  EXPECT_TRUE(log.contains(kLogError, "unknown escape sequence"));
}

}  // namespace
