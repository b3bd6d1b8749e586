// jobpos group on the wine-kit example (examples/group/: front, back and
// neck labels, three copies each, and the order ticket locked where the
// operator put it; group margins right 5 + 10, bottom 20 + 15, left 10,
// top 10), checked against the library called directly and the picture
// read back.
#include <cmath>
#include <set>
#include <tuple>

#include "JobposHarness.h"

using namespace jobpos_test;

namespace {

std::vector<std::string> kit(const std::string& front = "") {
  const std::string dir = std::string(UNITCMN_EXAMPLES) + "/group/";
  return {front.empty() ? dir + "kit_front_label.ini" : front, dir + "kit_back_label.ini",
          dir + "kit_neck_collar.ini", dir + "kit_order_ticket.ini"};
}

// What the library itself writes for the group on 600 mm with 5 mm gaps.
std::vector<std::string> groupDirectly(int kind, double length, bool center, double twin,
                                       const std::vector<std::string>& files) {
  void* p = CreateInstance();
  init(p, kind, 5, 5, center, 600, length, twin, twin);
  for (const auto& f : files) addJob(p, readText(f).c_str());
  EXPECT_TRUE(alignmentGroupingJobPositionExec(p));
  const auto texts = textsOf(p);
  disposeInstance(p);
  return texts;
}

ToolRun runGroup(const ScratchDir& s, const std::string& kind, const std::string& length,
                 const std::vector<std::string>& options, const std::vector<std::string>& jobs) {
  std::vector<std::string> args = {"group", "--kind", kind, "--width", "600", "--length", length,
                                   "--gap", "5,5", "--out", s.file("out"), "--svg",
                                   s.file("group.svg")};
  args.insert(args.end(), options.begin(), options.end());
  args.insert(args.end(), jobs.begin(), jobs.end());
  return runJobpos(args, s);
}

using Place = std::tuple<std::string, int, int, long, long>;  // job, copy, sheet, x, y (µm)

std::multiset<Place> places(const std::vector<Unit>& units) {
  std::multiset<Place> out;
  for (const auto& u : units)
    out.insert({u.job, u.copy, u.sheet, std::lround(u.x * 1000), std::lround(u.y * 1000)});
  return out;
}

// Where the hatching lies: (job, x, y) of every locked rectangle, and of
// the units of the jobs given.
using Spot = std::tuple<std::string, long, long>;

std::multiset<Spot> hatched(const std::string& svg) {
  std::multiset<Spot> out;
  for (const auto& e : elementsOf(svg, "locked"))
    out.insert({e.attrs.at("data-job"), std::lround(std::stod(e.attrs.at("x")) * 1000),
                std::lround(std::stod(e.attrs.at("y")) * 1000)});
  return out;
}

std::multiset<Spot> spots(const std::vector<Unit>& units, const std::set<std::string>& jobs) {
  std::multiset<Spot> out;
  for (const auto& u : units)
    if (jobs.count(u.job)) out.insert({u.job, std::lround(u.x * 1000), std::lround(u.y * 1000)});
  return out;
}

}  // namespace

TEST(JobposGroup, EachKindWritesWhatTheLibraryGroupsAndDrawsEveryUnit) {
  const struct {
    int kind;
    double length;
    bool center;
    double twin;
    size_t outlines;  // duplicate blocks: only where the copies lie apart
  } cases[] = {{13, 500, false, 0, 0}, {16, -1, true, 0, 3}, {18, 500, false, 0, 0},
               {20, 500, false, 290, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    ScratchDir scratch;
    std::vector<std::string> options;
    if (c.center) options.push_back("--center");
    if (c.twin > 0) options.insert(options.end(), {"--twin", "290,290"});
    const ToolRun run = runGroup(scratch, std::to_string(c.kind), std::to_string(c.length),
                                 options, kit());
    ASSERT_EQ(run.status, 0) << run.err;

    const auto direct = groupDirectly(c.kind, c.length, c.center, c.twin, kit());
    std::vector<std::string> written;
    for (const auto& f : kit()) written.push_back(readText(scratch.file("out/" + fileName(f))));
    EXPECT_EQ(written, direct);

    const std::string svg = readText(scratch.file("group.svg"));
    const auto listed = listedUnits(written);
    const auto drawn = pictureUnits(svg);
    EXPECT_EQ(listed.size(), 10u);
    EXPECT_EQ(places(drawn), places(listed));
    std::map<std::string, std::set<std::string>> fills;
    for (const auto& e : elementsOf(svg, "unit"))
      fills[e.attrs.at("data-job")].insert(e.attrs.at("fill"));
    std::set<std::string> distinct;
    for (const auto& f : fills) {
      EXPECT_EQ(f.second.size(), 1u) << f.first;
      distinct.insert(*f.second.begin());
    }
    EXPECT_EQ(distinct.size(), 4u) << "one colour per member";
    EXPECT_EQ(hatched(svg), spots(drawn, {"KIT-TICKET"}));
    EXPECT_EQ(elementsOf(svg, "duplicate-tag").size(), drawn.size());
    EXPECT_EQ(elementsOf(svg, "group-duplicate").size(), c.outlines);

    // The bands of every sheet: right 15 and bottom 35 at the start, left
    // 10 at the far edge, top 10 only on a sheet of finite length.
    std::multiset<std::string> bands;
    for (auto e : elementsOf(svg, "group-margin")) {
      const bool across = e.attrs["data-side"] == "left" || e.attrs["data-side"] == "right";
      bands.insert(e.attrs["data-side"] + " " + e.attrs["x"] + "," + e.attrs["y"] + " " +
                   e.attrs[across ? "width" : "height"]);
    }
    int sheets = 0;
    pictureUnits(svg, &sheets);
    const size_t n = static_cast<size_t>(sheets);
    for (const char* band : {"right 0,0 15", "bottom 0,0 35", "left 590,0 10"})
      EXPECT_EQ(bands.count(band), n) << band;
    EXPECT_EQ(bands.count("top 0,490 10"), c.length > 0 ? n : 0u);
    EXPECT_EQ(bands.size(), (c.length > 0 ? 4 : 3) * n);
    EXPECT_NE(run.out.find("locked: KIT-TICKET;"), std::string::npos) << run.out;
    std::map<int, size_t> perSheet;
    for (const auto& u : listed) ++perSheet[u.sheet];
    for (const auto& [sheet, units] : perSheet)
      EXPECT_NE(run.out.find("sheet " + std::to_string(sheet) + ": " + std::to_string(units) +
                             " units, used length"),
                std::string::npos)
          << run.out;
  }
}

TEST(JobposGroup, GroupingPositionLockHatchesEveryMember) {
  ScratchDir scratch;
  std::string front = readText(kit()[0]);
  front.replace(front.find("groupingPositionLock=false"), 26, "groupingPositionLock=true");
  const auto jobs = kit(scratch.put("kit_front_label.ini", front));
  const ToolRun run = runGroup(scratch, "21", "500", {}, jobs);
  // Every unit keeps the place its job gave it, (0, 0): the check says
  // they overlap, and the jobs are written all the same.
  ASSERT_EQ(run.status, 3) << run.err;
  EXPECT_NE(run.err.find("jobpos: layout: overlap: sheet 1: KIT-FRONT copy 1"), std::string::npos);
  const std::string svg = readText(scratch.file("group.svg"));
  const auto drawn = pictureUnits(svg);
  EXPECT_EQ(drawn.size(), 10u);
  EXPECT_EQ(hatched(svg), spots(drawn, {"KIT-FRONT", "KIT-BACK", "KIT-NECK", "KIT-TICKET"}));
}

TEST(JobposGroup, RefusalsExitWithTheirStatusAndWriteNothing) {
  ScratchDir scratch;
  const auto jobs = kit();
  const struct {
    std::string kind;
    std::vector<std::string> options, jobs;
    int status;
    std::string message;
  } cases[] = {
      {"12", {}, jobs, 2, "group takes the grouping kinds 13 to 30, not 12"},
      {"15", {"--twin", "-1,0"}, jobs, 2, "--twin must not be negative"},
      {"15", {"--offset", "3"}, jobs, 2, "unknown option --offset"},
      {"15", {}, {jobs[0], jobs[0]}, 2, "two job files are named kit_front_label.ini"},
      {"24", {}, jobs, 1,
       "alignmentGroupingJobPositionExec answered false; the library's error record: "},
      {"27", {}, jobs, 1,
       "alignmentGroupingJobPositionExec answered false; the library's error record: "},
      {"15", {}, {examples()[0]}, 1,
       "alignmentGroupingJobPositionExec answered false: no job is its own grouping primary"},
  };
  for (const auto& c : cases) {
    const ToolRun run = runGroup(scratch, c.kind, "500", c.options, c.jobs);
    EXPECT_EQ(run.status, c.status) << c.message;
    EXPECT_NE(run.err.find("jobpos: " + c.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(scratch.file("out"))) << c.message;
    EXPECT_FALSE(fs::exists(scratch.file("group.svg"))) << c.message;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
  const ToolRun help = runJobpos({"group", "--help"}, scratch);
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: jobpos group", 0), 0u) << help.out;
}
