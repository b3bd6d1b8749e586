// jobpos as scripts and operators drive it: the JSON read back against the
// job texts, the exit statuses, the help of every subcommand and the kinds
// it lists.
#include <boost/property_tree/json_parser.hpp>
#include <regex>
#include <set>

#include "JobposHarness.h"

using namespace jobpos_test;
namespace pt = boost::property_tree;

namespace {

const std::vector<std::string> kCommands = {"arrange", "tile", "group", "slitter",
                                             "jig",     "show", "read"};

std::string poster(const ScratchDir& scratch) {
  return scratch.put("poster.ini",
                     "[Job]\nJobID=\"BIG\"\n[Composite]\npages=1\nscale=2000,3000\n");
}

}  // namespace

TEST(JobposJson, ReadsBackAsTheJobTextsSay) {
  ScratchDir scratch;
  auto args = arrangeArgs("1", "1600", "2000", scratch.file("jobs"), scratch.file("l.svg"),
                          examples());
  args.insert(args.begin() + 1, {"--json", scratch.file("l.json")});
  const ToolRun run = runJobpos(args, scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> texts;
  for (const auto& f : examples()) texts.push_back(readText(scratch.file("jobs/" + fileName(f))));
  const auto listed = listedUnits(texts);

  pt::ptree doc;
  pt::read_json(scratch.file("l.json"), doc);
  EXPECT_EQ(doc.get<double>("media.width"), 1600.0);
  EXPECT_EQ(doc.get<double>("media.length"), 2000.0);
  size_t units = 0;
  double used = 0.0;
  for (const auto& sheet : doc.get_child("sheets")) {
    const int number = sheet.second.get<int>("number");
    for (const auto& u : sheet.second.get_child("units")) {
      ++units;
      const auto& v = u.second;
      EXPECT_EQ(v.get<int>("sheet"), number);
      const Unit* want = find(listed, v.get<std::string>("job"), v.get<int>("page"),
                              v.get<int>("copy"));
      ASSERT_NE(want, nullptr) << v.get<std::string>("section");
      EXPECT_EQ(want->sheet, number);
      EXPECT_NEAR(v.get<double>("x"), want->x, 1e-6);
      EXPECT_NEAR(v.get<double>("y"), want->y, 1e-6);
      // The section named is the unit's own, in the job it belongs to.
      const auto& job = texts.at(static_cast<size_t>(
          std::find_if(texts.begin(), texts.end(),
                       [&](const std::string& t) {
                         return sectionsOf(t).at("Job").at("JobID") ==
                                "\"" + v.get<std::string>("job") + "\"";
                       }) - texts.begin()));
      EXPECT_EQ(sectionsOf(job).count(v.get<std::string>("section")), 1u);
    }
    used += sheet.second.get<double>("usedLength");
  }
  EXPECT_EQ(units, listed.size());
  EXPECT_EQ(doc.get<size_t>("total.units"), listed.size());
  EXPECT_NEAR(doc.get<double>("total.usedLength"), used, 1e-6);
  EXPECT_TRUE(doc.get_child("warnings").empty());
  // The banner is 1200 x 600 (examples/jobs/banner_roll.ini).
  bool banner = false;
  for (const auto& sheet : doc.get_child("sheets"))
    for (const auto& u : sheet.second.get_child("units"))
      if (u.second.get<std::string>("job") == "BANNER-0412" && u.second.get<int>("copy") == 1) {
        banner = true;
        EXPECT_EQ(u.second.get<double>("width") * u.second.get<double>("height"), 1200.0 * 600.0);
      }
  EXPECT_TRUE(banner);
}

TEST(JobposJson, ShowMeasuresTheSheetsAsArrangeDid) {
  // The written jobs record their 2000 mm sheets, so show needs no media.
  ScratchDir scratch;
  auto args = arrangeArgs("1", "1600", "2000", scratch.file("jobs"), scratch.file("a.svg"),
                          examples());
  args.insert(args.begin() + 1, {"--json", "-"});
  const ToolRun arranged = runJobpos(args, scratch);
  ASSERT_EQ(arranged.status, 0) << arranged.err;
  std::vector<std::string> show = {"show", "--json", "-"};
  for (const auto& f : examples()) show.push_back(scratch.file("jobs/" + fileName(f)));
  const ToolRun shown = runJobpos(show, scratch);
  ASSERT_EQ(shown.status, 0) << shown.err;
  pt::ptree a, s;
  std::istringstream aText(arranged.out), sText(shown.out);
  pt::read_json(aText, a);
  pt::read_json(sText, s);
  EXPECT_EQ(s.get<std::string>("media.length"), "2000");
  EXPECT_EQ(a.get_child("sheets"), s.get_child("sheets"));
  EXPECT_EQ(a.get_child("total"), s.get_child("total"));
}

TEST(JobposStatus, LayoutsNeedingAttentionExitThree) {
  ScratchDir scratch;
  const std::string big = poster(scratch);
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const std::string banner = examples()[0];
  auto arrange = [&](const std::vector<std::string>& extra, const std::vector<std::string>& jobs) {
    std::vector<std::string> a = {"arrange", "--kind", "5", "--width", "1370", "--length", "-1",
                                  "--out", scratch.file("out")};
    a.insert(a.end(), extra.begin(), extra.end());
    a.insert(a.end(), jobs.begin(), jobs.end());
    return a;
  };
  const std::vector<Case> cases = {
      {arrange({}, {big}), 3, "jobpos: layout: too-large: sheet 1: BIG copy 1 page 1"},
      {arrange({"--allow-warnings"}, {big}), 0, "jobpos: layout: too-large"},
      {arrange({"--twin", "800,600"}, {banner}), 3, "jobpos: layout: across-rolls: "},
      {arrange({"--twin", "700,650"}, {examples()[1]}), 0, ""},
  };
  for (const auto& c : cases) {
    const ToolRun run = runJobpos(c.args, scratch);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(scratch.file("out"))) << "arranged, so written";
    fs::remove_all(scratch.file("out"));
  }
}

TEST(JobposStatus, BadValuesOfTheNewOptionsAreRefused) {
  ScratchDir scratch;
  const std::string banner = examples()[0];
  fs::create_directories(scratch.file("adir"));
  const std::string garbage = scratch.put("garbage.ini", "not a device file at all");
  auto args = [&](const std::vector<std::string>& extra) {
    std::vector<std::string> a = {"arrange", "--kind", "5", "--width", "1370", "--length", "-1",
                                  "--out", scratch.file("out"), "--svg", scratch.file("p.svg")};
    a.insert(a.end(), extra.begin(), extra.end());
    a.push_back(banner);
    return a;
  };
  const std::vector<Refusal> cases = {
      {args({"--twin", "600,700"}), 2,
       "--twin: the first roll (700.0 mm wide) is wider than where the second roll starts"},
      {args({"--twin", "1400,700"}), 2, "--twin: the second roll starts at 1400.0 mm"},
      {args({"--twin", "600"}), 2, "--twin: '600' is not two numbers A,B"},
      {{"arrange", "--kind", "1", "--width", "100", "--length", "-1", "--out",
        scratch.file("out"), banner, "--json"}, 2, "--json needs a value"},
      {args({"--json", scratch.file("adir")}), 2,
       "cannot write " + scratch.file("adir") + ": it is a folder"},
      {args({"--json="}), 2, "--json needs a value"},
      {args({"--allow-warnings=yes"}), 2, "--allow-warnings takes no value"},
      {args({"--device", garbage}), 2, "--device " + garbage + ": the library cannot read it: "},
      {{"show", "--width", "0", banner}, 2, "--width must be more than 0 mm"},
      {{"show", "--twin", "500,600", banner}, 2, "--twin: the first roll may not be wider"},
  };
  for (const auto& run : expectRefusals(cases, scratch, {scratch.file("out"), scratch.file("p.svg")}))
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

TEST(JobposHelp, EverySubcommandExplainsEveryOptionItShows) {
  ScratchDir scratch;
  const ToolRun all = runJobpos({"--help"}, scratch);
  ASSERT_EQ(all.status, 0);
  for (const auto& command : kCommands) {
    SCOPED_TRACE(command);
    const ToolRun run = runJobpos({command, "--help"}, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("usage: jobpos " + command + " ", 0), 0u) << run.out;
    EXPECT_NE(all.out.find("jobpos " + command + " "), std::string::npos) << all.out;
    // Every option of the usage lines has a line of its own below.
    const std::string usage = run.out.substr(0, run.out.find("\n", run.out.find("JOB.ini")));
    const std::regex option("--[a-z-]+");
    for (std::sregex_iterator it(usage.begin(), usage.end(), option), end; it != end; ++it)
      EXPECT_NE(run.out.find("\n  " + it->str()), std::string::npos) << it->str();
  }
  const ToolRun version = runJobpos({"--version"}, scratch);
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find(std::string(" ") + UNITCMN_VERSION + "\n"), std::string::npos)
      << version.out;
}

TEST(JobposHelp, ListsExactlyTheKindsArrangeAccepts) {
  ScratchDir scratch;
  const std::string help = runJobpos({"--help"}, scratch).out;
  std::set<int> listed;
  const std::regex row("\n +([0-9]+)  [A-Za-z]+");
  for (std::sregex_iterator it(help.begin(), help.end(), row), end; it != end; ++it)
    listed.insert(std::stoi((*it)[1]));
  ASSERT_FALSE(listed.empty()) << help;
  for (int kind = -1; kind <= *listed.rbegin() + 2; ++kind) {
    // A missing job file: an accepted kind fails on the file, not the kind.
    const ToolRun run = runJobpos({"arrange", "--kind", std::to_string(kind), "--width", "100",
                                   "--length", "-1", "--out", scratch.file("o"),
                                   scratch.file("none.ini")},
                                  scratch);
    EXPECT_EQ(run.err.find("unknown kind") == std::string::npos, listed.count(kind) == 1)
        << kind << ": " << run.err;
  }
}
