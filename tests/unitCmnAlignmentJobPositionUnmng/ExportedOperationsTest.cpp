// The exported operations of an instance with no jobs: answers, argument
// checks and the entry/exit records a host sees.
#include <gtest/gtest.h>

#include <set>
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

  // Names of the operations that wrote an entry record since the last clear.
  std::set<std::string> entryOperations() const {
    std::set<std::string> names;
    for (const auto& r : log.records(10))
      if (r.inOutType == "-->") names.insert(operationName(r.currentFunction));
    return names;
  }

  static std::string operationName(const std::string& signature) {
    const auto open = signature.find('(');
    const auto colons = signature.rfind("::", open);
    return signature.substr(colons + 2, open - colons - 2);
  }

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

TEST_F(Instance, CopyNeedsTheExactSizeOfTheKeptText) {
  uint64_t size = 0;
  EXPECT_FALSE(getAlignmentJobSize(p, 0, &size));  // empties the kept text
  char buffer[4] = {'a', 'b', 'c', 'd'};
  EXPECT_FALSE(copyAlignmentJobParam(p, buffer, 1));
  EXPECT_EQ(std::string(buffer, 4), "abcd");
  EXPECT_TRUE(copyAlignmentJobParam(p, buffer, 0));
  EXPECT_TRUE(copyAlignmentJobParam(p, buffer, 0));  // the text stays
}

TEST_F(Instance, InitAnswersTrueAndMayBeRepeated) {
  EXPECT_TRUE(init(p, 1, 5.0, 6.0, true, 1000.0, -1.0, 0.0, 0.0));
  EXPECT_TRUE(init(p, 9, 0.0, 0.0, false, 0.0, 0.0, 0.0, 0.0));
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

TEST_F(Instance, EntryRecordsComeFromTheListedOperationsOnly) {
  int count;
  uint64_t size;
  char buffer[1];
  init(p, 0, 0, 0, false, 0, 0, 0, 0);
  addJob(p, nullptr);
  clearJob(p);
  alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0);
  getAlignmentJobCount(p, &count);
  getAlignmentJobSize(p, 0, &size);
  copyAlignmentJobParam(p, buffer, 0);
  alignmentTilingPositionExec(p, false, 0, false, false, 0, 0, 0);
  addDeviceFunctionParam(p, nullptr);
  clearDeviceFunctionParam(p);
  alignmentXYSlitterPositionExec(p, false, 0, 0, 0, 0, 0);
  addVariableDataPrintingParam(p, "k", nullptr);
  clearVariableDataPrintingParam(p);
  alignmentJigPositionExec(p, "", "");
  InitOptiScoutCutConditionParam(p, nullptr);
  InitJigParam(p, nullptr);
  alignmentGroupingJobPositionExec(p);

  const std::set<std::string> expected = {
      "init", "addJob", "clearJob", "addDeviceFunctionParam", "clearDeviceFunctionParam",
      "addVariableDataPrintingParam", "clearVariableDataPrintingParam",
      "alignmentJigPositionExec", "InitOptiScoutCutConditionParam", "InitJigParam"};
  EXPECT_EQ(entryOperations(), expected);

  // Every one of the seventeen calls left exactly one exit record.
  int exits = 0;
  for (const auto& r : log.records(10)) exits += r.inOutType == "<--";
  EXPECT_EQ(exits, 17);
}

TEST_F(Instance, ExitRecordsCarryBoolResults) {
  init(p, 0, 0, 0, false, 0, 0, 0, 0);
  int count;
  getAlignmentJobCount(p, &count);
  std::vector<std::string> exits;
  for (const auto& r : log.records(10))
    if (r.inOutType == "<--") exits.push_back(r.message);
  EXPECT_EQ(exits, (std::vector<std::string>{"1", "0"}));
}

TEST(InstanceLifecycle, CreateAndDisposeWriteEntryAndExitRecords) {
  LogCapture log;
  void* p = CreateInstance();
  ASSERT_NE(p, nullptr);
  disposeInstance(p);
  std::vector<std::string> kinds;
  for (const auto& r : log.records(10)) kinds.push_back(r.inOutType);
  EXPECT_EQ(kinds, (std::vector<std::string>{"-->", "<--", "-->", "<--"}));
}

TEST(InstanceLifecycle, NullInstanceIsLoggedNotDereferenced) {
  LogCapture log;
  int count = 5;
  EXPECT_FALSE(getAlignmentJobCount(nullptr, &count));
  EXPECT_FALSE(init(nullptr, 0, 0, 0, false, 0, 0, 0, 0));
  clearJob(nullptr);
  EXPECT_EQ(count, 5);
  EXPECT_TRUE(log.contains(13, "the instance pointer is null"));
}

TEST(InstanceLifecycle, OperationsOfLaterBuildsAnswerFalseWithAReason) {
  LogCapture log;
  void* p = CreateInstance();
  EXPECT_FALSE(alignmentXYSlitterPositionExec(p, false, 0, 0, 0, 0, 0));
  EXPECT_FALSE(alignmentJigPositionExec(p, "<Jig/>", ""));
  EXPECT_TRUE(log.contains(13, "not available in this build"));
  disposeInstance(p);
}
