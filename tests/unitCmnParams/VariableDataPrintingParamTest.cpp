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
         object + "</ObjectSettingInfo></ColumnSettingInfo></ColumnSettingInfos></VariableDataInfo>";
}

// FontEx of every text and number object, columns first, then the cells
// row by row.
std::vector<bool> fontExFlags(const VariableDataPrintingParam& vdp) {
  std::vector<bool> flags;
  auto add = [&flags](const VDPObjectSettingPtr& object) {
    if (auto* text = objectAs<VDPTextSetting>(object)) flags.push_back(text->font.fontEx);
    if (auto* number = objectAs<VDPNumberSetting>(object)) flags.push_back(number->text.font.fontEx);
  };
  for (const ColumnSettingInfo& column : vdp.columnSettingInfos) add(column.objectSettingInfo);
  for (const RowSettingInfo& row : vdp.rowSettingInfos)
    for (const CellSettingInfo& cell : row.cellSettingInfos) add(cell.objectSettingInfo);
  return flags;
}

class VariableDataFull : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(vdp.readParam(paramFile("vdp_full.xml"))); }
  VariableDataPrintingParam vdp;
};

TEST_F(VariableDataFull, ReadsTheTopLevelAndTheImageFiles) {
  EXPECT_EQ(vdp.getParamVersion(), "1.02");
  EXPECT_EQ(vdp.variableTemplate, "templates/card.pdf");
  EXPECT_EQ(vdp.detaFilePath, "data/members.csv");
  EXPECT_EQ(vdp.delimiter, ";");
  ASSERT_EQ(vdp.imageFileInfos.size(), 2u);
  const ImageFileInfo& badge = vdp.imageFileInfos[1];
  EXPECT_EQ(badge.key, "badge");
  EXPECT_EQ(badge.imagePath, "images/badge.tif");
  EXPECT_EQ(badge.width, 256);
  EXPECT_EQ(badge.height, 128);
  EXPECT_EQ(badge.dpiW, 150);
  EXPECT_EQ(badge.dpiH, 300);
  EXPECT_EQ(vdp.imageFileInfos[0].key, "logo");
}

TEST_F(VariableDataFull, ReadsATextObjectWithItsWholeTextSetting) {
  ASSERT_EQ(vdp.columnSettingInfos.size(), 4u);
  const ColumnSettingInfo& name = vdp.columnSettingInfos[0];
  EXPECT_EQ(name.column.columnName, "Name");
  EXPECT_EQ(name.column.dataType, 0);
  const auto* text = objectAs<VDPTextSetting>(name.objectSettingInfo);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->objectType, 0);
  EXPECT_DOUBLE_EQ(text->top, 1.1);
  EXPECT_DOUBLE_EQ(text->left, 1.2);
  EXPECT_DOUBLE_EQ(text->width, 51.3);
  EXPECT_DOUBLE_EQ(text->height, 21.4);
  EXPECT_DOUBLE_EQ(text->rotation, 90.0);
  EXPECT_EQ(text->arrangementType, 2);
  EXPECT_TRUE(text->mirror);
  EXPECT_EQ(text->overlapType, 2);
  EXPECT_EQ(text->opacity, 51);

  const VDPFontSetting& font = text->font;
  EXPECT_EQ(font.name, "Font 1");
  EXPECT_EQ(font.filePaths, (std::vector<std::string>{"fonts/f1-a.ttf", "fonts/f1-b.otf"}));
  EXPECT_TRUE(font.italic);
  EXPECT_FALSE(font.bold);
  EXPECT_TRUE(font.underLine);
  EXPECT_FALSE(font.outline);
  EXPECT_TRUE(font.shadow);
  EXPECT_EQ(font.ascent, 801u);
  EXPECT_EQ(font.descent, 201u);
  EXPECT_EQ(font.emHeight, 1001u);
  EXPECT_EQ(font.size.color.fillColor.colorType, 1);
  EXPECT_EQ(font.size.color.fillColor.colorValues, (std::vector<int>{11, 20, 30}));
  EXPECT_EQ(font.size.color.lineColor.colorType, 2);
  EXPECT_EQ(font.size.color.lineColor.colorValues, (std::vector<int>{41}));
  EXPECT_EQ(font.size.autoSizeAdjust, 1);
  EXPECT_DOUBLE_EQ(font.size.size, 13.5);
  EXPECT_DOUBLE_EQ(font.size.spacing, 0.25);
  EXPECT_DOUBLE_EQ(font.size.outlineSize, 0.125);
  EXPECT_EQ(font.shadowInfo.color.colorType, 3);
  EXPECT_EQ(font.shadowInfo.color.colorValues, (std::vector<int>{6, 6, 7, 8}));
  EXPECT_DOUBLE_EQ(font.shadowInfo.offset, 1.5);
  EXPECT_TRUE(font.fontEx);
  EXPECT_EQ(text->fillSetting.color.fillColor.colorType, 4);
  EXPECT_EQ(text->fillSetting.color.fillColor.colorValues, (std::vector<int>{91}));
  EXPECT_EQ(text->fillSetting.color.lineColor.colorType, 5);
  EXPECT_TRUE(text->fillSetting.color.lineColor.colorValues.empty());
  EXPECT_DOUBLE_EQ(text->fillSetting.lineWidth, 0.1);
}

TEST_F(VariableDataFull, ReadsImageAndNumberObjectsAndColumnsWithout) {
  const auto* image = objectAs<VDPImageSetting>(vdp.columnSettingInfos[1].objectSettingInfo);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->objectType, 1);
  EXPECT_DOUBLE_EQ(image->width, 52.3);
  EXPECT_EQ(image->fitType, 3);
  EXPECT_EQ(image->fillSetting.color.fillColor.colorValues, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(image->fillSetting.color.lineColor.colorType, 7);
  EXPECT_DOUBLE_EQ(image->fillSetting.lineWidth, 2.0);
  EXPECT_EQ(image->imagSize.width, 642);
  EXPECT_EQ(image->imagSize.height, 482);
  EXPECT_EQ(image->imagSize.dpiW, 300);
  EXPECT_EQ(image->imagSize.dpiH, 600);

  const auto* number = objectAs<VDPNumberSetting>(vdp.columnSettingInfos[2].objectSettingInfo);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->objectType, 2);
  EXPECT_EQ(number->text.font.name, "Font 3");
  EXPECT_EQ(number->text.font.size.color.fillColor.colorValues, (std::vector<int>{13, 20, 30}));
  EXPECT_DOUBLE_EQ(number->text.fillSetting.lineWidth, 0.3);
  EXPECT_EQ(counting(*number), std::make_tuple("No. ", " <end>", 3, 1002, 5, 6));

  EXPECT_EQ(vdp.columnSettingInfos[3].column.columnName, "Note");
  EXPECT_FALSE(vdp.columnSettingInfos[3].objectSettingInfo);
}

TEST_F(VariableDataFull, ReadsRowsAndCellsInFileOrder) {
  ASSERT_EQ(vdp.rowSettingInfos.size(), 3u);
  const RowSettingInfo& first = vdp.rowSettingInfos[0];
  EXPECT_TRUE(first.use);
  EXPECT_EQ(first.rowNumber, 4);
  ASSERT_EQ(first.cellSettingInfos.size(), 2u);
  EXPECT_EQ(first.cellSettingInfos[0].column.columnName, "Photo");
  EXPECT_EQ(first.cellSettingInfos[0].column.dataType, 1);
  const auto* image = objectAs<VDPImageSetting>(first.cellSettingInfos[0].objectSettingInfo);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->imagSize.width, 644);
  const auto* text = objectAs<VDPTextSetting>(first.cellSettingInfos[1].objectSettingInfo);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->font.name, "Font 5");

  const RowSettingInfo& second = vdp.rowSettingInfos[1];
  EXPECT_FALSE(second.use);
  EXPECT_EQ(second.rowNumber, 0);
  ASSERT_EQ(second.cellSettingInfos.size(), 2u);
  const auto* number = objectAs<VDPNumberSetting>(second.cellSettingInfos[0].objectSettingInfo);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->startNumber, 6);
  EXPECT_FALSE(second.cellSettingInfos[1].objectSettingInfo);

  EXPECT_EQ(vdp.rowSettingInfos[2].rowNumber, 7);
  EXPECT_TRUE(vdp.rowSettingInfos[2].cellSettingInfos.empty());
}

TEST_F(VariableDataFull, IsWrittenBackAsItWasRead) {
  expectWrittenBackAsRead<VariableDataPrintingParam>("vdp_full.xml");
}

TEST_F(VariableDataFull, ACopyOwnsItsOwnObjects) {
  VariableDataPrintingParam copy = vdp;
  auto* copied = dynamic_cast<VDPTextSetting*>(copy.columnSettingInfos[0].objectSettingInfo.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_NE(copied, vdp.columnSettingInfos[0].objectSettingInfo.get());
  copied->font.name = "changed";
  EXPECT_EQ(objectAs<VDPTextSetting>(vdp.columnSettingInfos[0].objectSettingInfo)->font.name,
            "Font 1");
  // The kinds survive the copy.
  EXPECT_NE(objectAs<VDPNumberSetting>(copy.rowSettingInfos[1].cellSettingInfos[0].objectSettingInfo),
            nullptr);
  EXPECT_FALSE(copy.columnSettingInfos[3].objectSettingInfo);

  copy = VariableDataPrintingParam();
  EXPECT_TRUE(copy.columnSettingInfos.empty());
  EXPECT_EQ(vdp.columnSettingInfos.size(), 4u);
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
  EXPECT_EQ(number->objectType, 2);
  EXPECT_DOUBLE_EQ(number->rotation, 30.0);
  EXPECT_EQ(number->text.font.name, "Mono");
  EXPECT_EQ(counting(*number), std::make_tuple("A-", "-Z", 10, 20, 2, 4));

  // The elements of another kind are not taken.
  ASSERT_TRUE(vdp.readParamData(withColumnObject(
      "<ObjectType>1</ObjectType><NumberSetting><Prefix>A-</Prefix></NumberSetting>"
      "<ImageSetting><FitType>2</FitType></ImageSetting>")));
  const auto* image = objectAs<VDPImageSetting>(vdp.columnSettingInfos.at(0).objectSettingInfo);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->objectType, 1);
  EXPECT_EQ(image->fitType, 2);

  for (const char* none : {"<ObjectType>5</ObjectType><TextSetting/>", "<ObjectType>-1</ObjectType>",
                           "<Rotation>10</Rotation><TextSetting/>"}) {
    ASSERT_TRUE(vdp.readParamData(withColumnObject(none))) << none;
    ASSERT_EQ(vdp.columnSettingInfos.size(), 1u);
    EXPECT_EQ(vdp.columnSettingInfos[0].column.columnName, "C");
    EXPECT_FALSE(vdp.columnSettingInfos[0].objectSettingInfo) << none;
  }
}

TEST(VariableDataRead, ABadValueFailsTheReadAndIsLogged) {
  expectReadsFailLogging<VariableDataPrintingParam>({
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
  });
}

TEST(VariableDataWrite, ANewObjectWritesEmptyListsAndTexts) {
  EXPECT_EQ(writtenText(VariableDataPrintingParam()),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
            "<VariableDataInfo>\n"
            "\t<ParamVersion>1.02</ParamVersion>\n"
            "\t<VariableTemplate/>\n"
            "\t<DetaFilePath/>\n"
            "\t<ImageFileInfos/>\n"
            "\t<Delimiter/>\n"
            "\t<ColumnSettingInfos/>\n"
            "\t<RowSettingInfos/>\n"
            "</VariableDataInfo>\n");
}

TEST(VariableDataWrite, NewObjectsWriteTheirKindAndDefaults) {
  VariableDataPrintingParam vdp;
  vdp.columnSettingInfos.resize(3);
  vdp.columnSettingInfos[0].objectSettingInfo.reset(new VDPNumberSetting);
  vdp.columnSettingInfos[1].objectSettingInfo.reset(new VDPImageSetting);
  vdp.columnSettingInfos[2].objectSettingInfo.reset(new VDPTextSetting);
  ScratchDir dir;
  ASSERT_TRUE(vdp.writeParam(dir.file("objects.xml")));
  VariableDataPrintingParam again;
  ASSERT_TRUE(again.readParam(dir.file("objects.xml")));
  ASSERT_EQ(again.columnSettingInfos.size(), 3u);
  EXPECT_NE(objectAs<VDPNumberSetting>(again.columnSettingInfos[0].objectSettingInfo), nullptr);
  EXPECT_NE(objectAs<VDPImageSetting>(again.columnSettingInfos[1].objectSettingInfo), nullptr);
  EXPECT_NE(objectAs<VDPTextSetting>(again.columnSettingInfos[2].objectSettingInfo), nullptr);

  const std::string text = readText(dir.file("objects.xml"));
  // A default number object: its digits' text setting and zero counters.
  EXPECT_NE(text.find("\t\t\t\t<NumberSetting>\n"
                      "\t\t\t\t\t<Text>\n"
                      "\t\t\t\t\t\t<Font>\n"
                      "\t\t\t\t\t\t\t<Name/>\n"
                      "\t\t\t\t\t\t\t<FilePaths/>\n"
                      "\t\t\t\t\t\t\t<Italic>false</Italic>\n"),
            std::string::npos);
  EXPECT_NE(text.find("\t\t\t\t\t<Prefix/>\n"
                      "\t\t\t\t\t<Suffix/>\n"
                      "\t\t\t\t\t<StartNumber>0</StartNumber>\n"
                      "\t\t\t\t\t<EndNumber>0</EndNumber>\n"
                      "\t\t\t\t\t<Increment>0</Increment>\n"
                      "\t\t\t\t\t<Deigits>0</Deigits>\n"
                      "\t\t\t\t</NumberSetting>\n"),
            std::string::npos);
}

TEST(VariableDataVersion, A101TextLosesFontExAndBecomes102) {
  VariableDataPrintingParam vdp;
  ASSERT_TRUE(vdp.readParamData(paramText("vdp_v101_fontex.xml")));
  EXPECT_EQ(vdp.getParamVersion(), "1.02");
  // Column text and number, cell text, cell number.
  EXPECT_EQ(fontExFlags(vdp), (std::vector<bool>{false, false, false, false}));
  // Nothing else changed: apart from FontEx and the version the file is the
  // full 1.02 file.
  std::string expected = paramText("vdp_full.xml");
  const std::string on = "<FontEx>true</FontEx>";
  for (size_t at = expected.find(on); at != std::string::npos; at = expected.find(on, at))
    expected.replace(at, on.size(), "<FontEx>false</FontEx>");
  EXPECT_EQ(writtenText(vdp), expected);
}

TEST(VariableDataVersion, A102TextKeepsFontEx) {
  VariableDataPrintingParam vdp;
  ASSERT_TRUE(vdp.readParamData(paramText("vdp_full.xml")));
  EXPECT_EQ(fontExFlags(vdp), (std::vector<bool>{true, true, true, true}));
}

TEST(VariableDataVersion, From101OnTheDataFileIsNotConsulted) {
  LogCapture log;
  VariableDataPrintingParam vdp;
  // Its data file does not exist; no attempt to load it is made.
  ASSERT_TRUE(vdp.readParamData(paramText("vdp_v101_fontex.xml")));
  EXPECT_TRUE(log.records(kLogError).empty());
  EXPECT_EQ(vdp.paramIoCSV.rowCount(), 0u);
  EXPECT_EQ(vdp.imageFileInfos.size(), 2u);
}

class VariableDataVersion100 : public ::testing::Test {
 protected:
  void SetUp() override {
    writeText(dir.file("vdp.xml"), paramText("vdp_v100.xml"));
    writeText(dir.file("vdp_v100_data.csv"), paramText("vdp_v100_data.csv"));
  }
  std::vector<std::string> keys() const {
    std::vector<std::string> out;
    for (const ImageFileInfo& image : vdp.imageFileInfos) out.push_back(image.key);
    return out;
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
  EXPECT_EQ(keys(), (std::vector<std::string>{"photos/anna.png", "photos/ben.png",
                                               "logos/b,blue.png"}));
  EXPECT_EQ(vdp.imageFileInfos[0].imagePath, "C:/shared/anna.png");
  EXPECT_EQ(vdp.imageFileInfos[1].imagePath, dir.file("photos/ben.png"));
  EXPECT_EQ(vdp.imageFileInfos[2].imagePath, dir.file("logos/b,blue.png"));
  EXPECT_EQ(vdp.imageFileInfos[1].width, 0);
  // The step below 1.02 ran as well.
  EXPECT_EQ(fontExFlags(vdp), (std::vector<bool>{false, false}));
  // The data file stays loaded.
  EXPECT_EQ(vdp.paramIoCSV.rowCount(), 6u);
}

TEST_F(VariableDataVersion100, FromTextAnAbsoluteDataPathIsUsedAsWritten) {
  std::string text = paramText("vdp_v100.xml");
  const std::string relative = "<DetaFilePath>vdp_v100_data.csv</DetaFilePath>";
  text.replace(text.find(relative), relative.size(),
               "<DetaFilePath>" + dir.file("vdp_v100_data.csv") + "</DetaFilePath>");
  ASSERT_TRUE(vdp.readParamData(text));
  EXPECT_EQ(keys(), (std::vector<std::string>{"photos/anna.png", "photos/ben.png",
                                               "logos/b,blue.png"}));
  EXPECT_EQ(vdp.imageFileInfos[1].imagePath, dir.file("photos/ben.png"));
}

TEST_F(VariableDataVersion100, AMissingDataFileIsLoggedAndTheReadStillSucceeds) {
  boost::filesystem::remove(dir.file("vdp_v100_data.csv"));
  LogCapture log;
  ASSERT_TRUE(vdp.readParam(dir.file("vdp.xml")));
  EXPECT_EQ(vdp.getParamVersion(), "1.02");
  EXPECT_EQ(keys(), (std::vector<std::string>{"photos/anna.png"}));
  EXPECT_TRUE(log.contains(kLogError, "vdp_v100_data.csv"));
}

TEST_F(VariableDataVersion100, AMalformedDataFileFailsTheRead) {
  writeText(dir.file("vdp_v100_data.csv"), "Name,Photo\nAnna,photos\\qanna.png\n");
  LogCapture log;
  EXPECT_FALSE(vdp.readParam(dir.file("vdp.xml")));
  EXPECT_TRUE(log.contains(kLogError, "unknown escape sequence"));
}

}  // namespace
