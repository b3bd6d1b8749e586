// jobpos slitter and the cutter kinds' pictures: the tool hands the library
// the same jobs and media as a direct call, and draws the cut lines that
// separate the units (a guillotine layout of k units on a sheet needs
// k - 1 cuts).
#include <boost/property_tree/json_parser.hpp>

#include "JobposHarness.h"

using namespace jobpos_test;
namespace pt = boost::property_tree;

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

// The layout check passes every cutter layout of the examples, and the
// JSON (on stdout) counts every unit the written jobs list.
TEST(JobposCutter, LayoutsPassTheCheckAndTheJsonCountsEveryUnit) {
  const std::vector<std::vector<std::string>> cases = {
      {"arrange", "--kind", "4", "--length", "-1", "--gap", "3,3"},
      {"arrange", "--kind", "12", "--length", "700", "--offset", "20"},
      {"slitter", "--length", "-1", "--gap", "3,3"},
      {"slitter", "--length", "600", "--gap", "3,3", "--variant", "2", "--center"},
  };
  for (auto args : cases) {
    SCOPED_TRACE(args[0] + " " + args[2]);
    ScratchDir scratch;
    args.insert(args.end(), {"--width", "914", "--json", "-", "--out", scratch.file("out")});
    const auto jobs = cutterJobs();
    args.insert(args.end(), jobs.begin(), jobs.end());
    const ToolRun run = runJobpos(args, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> written;
    for (const auto& f : jobs) written.push_back(readText(scratch.file("out/" + fileName(f))));
    std::istringstream json(run.out);
    pt::ptree doc;
    pt::read_json(json, doc);
    EXPECT_EQ(doc.get<std::string>("command"), args[0]);
    EXPECT_EQ(doc.get<size_t>("total.units"), listedUnits(written).size());
    EXPECT_TRUE(doc.get_child("warnings").empty()) << run.err;
  }
}
