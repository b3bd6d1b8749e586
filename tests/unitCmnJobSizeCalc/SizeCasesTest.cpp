// Sizes of whole jobs and tiles and the rectangles of arranged jobs, as
// cases in tests/data/sizecalc/*.cases. A case starts with
//   case NAME size W H [pageGap=G] [afterFeed]      JobSizeCalc::getJobSize
//   case NAME tile I J W H                          JobSizeCalc::getTileSize
//   case NAME rect X Y W H [pageGap=G] [afterFeed]  ArrangementCondition
// and its job "J" (its own primary) is made of the lines that follow, each
// one line of a section: "[Composite] pages=1 scale=100,50" adds those keys
// to section Composite. Section lines before the first case of a file
// belong to every case of the file. Lines starting with # are comments.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "SizeCalcJobs.h"
#include "unitCmnJobSizeCalc/ArrangementCondition.h"
#include "unitCmnJobSizeCalc/JobSizeCalc.h"

namespace {

struct SizeCase {
  std::string name, kind;
  int tile[2] = {0, 0};
  std::vector<double> expected;
  double pageGap = 0.0;
  bool afterFeed = false;
  std::vector<std::pair<std::string, std::string>> sections;  // name, body

  std::string jobText() const {
    std::string text = iniSection("Job", "JobID=\"J\"\nPrimary=\"J\"");
    for (const auto& s : sections) text += iniSection(s.first, s.second);
    return text;
  }
};

void addLine(SizeCase& c, const std::string& line) {
  std::istringstream in(line);
  std::string section, key;
  in >> section;
  section = section.substr(1, section.size() - 2);
  auto at = c.sections.begin();
  while (at != c.sections.end() && at->first != section) ++at;
  if (at == c.sections.end()) at = c.sections.insert(at, {section, ""});
  while (in >> key) at->second += (at->second.empty() ? "" : "\n") + key;
}

void readFile(const std::string& file, std::vector<SizeCase>& cases) {
  SizeCase base;
  const size_t first = cases.size();
  std::istringstream in(dataText("sizecalc/" + file));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("case ", 0) == 0) {
      std::istringstream words(line.substr(5));
      SizeCase c = base;
      words >> c.name >> c.kind;
      if (c.kind == "tile") words >> c.tile[0] >> c.tile[1];
      c.expected.resize(c.kind == "rect" ? 4 : 2);
      for (double& v : c.expected) words >> v;
      if (words.fail()) c.kind = "unreadable: " + line;
      for (std::string option; words >> option;) {
        if (option == "afterFeed") c.afterFeed = true;
        else if (option.rfind("pageGap=", 0) == 0) c.pageGap = std::stod(option.substr(8));
      }
      cases.push_back(c);
    } else if (!line.empty() && line[0] == '[') {
      addLine(cases.size() == first ? base : cases.back(), line);
    }
  }
}

std::vector<SizeCase> readCases() {
  std::vector<SizeCase> cases;
  readFile("job_sizes.cases", cases);
  readFile("tile_sizes.cases", cases);
  return cases;
}

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class SizeCases : public ::testing::TestWithParam<SizeCase> {};

}  // namespace

TEST_P(SizeCases, SizeOrRectangle) {
  const SizeCase& c = GetParam();
  TextJobs run{c.jobText()};
  const auto& e = c.expected;
  const JobSizeCalc calc(run.jobs(), c.afterFeed, c.pageGap);
  if (c.kind == "size") {
    EXPECT_SIZE(calc.getJobSize("J"), e[0], e[1]);
  } else if (c.kind == "tile") {
    EXPECT_SIZE(calc.getTileSize("J", c.tile[0], c.tile[1]), e[0], e[1]);
  } else {
    ASSERT_EQ(c.kind, "rect");
    EXPECT_RECT(ArrangementCondition(run.jobs(), c.afterFeed, c.pageGap).getJobRect("J"), e[0],
                e[1], e[2], e[3]);
  }
}

INSTANTIATE_TEST_SUITE_P(Data, SizeCases, ::testing::ValuesIn(readCases()), CaseName());

TEST(SizeCaseFile, IsRead) { EXPECT_GE(readCases().size(), 170u); }
