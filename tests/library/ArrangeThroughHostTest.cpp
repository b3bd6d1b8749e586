// Job-position arrangements as a host runs them: jobs in, one execution,
// every job's text back with its arrangement.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

const char* kExamples[] = {"banner_roll.ini", "poster_two_pages.ini", "stickers_old.ini",
                           "label_rotated.ini"};

class HostArrangement : public ::testing::Test {
 protected:
  void SetUp() override { p = CreateInstance(); }
  void TearDown() override { disposeInstance(p); }

  void addExamples() {
    for (const char* name : kExamples) addJob(p, exampleJob(name).c_str());
  }

  std::vector<std::string> texts() {
    std::vector<std::string> out;
    int count = 0;
    if (!getAlignmentJobCount(p, &count)) return out;
    for (int i = 0; i < count; ++i) {
      uint64_t size = 0;
      getAlignmentJobSize(p, i, &size);
      std::string text(size, '\0');
      copyAlignmentJobParam(p, text.data(), size);
      out.push_back(text);
    }
    return out;
  }

  void* p = nullptr;
  LogCapture log;
};

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(HostArrangement, EveryCompositeKindArrangesTheExamples) {
  const std::pair<int, const char*> kinds[] = {{0, "Sequential"}, {1, "MinimumSize"},
                                               {2, "NoRotation"},  {3, "NoAutoRotation"},
                                               {5, "TwinRoll"},    {9, "Sequential"},
                                               {10, "MinimumSize"}, {11, "MinimumSize"}};
  for (const auto& kind : kinds) {
    clearJob(p);
    addExamples();
    ASSERT_TRUE(init(p, kind.first, 5, 5, false, 1600, -1, 800, 790));
    double x = -1, y = -1, w = -1, h = -1;
    ASSERT_TRUE(alignmentJobPositionExec(p, &x, &y, &w, &h, 0))
        << kind.first << (log.records(13).empty() ? "" : log.records(13).back().message);
    EXPECT_GT(w, 0) << kind.first;
    EXPECT_GT(h, 0) << kind.first;
    for (const std::string& text : texts()) {
      EXPECT_TRUE(has(text, "[Arrange1]\n")) << kind.first;
      EXPECT_TRUE(has(text, std::string("arrangePolicy=\"") + kind.second + "\"\n")) << kind.first;
      EXPECT_TRUE(has(text, "zOrder=")) << kind.first;
      EXPECT_TRUE(has(text, "duplicateMarginScan=5.000000\n")) << kind.first;
    }
  }
  for (const auto& r : log.records(13)) ADD_FAILURE() << r.message;
}

TEST_F(HostArrangement, TheRectangleOfSheetOneIsHandedBack) {
  addJob(p, "[Job]\nJobID=\"A\"\n[Composite]\nscale=100,50\nduplicateCount=3\n");
  ASSERT_TRUE(init(p, 1, 10, 10, false, 250, -1, 0, 0));
  double x = -1, y = -1, w = -1, h = -1;
  ASSERT_TRUE(alignmentJobPositionExec(p, &x, &y, &w, &h, 0));
  // Minimum size with automatic rotation: 100 x 50 entries do not turn on a
  // 250 wide area; two side by side (0 and 110), the third below at y 60.
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);
  EXPECT_EQ(w, 210.0);
  EXPECT_EQ(h, 110.0);
  EXPECT_TRUE(alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0));
}

TEST_F(HostArrangement, KindsWithoutAComposieArrangerAnswerAsTheyShould) {
  addExamples();
  const auto before = texts();
  double w = -1;
  ASSERT_TRUE(init(p, 13, 0, 0, false, 1600, -1, 0, 0));
  EXPECT_TRUE(alignmentJobPositionExec(p, nullptr, nullptr, &w, nullptr, 0));
  EXPECT_EQ(w, 0.0);
  EXPECT_EQ(texts(), before);

  ASSERT_TRUE(init(p, 4, 0, 0, false, 1600, -1, 0, 0));
  w = -1;
  EXPECT_FALSE(alignmentJobPositionExec(p, nullptr, nullptr, &w, nullptr, 0));
  EXPECT_EQ(w, -1.0);
  EXPECT_TRUE(log.contains(13, "arrangement kind 4 (FotobaMark) is not available"));
  EXPECT_EQ(texts(), before);
}

TEST_F(HostArrangement, HostileJobsAreRefusedAndLeaveTheJobsUntouched) {
  addJob(p, "[Job]\nJobID=\"Many\"\n[Composite]\nscale=10,10\nduplicateCount=100001\n");
  addJob(p, "[Job]\nJobID=\"Fine\"\n[Composite]\nscale=10,10\n");
  const auto before = texts();
  ASSERT_TRUE(init(p, 1, 0, 0, false, 1600, -1, 0, 0));
  EXPECT_FALSE(alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_TRUE(log.contains(13, "more than 100000 units"));
  EXPECT_EQ(texts(), before);

  // Within the run's limit but beyond what the minimum-size placement takes.
  clearJob(p);
  addJob(p, "[Job]\nJobID=\"Copies\"\n[Composite]\nscale=10,10\nduplicateCount=100000\n");
  EXPECT_FALSE(alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_TRUE(log.contains(13, "places at most 5000 units in one run (the jobs make 100000)"));
  ASSERT_TRUE(init(p, 0, 0, 0, false, 1600, -1, 0, 0));  // the sequential kind takes them
  EXPECT_TRUE(alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0));

  clearJob(p);
  addJob(p, "[Job]\nJobID=\"NoComposite\"\n");
  EXPECT_FALSE(alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_TRUE(log.contains(13, "job NoComposite: unit"));
}

TEST_F(HostArrangement, NoRoomStillTerminates) {
  addJob(p, "[Job]\nJobID=\"A\"\n[Composite]\nscale=100,50\nduplicateCount=3\n");
  for (int kind : {0, 1, 2, 3, 5}) {
    for (double width : {0.0, 1600.0}) {
      const double length = width == 0.0 ? -1 : 0.0;
      ASSERT_TRUE(init(p, kind, 0, 0, false, width, length, 0, 0));
      EXPECT_TRUE(alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0)) << kind;
    }
  }
}
