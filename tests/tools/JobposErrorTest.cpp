// jobpos refusals: one line naming the problem, the exit status, and no
// output written.
#include "JobposHarness.h"

using namespace jobpos_test;

namespace {


// arrange on the banner example into out/ and pic.svg, with kind, width
// and job file replaced as a case asks.
std::vector<std::string> arrangeArgs(const Scratch& s, const std::string& kind,
                                     const std::string& width, const std::string& job) {
  return {"arrange", "--kind", kind, "--width", width, "--length", "-1",
          "--out", (s.path / "out").string(), "--svg", (s.path / "pic.svg").string(), job};
}

}  // namespace

TEST(JobposErrors, RefusalsExitWithTheirStatusAndWriteNothing) {
  Scratch scratch;
  const std::string banner = examples()[0];
  const fs::path notIni = scratch.path / "notes.ini";
  writeFile(notIni, "Remember to order more vinyl.\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string message;
  } cases[] = {
      {arrangeArgs(scratch, "1", "1600", (scratch.path / "missing.ini").string()), 2,
       (scratch.path / "missing.ini").string() + ": no such file"},
      {arrangeArgs(scratch, "1", "1600", notIni.string()), 2,
       notIni.string() + " is not an INI job file: '=' character not found in line (line 1)"},
      {arrangeArgs(scratch, "31", "1600", banner), 2, "unknown kind 31"},
      {arrangeArgs(scratch, "1", "16OO", banner), 2, "--width: '16OO' is not a number"},
      {arrangeArgs(scratch, "4", "1600", banner), 1,
       "alignmentJobPositionExec answered false (see --log error for the reason)"},
  };
  for (const auto& c : cases) {
    const ToolRun run = runJobpos(c.args, scratch);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find("jobpos: " + c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(scratch.path / "out")) << c.message;
    EXPECT_FALSE(fs::exists(scratch.path / "pic.svg")) << c.message;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_EQ(run.err.find("jobpos log"), std::string::npos) << "no --log, no records";
  }
}

TEST(JobposErrors, LogErrorShowsTheLibrarysReason) {
  Scratch scratch;
  auto args = arrangeArgs(scratch, "4", "1600", examples()[0]);
  args.insert(args.begin() + 1, {"--log", "error"});
  const ToolRun run = runJobpos(args, scratch);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("jobpos log [error] "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("arrangement kind 4 (FotobaMark) is not available"), std::string::npos)
      << run.err;
  EXPECT_EQ(run.err.find("[info]"), std::string::npos) << "below the level asked for";
}
