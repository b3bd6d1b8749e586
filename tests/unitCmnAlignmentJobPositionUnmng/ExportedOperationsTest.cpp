// The exported operations of an instance with no jobs: false answers that
// leave the outputs alone, null texts and instances, missing executions.
#include <gtest/gtest.h>

#include <string>

#include "support/LogCapture.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

class Instance : public ::testing::Test {
 protected:
  void SetUp() override {
    p = CreateInstance();
    ASSERT_NE(p, nullptr);
    log.clear();
  }
  void TearDown() override { disposeInstance(p); }

  void* p = nullptr;
  LogCapture log;
};

}  // namespace

TEST_F(Instance, EmptyInstanceAnswersWithoutTouchingOutputs) {
  int count = 77;
  EXPECT_FALSE(getAlignmentJobCount(p, &count));
  EXPECT_EQ(count, 77);

  double x = 1, y = 2, w = 3, h = 4;
  EXPECT_FALSE(alignmentJobPositionExec(p, &x, &y, &w, &h, 0.0));
  EXPECT_EQ(x + y + w + h, 10.0);

  uint64_t size = 99;
  EXPECT_FALSE(getAlignmentJobSize(p, -1, &size));
  EXPECT_FALSE(getAlignmentJobSize(p, 0, &size));
  EXPECT_EQ(size, 99u);

  EXPECT_FALSE(alignmentTilingPositionExec(p, false, 0, false, false, 0, 0, 0));
  EXPECT_FALSE(alignmentGroupingJobPositionExec(p));
}

TEST_F(Instance, NullTextsDoNothing) {
  addJob(p, nullptr);
  addDeviceFunctionParam(p, nullptr);
  addVariableDataPrintingParam(p, "key", nullptr);
  InitOptiScoutCutConditionParam(p, nullptr);
  InitJigParam(p, nullptr);
  EXPECT_TRUE(log.records(13).empty());
  int count = 0;
  EXPECT_FALSE(getAlignmentJobCount(p, &count));
}

TEST(InstanceLifecycle, NullInstanceIsLoggedNotDereferenced) {
  LogCapture log;
  int count = 5;
  EXPECT_FALSE(getAlignmentJobCount(nullptr, &count));
  EXPECT_FALSE(init(nullptr, 0, 0, 0, false, 0, 0, 0, 0));
  EXPECT_FALSE(alignmentJobPositionExec(nullptr, nullptr, nullptr, nullptr, nullptr, 0));
  clearJob(nullptr);
  EXPECT_EQ(count, 5);
  EXPECT_TRUE(log.contains(13, "the instance pointer is null"));
}

TEST(InstanceLifecycle, XYSlitterWithoutJobsAnswersFalseAndWithoutPrimarySaysWhy) {
  LogCapture log;
  void* p = CreateInstance();
  EXPECT_FALSE(alignmentXYSlitterPositionExec(p, false, 0, 0, 600, -1, 0));
  EXPECT_TRUE(log.records(13).empty());
  addJob(p, "[Job]\nJobID=\"A\"\nPrimary=\"B\"\n[Composite]\nscale=10,10\n");
  EXPECT_FALSE(alignmentXYSlitterPositionExec(p, false, 0, 0, 600, -1, 0));
  EXPECT_TRUE(log.contains(13, "no job is the primary job"));
  disposeInstance(p);
}

TEST(InstanceLifecycle, JigRunWithoutItsTextsAnswersFalseWithAReason) {
  LogCapture log;
  void* p = CreateInstance();
  EXPECT_FALSE(alignmentJigPositionExec(p, nullptr, "P"));
  EXPECT_FALSE(alignmentJigPositionExec(p, "<Jig><IsDefault>true</IsDefault></Jig>", nullptr));
  EXPECT_EQ(log.records(13).size(), 2u);
  EXPECT_TRUE(log.contains(13, "the jig run needs the jig text and the target job"));
  disposeInstance(p);
}
