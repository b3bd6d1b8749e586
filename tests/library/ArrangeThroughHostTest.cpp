// Job-position arrangements as a host runs them on the example jobs and
// without room; the hand-counted layouts are the cases of ArrangeCorpusTest.
#include <gtest/gtest.h>

#include <string>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

class HostArrangement : public ::testing::Test {
 protected:
  void SetUp() override { p = CreateInstance(); }
  void TearDown() override { disposeInstance(p); }

  // Whether the text of every job holds text.
  bool everyJobHolds(const std::string& text) {
    int count = 0;
    EXPECT_TRUE(getAlignmentJobCount(p, &count));
    for (int i = 0; i < count; ++i) {
      uint64_t size = 0;
      getAlignmentJobSize(p, i, &size);
      std::string job(size, '\0');
      copyAlignmentJobParam(p, job.data(), size);
      if (job.find(text) == std::string::npos) return false;
    }
    return count > 0;
  }

  void* p = nullptr;
  LogCapture log;
};

}  // namespace

TEST_F(HostArrangement, EveryCompositeKindArrangesTheExamples) {
  const std::pair<int, const char*> kinds[] = {
      {0, "Sequential"}, {1, "MinimumSize"}, {2, "NoRotation"}, {3, "NoAutoRotation"},
      {5, "TwinRoll"},   {9, "Sequential"},  {10, "MinimumSize"}, {11, "MinimumSize"}};
  for (const auto& kind : kinds) {
    clearJob(p);
    for (const char* name : {"banner_roll.ini", "poster_two_pages.ini", "stickers_old.ini",
                             "label_rotated.ini"})
      addJob(p, exampleJob(name).c_str());
    ASSERT_TRUE(init(p, kind.first, 5, 5, false, 1600, -1, 800, 790));
    double w = -1, h = -1;
    ASSERT_TRUE(alignmentJobPositionExec(p, nullptr, nullptr, &w, &h, 0)) << kind.first;
    EXPECT_GT(w, 0) << kind.first;
    EXPECT_GT(h, 0) << kind.first;
    EXPECT_TRUE(everyJobHolds(std::string("arrangePolicy=\"") + kind.second + "\"\n"))
        << kind.first;
  }
  for (const auto& r : log.records(13)) ADD_FAILURE() << r.message;
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
