// The device-function file through real XML texts: defaults of a new
// object and of a sparse file, a full file read, written and read again,
// the list forms and the option types of older files, raising old versions
// (and writing them back) and the reading failures.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ParamTestSupport.h"
#include "unitCmnParams/DeviceFunctionParam.h"

namespace {

std::string deviceText(const std::string& body, const std::string& version = "1.15") {
  return "<DeviceFunction><ParamVersion>" + version + "</ParamVersion>" + body +
         "</DeviceFunction>";
}

class DeviceFunctionTest : public ::testing::Test {
 protected:
  void load(const std::string& body, const std::string& version = "1.15") {
    ASSERT_TRUE(param.readParamData(deviceText(body, version)));
  }
  std::vector<int> optionTypesOf(const std::string& body) {
    EXPECT_TRUE(param.readParamData(deviceText(body))) << body;
    return param.optionTypes;
  }

  LogCapture log;
  DeviceFunctionParam param;
};

}  // namespace

// ---- defaults ----------------------------------------------------------------

TEST_F(DeviceFunctionTest, NewObjectWritesVersionAndEveryElementWithItsDefault) {
  EXPECT_EQ(param.getParamVersion(), "1.15");
  EXPECT_EQ(param.getCurrentVersion(), "1.15");
  const Defines written = definesOf(writtenText(param));
  // The root, the version and 235 further elements; lists are empty
  // containers.
  EXPECT_EQ(written.size(), 237u);
  EXPECT_EQ(written, definesOfFile("device_defaults.xml"));
}

TEST_F(DeviceFunctionTest, PullBackOnlyFileKeepsEveryOtherDefault) {
  ASSERT_TRUE(param.readParamData("<DeviceFunction><PullBack>true</PullBack></DeviceFunction>"));
  EXPECT_TRUE(param.pullBack);
  EXPECT_EQ(param.cutPressureMax, 450);
  EXPECT_DOUBLE_EQ(param.xySlitterMarkSize, 30.0);
  EXPECT_EQ(param.inkSlotCount, 8);
  EXPECT_TRUE(param.waveFormSelection);
  EXPECT_EQ(param.getParamVersion(), "1.15");  // no version element: nothing raised

  Defines expected = definesOfFile("device_defaults.xml");
  for (auto& d : expected)
    if (d.first == "DeviceFunction.PullBack") d.second = "true";
  EXPECT_EQ(definesOf(writtenText(param)), expected);
}

TEST_F(DeviceFunctionTest, InitParamPutsEveryFieldBackToItsDefault) {
  ASSERT_TRUE(param.readParam(paramFile("device_full.xml")));
  ASSERT_TRUE(param.pullBack);
  param.initParam();
  EXPECT_EQ(param.getParamVersion(), "1.15");
  EXPECT_EQ(definesOf(writtenText(param)), definesOfFile("device_defaults.xml"));
}

// ---- full file ---------------------------------------------------------------

// In device_full.xml an int element holds its row number n in the element
// list (PullBack is 2), a double n + 0.25, a text "Name<n>", an item list
// three items and a ","-joined list three entries; every bool is the
// opposite of its default.
TEST_F(DeviceFunctionTest, FullFileFillsEachFieldFromItsOwnElement) {
  ASSERT_TRUE(param.readParam(paramFile("device_full.xml")));
  EXPECT_TRUE(param.pullBack);
  EXPECT_EQ(param.adsorbFan, 7);
  EXPECT_DOUBLE_EQ(param.maxScanPauseTime, 9.25);
  EXPECT_TRUE(param.queryCommand_JigOption);
  EXPECT_EQ(param.nameKeyPreHeater, "Name51 & Co");
  EXPECT_EQ(param.nameKeyExtHeater, "Name69");
  EXPECT_FALSE(param.waveFormSelection);
  EXPECT_EQ(param.cutTools, (std::vector<std::string>{"B142", "A142", "C142"}));
  EXPECT_EQ(param.cutPressureMax, 146);
  EXPECT_DOUBLE_EQ(param.cutStepSize, 160.25);
  EXPECT_EQ(param.headsUpGloss, (std::vector<std::string>{"Z166", "X166", "Y166"}));
  EXPECT_EQ(param.notAvailableInkByColorReplace, (std::vector<int>{176, 4, -6}));
  EXPECT_DOUBLE_EQ(param.xySlitterMarkSize, 179.25);
  EXPECT_EQ(param.optionTypes, (std::vector<int>{181, 2, 81}));
  EXPECT_EQ(param.xYSlitterGuidePass, 204);
  EXPECT_EQ(param.inkThresholdValue, 218);
  EXPECT_EQ(param.heaterSwitchModelSize, "Name233");
  EXPECT_EQ(param.defaultHeaterKinds, (std::vector<std::string>{"B235", "A235", "C235"}));
  EXPECT_TRUE(param.mediaTension);
}

// Every value and the order of every list as in the source.
TEST_F(DeviceFunctionTest, FullFileReadWriteReadGivesTheSameFile) {
  expectSameNodesWrittenBack<DeviceFunctionParam>("device_full.xml");
}

TEST_F(DeviceFunctionTest, CopyKeepsEveryValue) {
  ASSERT_TRUE(param.readParam(paramFile("device_full.xml")));
  const DeviceFunctionParam copy = param;
  param.initParam();
  EXPECT_EQ(definesOf(writtenText(copy)), definesOfFile("device_full.xml"));
}

// ---- lists -------------------------------------------------------------------

TEST_F(DeviceFunctionTest, JoinedOptionTypeElementIsPreferredToTheContainer) {
  EXPECT_EQ(
      optionTypesOf(
          "<OptionTypes><OptionType>4</OptionType></OptionTypes><OptionType>3,5</OptionType>"),
      (std::vector<int>{3, 5}));
}

TEST_F(DeviceFunctionTest, ContainerItemsAreReadInFileOrder) {
  load(
      "<OptionTypes><OptionType>5</OptionType><OptionType>3</OptionType></OptionTypes>"
      "<CutTools><CutTool>Pen</CutTool><CutTool>Knife</CutTool></CutTools>");
  EXPECT_EQ(param.optionTypes, (std::vector<int>{5, 3}));
  EXPECT_EQ(param.cutTools, (std::vector<std::string>{"Pen", "Knife"}));
}

TEST_F(DeviceFunctionTest, TextListMayBeOneJoinedItemElement) {
  load("<CutTool>Knife,Pen</CutTool>");
  EXPECT_EQ(param.cutTools, (std::vector<std::string>{"Knife", "Pen"}));
}

TEST_F(DeviceFunctionTest, CommaSeparatedListsAreSplitAndJoinedWithoutBlanks) {
  load(
      "<HeadsUpGloss>G1,G2</HeadsUpGloss>"
      "<NotAvailableInkByColorReplace>3,7,11</NotAvailableInkByColorReplace>");
  EXPECT_EQ(param.headsUpGloss, (std::vector<std::string>{"G1", "G2"}));
  EXPECT_EQ(param.notAvailableInkByColorReplace, (std::vector<int>{3, 7, 11}));

  param.usableColorGlossInks = {"Cyan"};
  const Defines written = definesOf(writtenText(param));
  EXPECT_EQ(valueIn(written, "DeviceFunction.HeadsUpGloss"), "G1,G2");
  EXPECT_EQ(valueIn(written, "DeviceFunction.NotAvailableInkByColorReplace"), "3,7,11");
  EXPECT_EQ(valueIn(written, "DeviceFunction.UsableColorGlossInks"), "Cyan");
}

TEST_F(DeviceFunctionTest, EmptyCommaSeparatedElementIsAnEmptyListAndCounts) {
  param.headsUpGloss = {"stale"};
  load("<HeadsUpGloss></HeadsUpGloss>");
  EXPECT_TRUE(param.headsUpGloss.empty());
}

// ---- option types of older files ------------------------------------------

TEST_F(DeviceFunctionTest, TurnelSizeSelectsTheFirstMatchingOptionType) {
  EXPECT_EQ(optionTypesOf("<Turnel>true</Turnel><TurnelSize>600</TurnelSize>"),
            (std::vector<int>{4}));
  EXPECT_EQ(optionTypesOf("<Turnel>true</Turnel><TurnelSize>300</TurnelSize>"),
            (std::vector<int>{3}));
  EXPECT_TRUE(optionTypesOf("<Turnel>true</Turnel><TurnelSize>450</TurnelSize>").empty());
  EXPECT_TRUE(optionTypesOf("<Turnel>true</Turnel>").empty());
  EXPECT_TRUE(optionTypesOf("<Turnel>false</Turnel><TurnelSize>600</TurnelSize>").empty());
}

TEST_F(DeviceFunctionTest, QuorlAddsOptionTypeTwoBeforeTheTurnelOne) {
  EXPECT_EQ(optionTypesOf("<Turnel>true</Turnel><TurnelSize>600</TurnelSize><Quorl>true</Quorl>"),
            (std::vector<int>{2, 4}));
  // Found, so the file counts as read.
  EXPECT_TRUE(optionTypesOf("<Quorl>false</Quorl>").empty());
}

TEST_F(DeviceFunctionTest, OlderElementsAreIgnoredWhenAnOptionTypeFormIsPresent) {
  EXPECT_EQ(optionTypesOf("<OptionTypes><OptionType>5</OptionType></OptionTypes><Quorl>true</Quorl>"
                          "<Turnel>true</Turnel><TurnelSize>600</TurnelSize>"),
            (std::vector<int>{5}));
  EXPECT_EQ(optionTypesOf("<OptionType>3</OptionType><Quorl>true</Quorl>"), (std::vector<int>{3}));
  // An empty container holds no option type: the older elements apply.
  EXPECT_EQ(optionTypesOf("<OptionTypes/><Quorl>true</Quorl>"), (std::vector<int>{2}));
}

TEST_F(DeviceFunctionTest, TurnelSizeAloneIsNotCountedAndABadTurnelFails) {
  EXPECT_FALSE(param.readParamData(deviceText("<TurnelSize>600</TurnelSize>")));
  EXPECT_FALSE(param.readParamData(deviceText("<Turnel>yes</Turnel>")));
  EXPECT_TRUE(log.contains(kLogError, "It is not a Boolean value."));
}

// ---- raising older versions ------------------------------------------------

TEST_F(DeviceFunctionTest, Version102IsRaisedStepByStep) {
  ASSERT_TRUE(param.readParamData(paramText("device_v102.xml")));
  EXPECT_EQ(param.getParamVersion(), "1.15");
  EXPECT_TRUE(param.colorPattern);  // follows MarginBeforePrint
  EXPECT_TRUE(param.turnelGloss);   // DefaultTurnel 2 and MarginLr 0
  EXPECT_EQ(param.inkRemainingUnit, 0);
  EXPECT_FALSE(param.jobInfoSetting);
  EXPECT_FALSE(param.uvIrradiationKvn6);
  EXPECT_EQ(param.headResolution, 0);
  EXPECT_FALSE(param.uvLampPositionChange);
  EXPECT_EQ(param.inkThresholdValue, 2);  // the file said 5
  EXPECT_FALSE(param.rePrint);
  EXPECT_TRUE(param.nonTurnelHSCompatibleResolutions.empty());
  EXPECT_FALSE(param.silveringReduction);
  // Untouched by the steps.
  EXPECT_TRUE(param.pullBack);
  EXPECT_EQ(param.optionTypes, (std::vector<int>{2, 4}));
}

TEST_F(DeviceFunctionTest, Below103ColorPatternAndTurnelGlossAreDerived) {
  load(
      "<MarginBeforePrint>false</MarginBeforePrint><ColorPattern>true</ColorPattern>"
      "<DefaultTurnel>1</DefaultTurnel><MarginLr>1.5</MarginLr><TurnelGloss>true</TurnelGloss>",
      "1.00");
  EXPECT_FALSE(param.colorPattern);
  EXPECT_FALSE(param.turnelGloss);  // margin not 0
  load("<DefaultTurnel>0</DefaultTurnel><TurnelGloss>true</TurnelGloss>", "1.02");
  EXPECT_FALSE(param.turnelGloss);  // no default Turnel
}

TEST_F(DeviceFunctionTest, EachStepRunsOnlyBelowItsThreshold) {
  struct Case {
    const char* version;
    bool s103, s107, s108, s109, s111, s115;
  };
  const Case cases[] = {
      {"1.02", true, true, true, true, true, true},
      {"1.03", false, true, true, true, true, true},
      {"1.07", false, false, true, true, true, true},
      {"1.08", false, false, false, true, true, true},
      {"1.09", false, false, false, false, true, true},
      {"1.10", false, false, false, false, true, true},
      {"1.11", false, false, false, false, false, true},
      {"1.14", false, false, false, false, false, true},
      {"1.15", false, false, false, false, false, false},
      {"2.00", false, false, false, false, false, false},
  };
  const std::string body =
      "<MarginBeforePrint>true</MarginBeforePrint><ColorPattern>false</ColorPattern>"
      "<InkRemainingUnit>3</InkRemainingUnit><HeadResolution>600</HeadResolution>"
      "<InkThresholdValue>5</InkThresholdValue><RePrint>true</RePrint>"
      "<NonTurnelHSCompatibleResolutions><NonTurnelHSCompatibleResolution>720x1440"
      "</NonTurnelHSCompatibleResolution></NonTurnelHSCompatibleResolutions>"
      "<SilveringReduction>true</SilveringReduction>";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    load(body, c.version);
    EXPECT_EQ(param.getParamVersion(), std::string(c.version) == "2.00" ? "2.00" : "1.15");
    EXPECT_EQ(param.colorPattern, c.s103);
    EXPECT_EQ(param.inkRemainingUnit, c.s107 ? 0 : 3);
    EXPECT_EQ(param.headResolution, c.s108 ? 0 : 600);
    EXPECT_EQ(param.inkThresholdValue, c.s108 ? 2 : 5);
    EXPECT_EQ(param.rePrint, !c.s109);
    EXPECT_EQ(param.nonTurnelHSCompatibleResolutions.empty(), c.s111);
    EXPECT_EQ(param.silveringReduction, !c.s115);
  }
}

TEST_F(DeviceFunctionTest, RaisedFileIsWrittenBack) {
  const Defines onDisk = definesOf(fileAfterReading(param, paramText("device_v102.xml")));
  EXPECT_EQ(valueIn(onDisk, "DeviceFunction.ParamVersion"), "1.15");
  EXPECT_EQ(valueIn(onDisk, "DeviceFunction.InkThresholdValue"), "2");
  EXPECT_EQ(onDisk, definesOf(writtenText(param)));
}

TEST_F(DeviceFunctionTest, CurrentFileIsNotWrittenBack) {
  const std::string text = deviceText("<PullBack>true</PullBack><Quorl>true</Quorl>");
  EXPECT_EQ(fileAfterReading(param, text), text);
}

// ---- failures ----------------------------------------------------------------

TEST_F(DeviceFunctionTest, BadBoolFailsAndKeepsTheFieldsReadBeforeIt) {
  EXPECT_FALSE(param.readParamData(deviceText(
      "<PullBack>true</PullBack><AdsorbFan>4</AdsorbFan><MaxScanPauseTime>2.5</MaxScanPauseTime>"
      "<UseHeadUnit>yes</UseHeadUnit><HeaterStandby>true</HeaterStandby>")));
  EXPECT_TRUE(log.contains(kLogError, "It is not a Boolean value."));
  EXPECT_TRUE(param.pullBack);
  EXPECT_EQ(param.adsorbFan, 4);
  EXPECT_DOUBLE_EQ(param.maxScanPauseTime, 2.5);
  EXPECT_FALSE(param.useHeadUnit);
  EXPECT_FALSE(param.heaterStandby);  // after the bad one: default
}

TEST_F(DeviceFunctionTest, BadNumbersFail) {
  EXPECT_FALSE(param.readParamData(deviceText("<AdsorbFan>abc</AdsorbFan>")));
  EXPECT_TRUE(log.contains(kLogError, "stoi"));
  EXPECT_FALSE(param.readParamData(deviceText("<OptionType>3,x</OptionType>")));
  EXPECT_FALSE(param.readParamData(
      deviceText("<NotAvailableInkByColorReplace>1,,2</NotAvailableInkByColorReplace>")));
}

TEST_F(DeviceFunctionTest, FileWithoutAnyElementIsNotRead) {
  EXPECT_FALSE(param.readParamData(deviceText("<Unknown>1</Unknown>")));
  EXPECT_FALSE(param.readParamData("<Other><PullBack>true</PullBack></Other>"));
  EXPECT_FALSE(param.pullBack);
  EXPECT_FALSE(param.readParamData("<DeviceFunction><PullBack>true</DeviceFunction>"));
  EXPECT_FALSE(param.readParamData(""));
}

TEST_F(DeviceFunctionTest, DeleteForgetsPathAndValues) {
  ScratchDir dir;
  ASSERT_TRUE(param.readParam(paramFile("device_full.xml")));
  ASSERT_TRUE(param.writeParam(dir.file("device.xml")));
  ASSERT_TRUE(param.deleteParam());
  EXPECT_TRUE(param.getFilePath().empty());
  EXPECT_FALSE(param.pullBack);
  EXPECT_EQ(param.inkSlotCount, 8);
  EXPECT_FALSE(boost::filesystem::exists(dir.file("device.xml")));
}
