// The parameter operations of an instance: what they keep, replace and
// forget, and that bad texts leave the instance working.
#include <gtest/gtest.h>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"
#include "unitCmnAlignmentJobPositionUnmng/AlignmentJobPositionDll.h"

namespace {

class Parameters : public ::testing::Test {
 protected:
  void SetUp() override {
    p = CreateInstance();
    self = static_cast<AlignmentJobPositionDll*>(p);
  }
  void TearDown() override { disposeInstance(p); }
  void* p = nullptr;
  AlignmentJobPositionDll* self = nullptr;
  LogCapture log;
};

}  // namespace

TEST_F(Parameters, DeviceFunctionsAreReplacedAndCleared) {
  addDeviceFunctionParam(p, "<DeviceFunction><PullBack>true</PullBack></DeviceFunction>");
  EXPECT_TRUE(self->deviceFunction().pullBack);
  EXPECT_EQ(self->deviceFunction().cutPressureMax, 450);
  addDeviceFunctionParam(p, "<DeviceFunction><CutPressureMax>300</CutPressureMax></DeviceFunction>");
  EXPECT_FALSE(self->deviceFunction().pullBack);  // a new read starts from defaults
  EXPECT_EQ(self->deviceFunction().cutPressureMax, 300);
  clearDeviceFunctionParam(p);
  EXPECT_EQ(self->deviceFunction().cutPressureMax, 450);
  EXPECT_EQ(self->deviceFunction().getParamVersion(), "1.15");
}

TEST_F(Parameters, MalformedXmlIsLoggedAndTheInstanceGoesOn) {
  addDeviceFunctionParam(p, "<DeviceFunction><PullBack>true</Pull");
  EXPECT_TRUE(log.contains(13, "Comment :"));
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  addDeviceFunctionParam(p, deep.c_str());
  EXPECT_TRUE(log.contains(13, "XML nesting exceeds the limit of 256 levels"));
  InitJigParam(p, "not xml at all");
  addDeviceFunctionParam(p, "<DeviceFunction><PullBack>true</PullBack></DeviceFunction>");
  EXPECT_TRUE(self->deviceFunction().pullBack);
}

TEST_F(Parameters, VariableDataIsKeptByKey) {
  addVariableDataPrintingParam(p, "first", dataText("params/vdp_full.xml").c_str());
  addVariableDataPrintingParam(p, "second", dataText("params/vdp_full.xml").c_str());
  addVariableDataPrintingParam(p, "first", "<VariableDataInfo/>");  // replaces
  addVariableDataPrintingParam(p, nullptr, "<VariableDataInfo/>");   // refused, logged
  ASSERT_EQ(self->variableData().size(), 2u);
  EXPECT_TRUE(log.contains(13, "the key of the variable data is null"));
  clearVariableDataPrintingParam(p);
  EXPECT_TRUE(self->variableData().empty());
}

TEST_F(Parameters, OptiScoutAndJigReplaceEarlierOnes) {
  EXPECT_EQ(self->optiScout(), nullptr);
  InitOptiScoutCutConditionParam(p, dataText("params/optiscout_full.xml").c_str());
  const auto* first = self->optiScout();
  ASSERT_NE(first, nullptr);
  InitOptiScoutCutConditionParam(p, dataText("params/optiscout_defaults.xml").c_str());
  ASSERT_NE(self->optiScout(), nullptr);
  InitJigParam(p, dataText("params/jig_full.xml").c_str());
  ASSERT_NE(self->jig(), nullptr);
  EXPECT_EQ(self->jig()->fileName, "Phone case 2x2");
  InitJigParam(p, "<Jig><FileName>other</FileName></Jig>");  // no IsDefault: read fails
  ASSERT_NE(self->jig(), nullptr);
  // The read answers false (no IsDefault) but the jig holds what it read.
  EXPECT_EQ(self->jig()->fileName, "other");
}
