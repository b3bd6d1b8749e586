// The OptiScout cut-condition file through real XML texts: defaults, the
// cut-condition list in file order, the nested register-mark and code
// containers read, written and read again, versions and failures.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ParamTestSupport.h"
#include "unitCmnParams/OptiScoutCutConditionParam.h"

namespace {

std::string optiScoutText(const std::string& body, const std::string& version = "1.00") {
  return "<OptiScoutCutCondition><ParamVersion>" + version + "</ParamVersion>" + body +
         "</OptiScoutCutCondition>";
}

class OptiScoutTest : public ::testing::Test {
 protected:
  LogCapture log;
  OptiScoutCutConditionParam param;
};

}  // namespace

// ---- defaults ----------------------------------------------------------------

TEST_F(OptiScoutTest, NewObjectWritesEveryElementAndEveryNestedContainer) {
  EXPECT_EQ(param.getParamVersion(), "1.00");
  EXPECT_EQ(definesOf(writtenText(param)), definesOfFile("optiscout_defaults.xml"));
}

TEST_F(OptiScoutTest, RootOnlyFileIsReadWithEveryDefault) {
  param.presetName = "stale";
  param.codeInfoModel.codeOffset.x = 4.0;
  param.cutConditions.resize(2);
  ASSERT_TRUE(param.readParamData("<OptiScoutCutCondition/>"));
  EXPECT_EQ(param.getParamVersion(), "1.00");
  EXPECT_EQ(definesOf(writtenText(param)), definesOfFile("optiscout_defaults.xml"));
}

// ---- cut conditions ---------------------------------------------------------

TEST_F(OptiScoutTest, CutConditionsAreEntriesInFileOrder) {
  ASSERT_TRUE(param.readParamData(
      optiScoutText("<CutConditions>"
                    "<CutCondition><SpotColorName>B</SpotColorName>"
                    "<CuttingConditionName>Deep</CuttingConditionName>"
                    "<Red>1</Red><Green>2</Green><Blue>3</Blue></CutCondition>"
                    "<CutCondition><SpotColorName>A</SpotColorName><Blue>9</Blue></CutCondition>"
                    "</CutConditions>")));
  ASSERT_EQ(param.cutConditions.size(), 2u);
  auto fields = [](const OptiScoutCutCondition& c) {
    return std::make_tuple(c.spotColorName, c.cuttingConditionName, c.red, c.green, c.blue);
  };
  EXPECT_EQ(fields(param.cutConditions[0]), std::make_tuple("B", "Deep", 1, 2, 3));
  // The second entry takes nothing from the first.
  EXPECT_EQ(fields(param.cutConditions[1]), std::make_tuple("A", "", 0, 0, 9));
}

// ---- full file ---------------------------------------------------------------

TEST_F(OptiScoutTest, FullFileFillsTheNestedFields) {
  ASSERT_TRUE(param.readParam(paramFile("optiscout_full.xml")));
  EXPECT_EQ(param.createdBy, "OptiScout Designer");
  EXPECT_TRUE(param.readOnly);
  EXPECT_EQ(param.oXFFilePath, "C:\\Presets\\banner.oxf");
  EXPECT_EQ(param.presetName, "Banner & Vinyl");
  EXPECT_EQ(param.gUID, "6f1c2a4e-9b7d-4c1e-8f00-1234567890ab");
  ASSERT_EQ(param.cutConditions.size(), 3u);
  EXPECT_EQ(param.cutConditions[1].spotColorName, "Crease");
  EXPECT_EQ(param.cutConditions[1].green, 200);
  EXPECT_EQ(param.cutConditions[2].cuttingConditionName, "Perforation");
  EXPECT_DOUBLE_EQ(param.thickness, 0.18);
  EXPECT_EQ(param.userMemo, "check blade depth");

  const OptiScoutRegisterMark& mark = param.registerMark;
  EXPECT_EQ(mark.registerMarkMode, 2);
  EXPECT_EQ(mark.registerMarkType, 1);
  EXPECT_DOUBLE_EQ(mark.registerMarkMaxDistance, 500.0);
  EXPECT_DOUBLE_EQ(mark.registerMarkLineWidth, 0.5);
  EXPECT_DOUBLE_EQ(mark.registerMarkSize, 5.0);
  EXPECT_DOUBLE_EQ(mark.registerMarkOffset, 10.0);
  EXPECT_EQ(mark.registerMarkFillAroundType, 3);

  const OptiScoutCodeInfoModel& code = param.codeInfoModel;
  EXPECT_EQ(code.codeType, 4);
  EXPECT_DOUBLE_EQ(code.codeSize.width, 12.5);
  EXPECT_DOUBLE_EQ(code.codeSize.height, 6.25);
  EXPECT_DOUBLE_EQ(code.codeOffset.x, 3.0);
  EXPECT_DOUBLE_EQ(code.codeOffset.y, -1.5);
  EXPECT_TRUE(code.isPrintCodeText);
  const auto& at = code.codePrintPosition;
  EXPECT_EQ((std::vector<bool>{at.bottomRight, at.bottomLeft, at.topRight, at.topLeft, at.leftTop,
                               at.leftBottom, at.rightTop, at.rightBottom}),
            (std::vector<bool>{true, false, false, true, true, false, false, true}));
}

TEST_F(OptiScoutTest, FullFileReadWriteReadGivesTheSameFile) {
  expectSameNodesWrittenBack<OptiScoutCutConditionParam>("optiscout_full.xml");
}

TEST_F(OptiScoutTest, CodeOffsetXAndYStayInTheirOwnFields) {
  param.codeInfoModel.codeOffset.x = 7.5;
  param.codeInfoModel.codeOffset.y = 0.25;
  param.codeInfoModel.codeSize.height = 2.0;
  OptiScoutCutConditionParam back;
  ASSERT_TRUE(back.readParamData(writtenText(param)));
  EXPECT_DOUBLE_EQ(back.codeInfoModel.codeOffset.x, 7.5);
  EXPECT_DOUBLE_EQ(back.codeInfoModel.codeOffset.y, 0.25);
  EXPECT_DOUBLE_EQ(back.codeInfoModel.codeSize.width, 0.0);
  EXPECT_DOUBLE_EQ(back.codeInfoModel.codeSize.height, 2.0);
}

// An element of the same name in another container is not taken.
TEST_F(OptiScoutTest, NestedElementsAreFoundOnlyUnderTheirContainer) {
  ASSERT_TRUE(param.readParamData(
      optiScoutText("<CodeInfoModel><CodeSize><X>5</X><Width>1.5</Width></CodeSize></CodeInfoModel>"
                    "<RegisterMarkSize>4</RegisterMarkSize>")));
  EXPECT_DOUBLE_EQ(param.codeInfoModel.codeSize.width, 1.5);
  EXPECT_DOUBLE_EQ(param.codeInfoModel.codeOffset.x, 0.0);
  EXPECT_DOUBLE_EQ(param.registerMark.registerMarkSize, 0.0);
}

// ---- versions and failures ---------------------------------------------------

TEST_F(OptiScoutTest, OlderVersionIsRaisedWithoutWritingTheFile) {
  const std::string text = optiScoutText("<PresetName>P</PresetName>", "0.90");
  EXPECT_EQ(fileAfterReading(param, text), text);
  EXPECT_EQ(param.getParamVersion(), "1.00");
  EXPECT_EQ(param.presetName, "P");

  ASSERT_TRUE(param.readParamData(optiScoutText("", "2.00")));
  EXPECT_EQ(param.getParamVersion(), "2.00");
}

TEST_F(OptiScoutTest, BadValueFailsAndIsLogged) {
  EXPECT_FALSE(param.readParamData(optiScoutText(
      "<PresetName>P</PresetName><CodeInfoModel><IsPrintCodeText>yes</IsPrintCodeText>"
      "</CodeInfoModel>")));
  EXPECT_TRUE(log.contains(kLogError, "It is not a Boolean value."));
  EXPECT_EQ(param.presetName, "P");
  EXPECT_FALSE(param.readParamData(
      optiScoutText("<CutConditions><CutCondition><Red>red</Red></CutCondition></CutConditions>")));
  EXPECT_FALSE(param.readParamData(""));
}
