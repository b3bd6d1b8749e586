// jobpos slitter and the cutter kinds' pictures: the tool hands the library
// the same jobs and media as a direct call, and draws the cut lines that
// separate the units (a guillotine layout of k units on a sheet needs
// k - 1 cuts).
#include "JobposHarness.h"

using namespace jobpos_test;

namespace {

std::vector<std::string> cutterJobs() {
  const std::string dir = std::string(UNITCMN_EXAMPLES) + "/cutters/";
  return {dir + "PANORAMA.ini", dir + "PHOTO-10x15.ini", dir + "PHOTO-20x30.ini",
          dir + "POSTER-30x40.ini", dir + "SQUARE-20.ini"};
}

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Every sheet of the picture cut apart by its drawn lines.
void expectCutApart(const std::string& svg) {
  int sheets = 0;
  const auto units = pictureUnits(svg, &sheets);
  ASSERT_FALSE(units.empty());
  EXPECT_EQ(count(svg, "class=\"cutter-cut\""), units.size() - static_cast<size_t>(sheets) + 1)
      << "one line is the legend's";
}

}  // namespace

TEST(JobposCutter, SlitterWritesWhatTheLibraryArrangesAndDrawsItsCuts) {
  ScratchDir scratch;
  const auto jobs = cutterJobs();
  std::vector<std::string> args{"slitter",          "--width", "914", "--length", "-1",
                                "--gap",            "3,3",     "--out", scratch.file("out"),
                                "--svg",            scratch.file("s.svg")};
  args.insert(args.end(), jobs.begin(), jobs.end());
  const ToolRun run = runJobpos(args, scratch);
  ASSERT_EQ(run.status, 0) << run.err;

  void* p = CreateInstance();
  for (const auto& f : jobs) addJob(p, readText(f).c_str());
  ASSERT_TRUE(alignmentXYSlitterPositionExec(p, false, 3, 3, 914, -1, 0));
  const auto expected = textsOf(p);
  disposeInstance(p);
  for (size_t i = 0; i < jobs.size(); ++i)
    EXPECT_EQ(readText(scratch.file("out/" + fileName(jobs[i]))), expected[i]) << jobs[i];
  expectCutApart(readText(scratch.file("s.svg")));
}

TEST(JobposCutter, FotobaKindIsDrawnWithItsCutsAndBadVariantsRefused) {
  ScratchDir scratch;
  const ToolRun run = runJobpos(
      arrangeArgs("4", "914", "-1", scratch.file("out"), scratch.file("f.svg"), cutterJobs()),
      scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  expectCutApart(readText(scratch.file("f.svg")));

  std::vector<std::string> bad{"slitter", "--width", "914", "--length", "-1", "--variant", "9",
                               "--out",   scratch.file("bad")};
  bad.push_back(cutterJobs()[0]);
  const ToolRun refused = runJobpos(bad, scratch);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("alignmentXYSlitterPositionExec answered false"), std::string::npos)
      << refused.err;
  EXPECT_FALSE(fs::exists(scratch.file("bad")));
}
