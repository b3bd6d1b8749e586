// Every cutter arrangement of the photo-lab jobs of examples/cutters, read
// back as a host reads it, can be cut apart sheet by sheet with straight
// cuts through the whole piece, keeps the gaps and stays on the media
// (support/GuillotineCheck.h). Units are drawn from their job's record:
// "scale", turned by the unit's "relativeRotation".
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "support/GuillotineCheck.h"
#include "support/LibraryTexts.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

using Section = std::map<std::string, std::string>;
using Sections = std::map<std::string, Section>;

constexpr double kWidth = 914, kGap = 3;

Sections sectionsOf(const std::string& text) {
  Sections s;
  std::istringstream in(text);
  std::string current;
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    if (!line.empty() && line[0] == '[') s[current = line.substr(1, line.size() - 2)];
    else if (eq != std::string::npos) s[current][line.substr(0, eq)] = line.substr(eq + 1);
  }
  return s;
}

std::pair<double, double> pairOf(const std::string& text) {
  return {std::stod(text), std::stod(text.substr(text.find(',') + 1))};
}

// The examples; the first job is the grouping primary of them all.
std::vector<std::string> jobs() {
  std::vector<std::string> texts;
  for (const char* name : {"PANORAMA", "PHOTO-10x15", "PHOTO-20x30", "POSTER-30x40", "SQUARE-20"})
    texts.push_back(readText(std::string(UNITCMN_EXAMPLES) + "/cutters/" + name + ".ini"));
  texts[0].replace(texts[0].find("[Print]\n"), 8,
                   "GroupingPrimary=\"PANORAMA\"\n[Print]\ngroupingMember=PANORAMA,PHOTO-10x15,"
                   "PHOTO-20x30,POSTER-30x40,SQUARE-20\n");
  return texts;
}

// Each sheet's units as boxes.
std::map<int, std::vector<CutBox>> sheetsOf(void* p) {
  std::map<int, std::vector<CutBox>> sheets;
  for (const std::string& text : textsOf(p)) {
    const Sections s = sectionsOf(text);
    const auto scale = pairOf(s.at("Composite").at("scale"));
    for (const auto& [name, keys] : s) {
      if (name.rfind("Arrange", 0) != 0 || keys.at("compositeKeys").empty()) continue;
      std::istringstream units(keys.at("compositeKeys"));
      for (std::string unit; std::getline(units, unit, ',');) {
        const Section& u = s.at(unit);
        const auto at = pairOf(u.at("offset"));
        const bool turned = std::stoi(u.at("relativeRotation")) % 180 != 0;
        sheets[std::stoi(name.substr(7))].push_back(
            {at.first, at.second, turned ? scale.second : scale.first,
             turned ? scale.first : scale.second});
      }
    }
  }
  return sheets;
}

struct CutterRun {
  const char* name;
  int kind;  // -1: the stand-alone XY slitter
  unsigned variant;
  double length;
};

class CutterLayouts : public ::testing::TestWithParam<CutterRun> {};

}  // namespace

TEST_P(CutterLayouts, CutApartOnTheMedia) {
  const CutterRun r = GetParam();
  void* p = CreateInstance();
  init(p, r.kind, kGap, kGap, false, kWidth, r.length, 0, 0);
  for (const std::string& text : jobs()) addJob(p, text.c_str());
  bool ok = false;
  if (r.kind < 0)
    ok = alignmentXYSlitterPositionExec(p, true, kGap, kGap, kWidth, r.length, r.variant);
  else if (r.kind >= 13) ok = alignmentGroupingJobPositionExec(p);
  else ok = alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0);
  ASSERT_TRUE(ok);
  const auto sheets = sheetsOf(p);
  disposeInstance(p);
  size_t units = 0;
  for (const auto& [sheet, boxes] : sheets) {
    units += boxes.size();
    const double end = r.length < 0 ? 1e300 : r.length;
    EXPECT_EQ(GuillotineCheck::fault(boxes, kGap, kGap, 0, 0, kWidth, end), "") << sheet;
  }
  EXPECT_EQ(units, 18u);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CutterLayouts,
    ::testing::Values(CutterRun{"fotoba", 4, 0, -1}, CutterRun{"fotoba_sheets", 4, 0, 700},
                      CutterRun{"group_slitter", 23, 0, -1},
                      CutterRun{"group_slitter_copies", 24, 0, 800},
                      CutterRun{"group_fotoba", 25, 0, -1},
                      CutterRun{"group_fotoba_copies", 26, 0, -1},
                      CutterRun{"slitter", -1, 0, -1},
                      CutterRun{"slitter_upright_sheets", -1, 2, 900}),
    [](const auto& info) { return std::string(info.param.name); });
