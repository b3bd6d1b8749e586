// jobpos refusals: one line naming the problem, the exit status, and no
// output written.
#include "JobposHarness.h"

using namespace jobpos_test;

namespace {

// arrange on the banner example into out/ and pic.svg, with kind, width
// and job file replaced as a case asks.
std::vector<std::string> args(const ScratchDir& s, const std::string& kind,
                              const std::string& width, const std::string& job) {
  return arrangeArgs(kind, width, "-1", s.file("out"), s.file("pic.svg"), {job});
}

}  // namespace

TEST(JobposErrors, RefusalsExitWithTheirStatusAndWriteNothing) {
  ScratchDir scratch;
  const std::string banner = examples()[0];
  const std::string notIni = scratch.put("notes.ini", "Remember to order more vinyl.\n");
  const std::vector<Refusal> cases = {
      {args(scratch, "1", "1600", scratch.file("missing.ini")), 2,
       scratch.file("missing.ini") + ": no such file"},
      {args(scratch, "1", "1600", notIni), 2,
       notIni + " is not an INI job file: '=' character not found in line (line 1)"},
      {args(scratch, "31", "1600", banner), 2, "unknown kind 31"},
      {args(scratch, "1", "16OO", banner), 2, "--width: '16OO' is not a number"},
      {args(scratch, "4", "10", banner), 1,
       "alignmentJobPositionExec answered false; the library's error record: "},
  };
  const std::vector<std::string> outputs = {scratch.file("out"), scratch.file("pic.svg")};
  for (const ToolRun& run : expectRefusals(cases, scratch, outputs)) {
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_EQ(run.err.find("jobpos log"), std::string::npos) << "no --log, no records";
  }
}

TEST(JobposErrors, LogErrorShowsTheLibrarysReason) {
  ScratchDir scratch;
  // Kind 4 on media 10 mm wide: the unit does not fit between the cuts.
  auto withLog = args(scratch, "4", "10", examples()[0]);
  withLog.insert(withLog.begin() + 1, {"--log", "error"});
  const ToolRun run = runJobpos(withLog, scratch);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("jobpos log [error] "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("does not fit the room the cutter leaves"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("[info]"), std::string::npos) << "below the level asked for";
}

TEST(JobposErrors, TileRefusalsExitWithTheirStatusAndWriteNothing) {
  ScratchDir scratch;
  const std::string mural = std::string(UNITCMN_EXAMPLES) + "/jobs/wall_mural_tiled.ini";
  auto tile = [&](const std::string& kind, const std::vector<std::string>& options,
                  const std::vector<std::string>& jobs) {
    std::vector<std::string> a = {"tile", "--kind", kind, "--width", "1600", "--length", "-1",
                                  "--out", scratch.file("out"), "--svg", scratch.file("pic.svg")};
    a.insert(a.end(), options.begin(), options.end());
    a.insert(a.end(), jobs.begin(), jobs.end());
    return a;
  };
  const std::vector<Refusal> cases = {
      {tile("1", {}, {mural}), 2, "tile takes the tiling kinds 6, 7 and 8, not 1"},
      {tile("6", {"--page-gap", "-5"}, {mural}), 2, "--page-gap must not be negative"},
      {tile("6", {"--pair-count", "2.5"}, {mural}), 2, "--pair-count: '2.5' is not a whole number"},
      {tile("6", {"--pair"}, {mural}), 2, "unknown option --pair"},
      {tile("6", {}, {mural, examples()[0]}), 2, "tile takes exactly one job file"},
      {tile("6", {}, {examples()[0]}), 1,
       "alignmentTilingPositionExec answered false: " + examples()[0] +
           " is not a tiled job (its Composite \"tiling\" is not true)"},
  };
  expectRefusals(cases, scratch, {scratch.file("out"), scratch.file("pic.svg")});
  const ToolRun help = runJobpos({"tile", "--help"}, scratch);
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: jobpos tile", 0), 0u) << help.out;
}
