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

TEST_F(DeviceFunctionTest, NewObjectAndSparseFileWriteEveryElementWithItsDefault) {
  EXPECT_EQ(param.getParamVersion(), "1.15");
  EXPECT_EQ(definesOf(writtenText(param)), definesOfFile("device_defaults.xml"));

  ASSERT_TRUE(param.readParamData("<DeviceFunction><PullBack>true</PullBack></DeviceFunction>"));
  EXPECT_EQ(param.getParamVersion(), "1.15");  // no version element: nothing raised
  Defines expected = definesOfFile("device_defaults.xml");
  for (auto& d : expected)
    if (d.first == "DeviceFunction.PullBack") d.second = "true";
  EXPECT_EQ(definesOf(writtenText(param)), expected);

  ASSERT_TRUE(param.readParam(paramFile("device_full.xml")));
  param.initParam();  // every field back to its default
  EXPECT_EQ(definesOf(writtenText(param)), definesOfFile("device_defaults.xml"));
}

// ---- full file ---------------------------------------------------------------

// In device_full.xml an int element holds its row number n in the element
// list (PullBack is 2), a double n + 0.25, a text "Name<n>", an item list
// three items and a ","-joined list three entries; every bool is the
// opposite of its default. A field bound to a neighbour's element shows.
TEST_F(DeviceFunctionTest, FullFileFillsEachFieldFromItsOwnElement) {
  ASSERT_TRUE(param.readParam(paramFile("device_full.xml")));
  EXPECT_EQ((std::vector<int>{param.adsorbFan, param.cutPressureMax, param.xYSlitterGuidePass,
                              param.inkThresholdValue}),
            (std::vector<int>{7, 146, 204, 218}));
  EXPECT_EQ((std::vector<double>{param.maxScanPauseTime, param.cutStepSize,
                                 param.xySlitterMarkSize}),
            (std::vector<double>{9.25, 160.25, 179.25}));
  EXPECT_EQ((std::vector<bool>{param.pullBack, param.queryCommand_JigOption,
                               param.waveFormSelection, param.mediaTension}),
            (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ((std::vector<std::string>{param.nameKeyPreHeater, param.nameKeyExtHeater,
                                      param.heaterSwitchModelSize}),
            (std::vector<std::string>{"Name51 & Co", "Name69", "Name233"}));
  EXPECT_EQ(param.cutTools, (std::vector<std::string>{"B142", "A142", "C142"}));
  EXPECT_EQ(param.headsUpGloss, (std::vector<std::string>{"Z166", "X166", "Y166"}));
  EXPECT_EQ(param.notAvailableInkByColorReplace, (std::vector<int>{176, 4, -6}));
  EXPECT_EQ(param.optionTypes, (std::vector<int>{181, 2, 81}));
  EXPECT_EQ(param.defaultHeaterKinds, (std::vector<std::string>{"B235", "A235", "C235"}));
}

// Every value and the order of every list as in the source, in a copy too.
TEST_F(DeviceFunctionTest, FullFileIsWrittenBackAsReadByACopyToo) {
  expectWrittenBackAsRead<DeviceFunctionParam>("device_full.xml");
  ASSERT_TRUE(param.readParam(paramFile("device_full.xml")));
  const DeviceFunctionParam copy = param;
  param.initParam();
  EXPECT_EQ(writtenText(copy), paramText("device_full.xml"));
}

// ---- lists -------------------------------------------------------------------

TEST_F(DeviceFunctionTest, ListsAreReadInFileOrderInEitherFormAndWrittenJoined) {
  load(
      "<OptionTypes><OptionType>5</OptionType><OptionType>3</OptionType></OptionTypes>"
      "<CutTool>Knife,Pen</CutTool>"  // one joined item element
      "<HeadsUpGloss>G1,G2</HeadsUpGloss>"
      "<NotAvailableInkByColorReplace>3,7,11</NotAvailableInkByColorReplace>");
  EXPECT_EQ(param.optionTypes, (std::vector<int>{5, 3}));
  EXPECT_EQ(param.cutTools, (std::vector<std::string>{"Knife", "Pen"}));
  EXPECT_EQ(param.headsUpGloss, (std::vector<std::string>{"G1", "G2"}));
  EXPECT_EQ(param.notAvailableInkByColorReplace, (std::vector<int>{3, 7, 11}));

  const Defines written = definesOf(writtenText(param));
  EXPECT_EQ(valueIn(written, "DeviceFunction.HeadsUpGloss"), "G1,G2");
  EXPECT_EQ(valueIn(written, "DeviceFunction.NotAvailableInkByColorReplace"), "3,7,11");

  load("<CutTools><CutTool>Pen</CutTool><CutTool>Knife</CutTool></CutTools>"
       "<HeadsUpGloss></HeadsUpGloss>");
  EXPECT_EQ(param.cutTools, (std::vector<std::string>{"Pen", "Knife"}));
  EXPECT_TRUE(param.headsUpGloss.empty());
}

// ---- option types of older files ------------------------------------------

// The list forms first (the joined element preferred), else Quorl true for
// 2 and Turnel true with the first matching TurnelSize.
TEST_F(DeviceFunctionTest, OptionTypesComeFromTheListOrFromTheOlderElements) {
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"<OptionTypes><OptionType>4</OptionType></OptionTypes><OptionType>3,5</OptionType>",
       {3, 5}},
      {"<Turnel>true</Turnel><TurnelSize>600</TurnelSize>", {4}},
      {"<Turnel>true</Turnel><TurnelSize>300</TurnelSize>", {3}},
      {"<Turnel>true</Turnel><TurnelSize>450</TurnelSize>", {}},
      {"<Turnel>true</Turnel>", {}},
      {"<Turnel>false</Turnel><TurnelSize>600</TurnelSize>", {}},
      {"<Turnel>true</Turnel><TurnelSize>600</TurnelSize><Quorl>true</Quorl>", {2, 4}},
      {"<Quorl>false</Quorl>", {}},  // found, so the file counts as read
      {"<OptionTypes><OptionType>5</OptionType></OptionTypes><Quorl>true</Quorl>"
       "<Turnel>true</Turnel><TurnelSize>600</TurnelSize>",
       {5}},
      {"<OptionType>3</OptionType><Quorl>true</Quorl>", {3}},
      {"<OptionTypes/><Quorl>true</Quorl>", {2}},  // an empty container holds none
  };
  for (const auto& c : cases) EXPECT_EQ(optionTypesOf(c.first), c.second) << c.first;

  EXPECT_FALSE(param.readParamData(deviceText("<TurnelSize>600</TurnelSize>")));  // not counted
  EXPECT_FALSE(param.readParamData(deviceText("<Turnel>yes</Turnel>")));
  EXPECT_TRUE(log.contains(kLogError, "It is not a Boolean value."));
}

// ---- raising older versions ------------------------------------------------

TEST_F(DeviceFunctionTest, Version102IsRaisedStepByStep) {
  ASSERT_TRUE(param.readParamData(paramText("device_v102.xml")));
  EXPECT_EQ(param.getParamVersion(), "1.15");
  EXPECT_TRUE(param.colorPattern);  // follows MarginBeforePrint
  EXPECT_TRUE(param.turnelGloss);   // DefaultTurnel 2 and MarginLr 0
  EXPECT_EQ((std::vector<bool>{param.jobInfoSetting, param.uvIrradiationKvn6,
                               param.uvLampPositionChange, param.rePrint,
                               param.silveringReduction}),
            std::vector<bool>(5, false));
  // The file said 5 for the threshold.
  EXPECT_EQ((std::vector<int>{param.inkRemainingUnit, param.headResolution,
                              param.inkThresholdValue}),
            (std::vector<int>{0, 0, 2}));
  EXPECT_TRUE(param.nonTurnelHSCompatibleResolutions.empty());
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
  // The file's version and which of the steps 1.03 1.07 1.08 1.09 1.11
  // and 1.15 run.
  const std::pair<std::string, std::string> cases[] = {
      {"1.02", "111111"}, {"1.03", "011111"}, {"1.07", "001111"}, {"1.08", "000111"},
      {"1.09", "000011"}, {"1.10", "000011"}, {"1.11", "000001"}, {"1.14", "000001"},
      {"1.15", "000000"}, {"2.00", "000000"}};
  const std::string body =
      "<MarginBeforePrint>true</MarginBeforePrint><ColorPattern>false</ColorPattern>"
      "<InkRemainingUnit>3</InkRemainingUnit><HeadResolution>600</HeadResolution>"
      "<InkThresholdValue>5</InkThresholdValue><RePrint>true</RePrint>"
      "<NonTurnelHSCompatibleResolutions><NonTurnelHSCompatibleResolution>720x1440"
      "</NonTurnelHSCompatibleResolution></NonTurnelHSCompatibleResolutions>"
      "<SilveringReduction>true</SilveringReduction>";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    load(body, c.first);
    auto ran = [&](size_t step) { return c.second[step] == '1'; };
    EXPECT_EQ(param.getParamVersion(), c.first == "2.00" ? "2.00" : "1.15");
    EXPECT_EQ(param.colorPattern, ran(0));
    EXPECT_EQ(param.inkRemainingUnit, ran(1) ? 0 : 3);
    EXPECT_EQ(param.headResolution, ran(2) ? 0 : 600);
    EXPECT_EQ(param.inkThresholdValue, ran(2) ? 2 : 5);
    EXPECT_EQ(param.rePrint, !ran(3));
    EXPECT_EQ(param.nonTurnelHSCompatibleResolutions.empty(), ran(4));
    EXPECT_EQ(param.silveringReduction, !ran(5));
  }
}

TEST_F(DeviceFunctionTest, OnlyARaisedFileIsWrittenBack) {
  const Defines onDisk = definesOf(fileAfterReading(param, paramText("device_v102.xml")));
  EXPECT_EQ(valueIn(onDisk, "DeviceFunction.ParamVersion"), "1.15");
  EXPECT_EQ(onDisk, definesOf(writtenText(param)));

  const std::string current = deviceText("<PullBack>true</PullBack><Quorl>true</Quorl>");
  EXPECT_EQ(fileAfterReading(param, current), current);
}

// ---- failures ----------------------------------------------------------------

TEST_F(DeviceFunctionTest, BadValueFailsAndKeepsTheFieldsReadBeforeIt) {
  EXPECT_FALSE(param.readParamData(deviceText(
      "<PullBack>true</PullBack><AdsorbFan>4</AdsorbFan>"
      "<UseHeadUnit>yes</UseHeadUnit><HeaterStandby>true</HeaterStandby>")));
  EXPECT_TRUE(log.contains(kLogError, "It is not a Boolean value."));
  EXPECT_TRUE(param.pullBack);
  EXPECT_EQ(param.adsorbFan, 4);
  EXPECT_FALSE(param.heaterStandby);  // after the bad one: default

  for (const char* body : {"<AdsorbFan>abc</AdsorbFan>", "<OptionType>3,x</OptionType>",
                           "<NotAvailableInkByColorReplace>1,,2</NotAvailableInkByColorReplace>"})
    EXPECT_FALSE(param.readParamData(deviceText(body))) << body;
  EXPECT_TRUE(log.contains(kLogError, "invalid stoi argument"));

  // No element of the file found: not read.
  EXPECT_FALSE(param.readParamData(deviceText("<Unknown>1</Unknown>")));
  EXPECT_FALSE(param.readParamData("<Other><PullBack>true</PullBack></Other>"));
  EXPECT_FALSE(param.pullBack);
  EXPECT_FALSE(param.readParamData("<DeviceFunction><PullBack>true</DeviceFunction>"));
}
