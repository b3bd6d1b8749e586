// The OptiScout cut-condition file through real XML texts: defaults, the
// cut-condition list in file order, the nested register-mark and code
// containers read, written and read again, and versions.
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

TEST_F(OptiScoutTest, NewObjectAndRootOnlyFileWriteEveryElementAndNestedContainer) {
  EXPECT_EQ(param.getParamVersion(), "1.00");
  EXPECT_EQ(definesOf(writtenText(param)), definesOfFile("optiscout_defaults.xml"));

  param.presetName = "stale";
  param.codeInfoModel.codeOffset.x = 4.0;
  param.cutConditions.resize(2);
  ASSERT_TRUE(param.readParamData("<OptiScoutCutCondition/>"));
  EXPECT_EQ(definesOf(writtenText(param)), definesOfFile("optiscout_defaults.xml"));
}

// ---- reading -----------------------------------------------------------------

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

// The values of the full file differ from field to field: a field bound to
// a neighbour's element shows.
TEST_F(OptiScoutTest, FullFileFillsTheNestedFields) {
  ASSERT_TRUE(param.readParam(paramFile("optiscout_full.xml")));
  EXPECT_EQ((std::vector<std::string>{param.createdBy, param.oXFFilePath, param.presetName,
                                      param.gUID, param.userMemo}),
            (std::vector<std::string>{"OptiScout Designer", "C:\\Presets\\banner.oxf",
                                      "Banner & Vinyl", "6f1c2a4e-9b7d-4c1e-8f00-1234567890ab",
                                      "check blade depth"}));
  EXPECT_TRUE(param.readOnly);
  EXPECT_EQ(param.cutConditions.size(), 3u);
  const OptiScoutRegisterMark& mark = param.registerMark;
  const OptiScoutCodeInfoModel& code = param.codeInfoModel;
  EXPECT_EQ((std::vector<int>{mark.registerMarkMode, mark.registerMarkType,
                              mark.registerMarkFillAroundType, code.codeType}),
            (std::vector<int>{2, 1, 3, 4}));
  EXPECT_EQ((std::vector<double>{param.thickness, mark.registerMarkMaxDistance,
                                 mark.registerMarkLineWidth, mark.registerMarkSize,
                                 mark.registerMarkOffset, code.codeSize.width,
                                 code.codeSize.height, code.codeOffset.x, code.codeOffset.y}),
            (std::vector<double>{0.18, 500, 0.5, 5, 10, 12.5, 6.25, 3, -1.5}));
  const auto& at = code.codePrintPosition;
  EXPECT_EQ((std::vector<bool>{code.isPrintCodeText, at.bottomRight, at.bottomLeft, at.topRight,
                               at.topLeft, at.leftTop, at.leftBottom, at.rightTop,
                               at.rightBottom}),
            (std::vector<bool>{true, true, false, false, true, true, false, false, true}));
}

TEST_F(OptiScoutTest, FullFileIsWrittenBackAsRead) {
  expectWrittenBackAsRead<OptiScoutCutConditionParam>("optiscout_full.xml");
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

// ---- versions ----------------------------------------------------------------

TEST_F(OptiScoutTest, OlderVersionIsRaisedWithoutWritingTheFile) {
  const std::string text = optiScoutText("<PresetName>P</PresetName>", "0.90");
  EXPECT_EQ(fileAfterReading(param, text), text);
  EXPECT_EQ(param.getParamVersion(), "1.00");
  EXPECT_EQ(param.presetName, "P");

  ASSERT_TRUE(param.readParamData(optiScoutText("", "2.00")));
  EXPECT_EQ(param.getParamVersion(), "2.00");
}
