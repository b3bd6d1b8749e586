// The layout check on hand-made layouts (tests/data/jobpos/layout_checks.txt),
// run through "jobpos show" and read back from its JSON and its picture.
#include <algorithm>
#include <boost/property_tree/json_parser.hpp>
#include <fstream>

#include "JobposHarness.h"

using namespace jobpos_test;

namespace {

struct PlacedBox {
  std::string job;
  std::string size, offset;  // "W,H" and "X,Y"
  int sheet = 1;
};

struct CheckCase {
  std::string name;
  std::vector<std::string> media;
  std::vector<PlacedBox> units;
  int status = -1;
  std::vector<std::string> warnings;  // "check job [other]"
};

std::vector<CheckCase> loadCases() {
  std::ifstream in(dataPath("jobpos/layout_checks.txt"));
  std::vector<CheckCase> cases;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word[0] == '#') continue;
    std::string rest;
    std::getline(words, rest);
    rest.erase(0, rest.find_first_not_of(' '));
    if (word == "case") {
      cases.push_back({rest, {}, {}, -1, {}});
    } else if (word == "media") {
      cases.back().media = split(rest, ' ');
    } else if (word == "unit") {
      const auto v = split(rest, ' ');
      cases.back().units.push_back(
          {v.at(0), v.at(1) + "," + v.at(2), v.at(3) + "," + v.at(4), v.size() > 5 ? std::stoi(v[5]) : 1});
    } else if (word == "status") {
      cases.back().status = std::stoi(rest);
    } else if (word == "warn") {
      cases.back().warnings.push_back(rest);
    }
  }
  return cases;
}

// One job file per job: its size, its units' sections and, per sheet, the
// arrangement section listing them.
std::vector<std::string> writeJobs(const CheckCase& c, const ScratchDir& scratch) {
  std::map<std::string, std::vector<const PlacedBox*>> byJob;
  for (const auto& u : c.units) byJob[u.job].push_back(&u);
  std::vector<std::string> files;
  for (const auto& [job, units] : byJob) {
    std::map<int, std::string> keysOfSheet;
    std::string bins;
    for (size_t k = 0; k < units.size(); ++k) {
      const std::string key = "Bin" + job + "_C" + std::to_string(k + 1);
      std::string& keys = keysOfSheet[units[k]->sheet];
      keys += (keys.empty() ? "" : ",") + key;
      bins += "[" + key + "]\npageNumber=1\ncopyNumber=" + std::to_string(k + 1) +
              "\noffset=" + units[k]->offset + "\n";
    }
    std::string text = "[Job]\nJobID=\"" + job + "\"\n[Composite]\npages=1\nscale=" +
                       units.front()->size + "\n";
    for (const auto& [sheet, keys] : keysOfSheet)
      text += "[Arrange" + std::to_string(sheet) + "]\ncompositeKeys=" + keys + "\n";
    files.push_back(scratch.put(job + ".ini", text + bins));
  }
  return files;
}

// The warnings of jobpos's JSON as "check job [other]".
std::vector<std::string> jsonWarnings(const std::string& path) {
  boost::property_tree::ptree doc;
  boost::property_tree::read_json(path, doc);
  std::vector<std::string> found;
  for (const auto& w : doc.get_child("warnings")) {
    std::string text = w.second.get<std::string>("check") + " " + w.second.get<std::string>("job");
    if (const auto other = w.second.get_optional<std::string>("otherJob")) text += " " + *other;
    found.push_back(text);
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

TEST(JobposLayoutCheck, HandMadeLayouts) {
  const auto cases = loadCases();
  ASSERT_GT(cases.size(), 10u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir scratch;
    std::vector<std::string> args = {"show", "--json", scratch.file("r.json"), "--svg",
                                     scratch.file("r.svg")};
    args.insert(args.end(), c.media.begin(), c.media.end());
    for (const auto& f : writeJobs(c, scratch)) args.push_back(f);
    const ToolRun run = runJobpos(args, scratch);
    EXPECT_EQ(run.status, c.status) << run.err;
    auto expected = c.warnings;
    std::sort(expected.begin(), expected.end());
    ASSERT_TRUE(fs::exists(scratch.file("r.json"))) << run.err;
    EXPECT_EQ(jsonWarnings(scratch.file("r.json")), expected);
    // Each warning is a line on stderr and a red mark in the picture.
    for (const auto& w : expected)
      EXPECT_NE(run.err.find("jobpos: layout: " + split(w, ' ')[0] + ": "), std::string::npos)
          << run.err;
    EXPECT_EQ(elementsOf(readText(scratch.file("r.svg")), "attention").size(), expected.size());
  }
}
