// Separate instances on separate threads at once, as a host with several
// print queues uses the library: each thread makes its own instance, and
// all start together at the barrier, so their first calls into the library
// (the logger's first record among them) meet. Nothing is called before the
// threads start, so the first use of everything shared happens on them.
// Every thread must get what one instance alone gets. Run under
// ThreadSanitizer by scripts/run-sanitized-tests.sh thread.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 3;

struct Result {
  bool arranged = false;
  double rect[4] = {0, 0, 0, 0};
  std::vector<std::string> texts;
  bool clearedEmpty = false;
};

// Lets every thread through at once when the last one arrives.
class StartLine {
 public:
  void wait() {
    std::unique_lock<std::mutex> hold(lock_);
    if (++arrived_ == kThreads) open_.notify_all();
    else open_.wait(hold, [&] { return arrived_ == kThreads; });
  }

 private:
  std::mutex lock_;
  std::condition_variable open_;
  int arrived_ = 0;
};

// Kind 1 (minimum size) with the example jobs on a 1600 mm roll, the jobs
// read back, then cleared; the last round's result is kept.
Result arrangeRounds(const std::vector<std::string>& jobs) {
  Result result;
  void* p = CreateInstance();
  if (p == nullptr) return result;
  for (int round = 0; round < kRounds; ++round) {
    init(p, 1, 5, 5, false, 1600, -1, 0, 0);
    for (const std::string& job : jobs) addJob(p, job.c_str());
    result.arranged = alignmentJobPositionExec(p, &result.rect[0], &result.rect[1],
                                               &result.rect[2], &result.rect[3], 0);
    result.texts.clear();
    int count = 0;
    getAlignmentJobCount(p, &count);
    for (int i = 0; i < count; ++i) {
      uint64_t size = 0;
      std::string text;
      if (getAlignmentJobSize(p, i, &size)) text.resize(size);
      if (copyAlignmentJobParam(p, text.data(), size)) result.texts.push_back(text);
    }
    clearJob(p);
    result.clearedEmpty = !getAlignmentJobCount(p, &count);
  }
  disposeInstance(p);
  return result;
}

}  // namespace

TEST(ThreadedInstances, ArrangeReadBackAndClearAtOnceAsOneInstanceAlone) {
  std::vector<std::string> jobs;
  for (const char* name : {"banner_roll.ini", "label_rotated.ini", "poster_two_pages.ini",
                           "stickers_old.ini"})
    jobs.push_back(exampleJob(name));
  StartLine start;
  std::vector<Result> results(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      start.wait();
      results[t] = arrangeRounds(jobs);
    });
  for (std::thread& thread : threads) thread.join();

  const Result alone = arrangeRounds(jobs);
  ASSERT_TRUE(alone.arranged);
  ASSERT_EQ(alone.texts.size(), jobs.size());
  EXPECT_GT(alone.rect[3], 0.0);
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_TRUE(results[t].arranged) << "thread " << t;
    EXPECT_TRUE(results[t].clearedEmpty) << "thread " << t;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(results[t].rect[i], alone.rect[i]) << "thread " << t;
    EXPECT_EQ(results[t].texts, alone.texts) << "thread " << t;
  }
}
