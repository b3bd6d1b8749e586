// The placement cases of tests/data/placement/*.txt, one loader for every
// placement. Each file holds cases of the form
//   case <name>
//   placement <kind> <setting> <numbers>... <flag>...
//   entry <w> <h> [flags] => <x> <y> <sheet> [<w> <h> <rotation>]
//   end
// with the hand-worked reasons for the expected numbers in its comments
// (the files' headers list the settings of each kind). Numbers are read with
// strtod, so nan and inf are numbers too.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"
#include "unitCmnAlignmentJobPosition/placement/SequentialPlacement.h"
#include "unitCmnAlignmentJobPosition/placement/TwinRollPlacement.h"

namespace {

using Settings = std::map<std::string, std::vector<double>>;

void placeSequential(std::vector<ArrangeEntry>& entries, const Settings& s) {
  SequentialPlacement::place(entries, {s.at("area")[0], s.at("area")[1]},
                             s.count("centerInScan") > 0, s.at("marginFeed")[0]);
}

void placeTwinRoll(std::vector<ArrangeEntry>& entries, const Settings& s) {
  TwinRollPlacement::place(entries, {s.at("widthA")[0], s.at("startB")[0], s.at("widthB")[0],
                                     s.at("length")[0], s.at("gaps")[0], s.at("gaps")[1]});
}

void placeCornerPoint(std::vector<ArrangeEntry>& entries, const Settings& s) {
  CornerPointPlacement::Settings c;
  c.area = {s.at("area")[0], s.at("area")[1]};
  c.gapScan = s.at("gaps")[0];
  c.gapFeed = s.at("gaps")[1];
  c.tryTurned = s.count("tryTurned") > 0;
  c.centerInScan = s.count("centerInScan") > 0;
  CornerPointPlacement::place(entries, c);
}

// A placement and its settings: how many numbers each takes (0 marks an
// optional flag; the others are required).
struct Kind {
  std::map<std::string, std::size_t> settings;
  void (*place)(std::vector<ArrangeEntry>&, const Settings&);
};

const std::map<std::string, Kind>& kinds() {
  static const std::map<std::string, Kind> table{
      {"sequential", {{{"area", 2}, {"marginFeed", 1}, {"centerInScan", 0}}, placeSequential}},
      {"twinroll",
       {{{"widthA", 1}, {"startB", 1}, {"widthB", 1}, {"length", 1}, {"gaps", 2}}, placeTwinRoll}},
      {"cornerpoint",
       {{{"area", 2}, {"gaps", 2}, {"tryTurned", 0}, {"centerInScan", 0}}, placeCornerPoint}},
  };
  return table;
}

const std::map<std::string, bool ArrangeEntry::*> kEntryFlags{
    {"keepExtraHeight", &ArrangeEntry::KeepExtraHeight},
    {"rotationFixed", &ArrangeEntry::RotationFixed},
    {"noRotationTile", &ArrangeEntry::NoRotationTile},
    {"noRotationDeskew", &ArrangeEntry::NoRotationDeskew},
    {"noRotationLocked", &ArrangeEntry::NoRotationLocked}};

struct CaseEntry {
  ArrangeEntry input;
  ArrangeEntry expected;
  std::string where;  // file:line
};

struct PlacementCase {
  std::string name;   // <file>_<case>, unique
  std::string where;  // file:line of the case line
  std::string kind;
  Settings settings;
  std::vector<CaseEntry> entries;
  std::string error;  // the first line that could not be read
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.where; }

bool parse(const std::string& word, double& value) {
  char* end = nullptr;
  value = std::strtod(word.c_str(), &end);
  return !word.empty() && *end == '\0';
}

bool readNumber(std::istringstream& line, double& value) {
  std::string word;
  return line >> word && parse(word, value);
}

template <typename T>
bool readNumber(std::istringstream& line, T& value) {
  double read = 0;
  if (!readNumber(line, read)) return false;
  value = static_cast<T>(read);
  return value == read;
}

bool readEntryFlag(const std::string& word, ArrangeEntry& e) {
  const auto equals = word.find('=');
  std::istringstream value(equals == std::string::npos ? "" : word.substr(equals + 1));
  const std::string key = word.substr(0, equals);
  if (key == "job") return static_cast<bool>(value >> e.CompositeId);
  if (key == "rot") return readNumber(value, e.Rotation);
  if (key == "extraHeight") return readNumber(value, e.ExtraHeight);
  const auto flag = kEntryFlags.find(word);
  if (flag == kEntryFlags.end()) return false;
  e.*(flag->second) = true;
  return true;
}

// "<w> <h> [flags] => <x> <y> <sheet> [<w> <h> <rotation>]". The input
// carries stale X, Y and sheet, which the placement must overwrite, and its
// line number as OrderNum, which tells whether the order was kept.
std::string readEntry(std::istringstream& line, int number, const std::string& where,
                      PlacementCase& c) {
  CaseEntry g;
  g.where = where;
  ArrangeEntry& in = g.input;
  in.OrderNum = number;
  in.X = in.Y = 12345;
  in.ArrangeNum = 99;
  if (!readNumber(line, in.MmWidth) || !readNumber(line, in.MmHeight)) return "no size";
  std::string word;
  while (line >> word && word != "=>") {
    if (!readEntryFlag(word, in)) return "unknown entry flag " + word;
  }
  ArrangeEntry& out = g.expected = in;
  if (word != "=>" || !readNumber(line, out.X) || !readNumber(line, out.Y) ||
      !readNumber(line, out.ArrangeNum)) {
    return "no '=> x y sheet'";
  }
  if (line >> word && (!parse(word, out.MmWidth) || !readNumber(line, out.MmHeight) ||
                       !readNumber(line, out.Rotation) || line >> word)) {
    return "expected size is not '<w> <h> <rotation>'";
  }
  c.entries.push_back(g);
  return "";
}

// "<kind> <setting> <numbers>... <flag>...", every required setting given
// with its count of numbers.
std::string readPlacement(std::istringstream& line, PlacementCase& c) {
  if (!c.kind.empty()) return "second placement line";
  if (!(line >> c.kind) || kinds().count(c.kind) == 0) return "unknown placement";
  const Kind& kind = kinds().at(c.kind);
  std::string word, key;
  double value = 0;
  while (line >> word) {
    if (!key.empty() && parse(word, value)) c.settings[key].push_back(value);
    else if (kind.settings.count(word) > 0 && c.settings.count(word) == 0) c.settings[key = word];
    else return "unexpected " + word;
  }
  for (const auto& [name, count] : kind.settings) {
    const auto given = c.settings.find(name);
    if (given == c.settings.end() ? count > 0 : given->second.size() != count) {
      return name + " needs " + std::to_string(count) + " numbers";
    }
  }
  return "";
}

std::string readCaseLine(const std::string& keyword, std::istringstream& line, int number,
                         const std::string& where, PlacementCase& c) {
  if (keyword == "placement") return readPlacement(line, c);
  if (keyword == "entry") return readEntry(line, number, where, c);
  return "unknown line";
}

void loadFile(const std::filesystem::path& path, std::vector<PlacementCase>& cases) {
  std::ifstream file(path);
  const std::string stem = path.stem().string();
  PlacementCase current;
  bool open = false;
  std::string text;
  for (int number = 1; std::getline(file, text); ++number) {
    std::istringstream line(text);
    std::string keyword, error;
    if (!(line >> keyword) || keyword[0] == '#') continue;
    const std::string where = "tests/data/placement/" + path.filename().string() + ":" +
                              std::to_string(number);
    if (keyword == "case" && !open) {
      current = PlacementCase{};
      current.where = where;
      open = true;
      if (!(line >> current.name)) error = "case without name";
      current.name = stem + "_" + (error.empty() ? current.name : "line_" + std::to_string(number));
    } else if (keyword == "end" && open) {
      if (current.kind.empty() && current.error.empty()) current.error = where + ": no placement";
      cases.push_back(current);
      open = false;
    } else if (!open) {
      cases.push_back({stem + "_line_" + std::to_string(number), where, "", {}, {},
                       where + ": outside a case: " + text});
    } else {
      error = readCaseLine(keyword, line, number, where, current);
    }
    if (!error.empty() && current.error.empty()) current.error = where + ": " + error + ": " + text;
  }
  if (open && current.error.empty()) current.error = current.where + ": no end";
  if (open) cases.push_back(current);
}

std::vector<PlacementCase> loadCases() {
  const std::filesystem::path folder = std::string(UNITCMN_TEST_DATA) + "/placement";
  std::vector<std::filesystem::path> files;
  std::error_code ignored;
  for (const auto& f : std::filesystem::directory_iterator(folder, ignored)) {
    if (f.path().extension() == ".txt") files.push_back(f.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<PlacementCase> cases;
  for (const auto& path : files) loadFile(path, cases);
  if (cases.empty()) cases.push_back({"no_cases", folder.string(), "", {}, {}, "no cases"});
  return cases;
}

// Equal, or within rounding in sums like 49.9995 + 10; NaN matches NaN.
bool same(double a, double b) {
  return a == b || std::fabs(a - b) <= 1e-9 || (std::isnan(a) && std::isnan(b));
}

std::string describe(const ArrangeEntry& e) {
  std::ostringstream s;
  s.precision(12);
  s << "(" << e.X << ", " << e.Y << ") on sheet " << e.ArrangeNum << ", " << e.MmWidth << " x "
    << e.MmHeight << " rotation " << e.Rotation << ", job \"" << e.CompositeId << "\" of line "
    << e.OrderNum;
  return s.str();
}

::testing::AssertionResult placedAsWorkedOut(const ArrangeEntry& out, const CaseEntry& g) {
  const ArrangeEntry& x = g.expected;
  if (same(out.X, x.X) && same(out.Y, x.Y) && out.ArrangeNum == x.ArrangeNum &&
      same(out.MmWidth, x.MmWidth) && same(out.MmHeight, x.MmHeight) &&
      out.Rotation == x.Rotation && out.CompositeId == x.CompositeId &&
      out.OrderNum == x.OrderNum) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << g.where << ": placed " << describe(out)
                                       << "\n  expected " << describe(x);
}

class PlacementCases : public ::testing::TestWithParam<PlacementCase> {};

}  // namespace

TEST_P(PlacementCases, PlaceAsWorkedOut) {
  const PlacementCase& c = GetParam();
  ASSERT_TRUE(c.error.empty()) << c.error;
  std::vector<ArrangeEntry> entries;
  for (const CaseEntry& g : c.entries) entries.push_back(g.input);
  ASSERT_NO_THROW(kinds().at(c.kind).place(entries, c.settings)) << c.where;
  ASSERT_EQ(c.entries.size(), entries.size()) << c.where;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_TRUE(placedAsWorkedOut(entries[i], c.entries[i])) << "case " << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Data, PlacementCases, ::testing::ValuesIn(loadCases()),
                         [](const ::testing::TestParamInfo<PlacementCase>& info) {
                           return info.param.name;
                         });
