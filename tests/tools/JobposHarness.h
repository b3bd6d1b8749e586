// Helpers for the tests of jobpos: run the built tool as a child process,
// arrange the same jobs directly through the library for the expected
// texts, read job texts and pictures back independently of the tool.
// Files and scratch folders: support/TestFiles.h.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <map>
#include <rapidxml/rapidxml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/LibraryTexts.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"

namespace jobpos_test {

namespace fs = boost::filesystem;

inline std::vector<std::string> examples() {
  const std::string dir = std::string(UNITCMN_EXAMPLES) + "/jobs/";
  return {dir + "banner_roll.ini", dir + "label_rotated.ini", dir + "poster_two_pages.ini",
          dir + "stickers_old.ini"};
}

inline std::string fileName(const std::string& path) { return fs::path(path).filename().string(); }

struct ToolRun {
  int status = -1;
  std::string out, err;
};

// Runs jobpos with args; stdout and stderr land in files under scratch.
inline ToolRun runJobpos(const std::vector<std::string>& args, const ScratchDir& scratch) {
  auto quoted = [](const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  std::string command = quoted(JOBPOS);
  for (const auto& a : args) command += " " + quoted(a);
  const std::string out = scratch.file("stdout.txt"), err = scratch.file("stderr.txt");
  command += " >" + quoted(out) + " 2>" + quoted(err);
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = readText(out);
  run.err = readText(err);
  return run;
}

// A run jobpos must refuse: its exit status and the message it prints
// after "jobpos: ".
struct Refusal {
  std::vector<std::string> args;
  int status;
  std::string message;
};

// Runs each refusal, checks its status and message and that none of the
// outputs was written; hands back the runs for checks of their own.
inline std::vector<ToolRun> expectRefusals(const std::vector<Refusal>& refusals,
                                           const ScratchDir& scratch,
                                           const std::vector<std::string>& outputs) {
  std::vector<ToolRun> runs;
  for (const auto& c : refusals) {
    runs.push_back(runJobpos(c.args, scratch));
    EXPECT_EQ(runs.back().status, c.status) << c.message;
    EXPECT_NE(runs.back().err.find("jobpos: " + c.message), std::string::npos) << runs.back().err;
    for (const auto& output : outputs) EXPECT_FALSE(fs::exists(output)) << c.message;
  }
  return runs;
}

// What the library itself answers for the same arrangement (kind < 0:
// the jobs only read).
struct Expected {
  bool answered = false;
  double x = -1, y = -1, width = -1, height = -1;
  std::vector<std::string> texts;
};

inline Expected arrangeDirectly(int kind, double width, double length,
                                const std::vector<std::string>& files) {
  Expected e;
  void* p = CreateInstance();
  init(p, kind, 5, 5, false, width, length, 0, 0);
  for (const auto& f : files) addJob(p, readText(f).c_str());
  if (kind >= 0) e.answered = alignmentJobPositionExec(p, &e.x, &e.y, &e.width, &e.height, 0);
  e.texts = textsOf(p);
  disposeInstance(p);
  return e;
}

// Arguments of "jobpos arrange" with 5 mm gaps, writing to out and svg.
inline std::vector<std::string> arrangeArgs(const std::string& kind, const std::string& width,
                                            const std::string& length, const std::string& out,
                                            const std::string& svg,
                                            const std::vector<std::string>& jobs) {
  std::vector<std::string> args = {"arrange", "--kind", kind, "--width", width, "--length",
                                   length, "--gap", "5,5", "--out", out, "--svg", svg};
  args.insert(args.end(), jobs.begin(), jobs.end());
  return args;
}

// A job text as sections of raw key=value lines (just enough for the
// sections these tests read back).
using Sections = std::map<std::string, std::map<std::string, std::string>>;

inline Sections sectionsOf(const std::string& text) {
  Sections sections;
  std::istringstream in(text);
  std::string current;
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    if (!line.empty() && line.front() == '[') current = line.substr(1, line.find(']') - 1);
    else if (eq != std::string::npos) sections[current][line.substr(0, eq)] = line.substr(eq + 1);
  }
  return sections;
}

inline std::string unquoted(const std::string& s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"' ? s.substr(1, s.size() - 2) : s;
}

inline std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> items;
  std::istringstream in(text);
  for (std::string item; std::getline(in, item, by);) items.push_back(item);
  return items;
}

// One placed unit, from a job text or from a picture.
struct Unit {
  std::string job;
  int page = 0, copy = 0, sheet = 0;
  double x = 0, y = 0, width = -1, height = -1;
  std::string tile;  // "i,j" of a tile
};

// The units the "Arrange" + n sections of the texts list, with their
// offsets (sizes are not read).
inline std::vector<Unit> listedUnits(const std::vector<std::string>& texts) {
  std::vector<Unit> units;
  for (const auto& text : texts) {
    const Sections s = sectionsOf(text);
    for (const auto& section : s) {
      if (section.first.rfind("Arrange", 0) != 0) continue;
      const auto keys = section.second.find("compositeKeys");
      if (keys == section.second.end()) continue;
      for (const auto& key : split(keys->second, ',')) {
        const auto& bin = s.at(key);
        const auto offset = split(bin.at("offset"), ',');
        units.push_back({unquoted(s.at("Job").at("JobID")), std::stoi(bin.at("pageNumber")),
                         std::stoi(bin.at("copyNumber")), std::stoi(section.first.substr(7)),
                         std::stod(offset.at(0)), std::stod(offset.at(1)), -1, -1,
                         bin.count("tileNumber") ? bin.at("tileNumber") : ""});
      }
    }
  }
  return units;
}

// The <rect class="unit"> elements of a picture, by sheet.
inline std::vector<Unit> pictureUnits(const std::string& svg, int* sheets = nullptr) {
  std::vector<char> buffer(svg.begin(), svg.end());
  buffer.push_back('\0');
  rapidxml::xml_document<> doc;
  doc.parse<0>(buffer.data());  // throws rapidxml::parse_error on bad XML
  std::vector<Unit> units;
  auto attr = [](rapidxml::xml_node<>* n, const char* name) {
    auto* a = n->first_attribute(name);
    return a ? std::string(a->value()) : std::string();
  };
  int sheetCount = 0;
  std::vector<std::pair<rapidxml::xml_node<>*, int>> stack{{doc.first_node("svg"), 0}};
  while (!stack.empty()) {
    auto [node, sheet] = stack.back();
    stack.pop_back();
    if (node == nullptr) continue;
    if (attr(node, "class") == "sheet") {
      ++sheetCount;
      sheet = std::stoi(attr(node, "data-sheet"));
    }
    if (std::string(node->name()) == "rect" && attr(node, "class") == "unit") {
      units.push_back({attr(node, "data-job"), std::stoi(attr(node, "data-page")),
                       std::stoi(attr(node, "data-copy")), sheet, std::stod(attr(node, "x")),
                       std::stod(attr(node, "y")), std::stod(attr(node, "width")),
                       std::stod(attr(node, "height")), attr(node, "data-tile")});
    }
    for (auto* child = node->first_node(); child; child = child->next_sibling())
      if (child->type() == rapidxml::node_element) stack.push_back({child, sheet});
  }
  if (sheets) *sheets = sheetCount;
  return units;
}

inline const Unit* find(const std::vector<Unit>& units, const std::string& job, int page,
                        int copy) {
  for (const auto& u : units)
    if (u.job == job && u.page == page && u.copy == copy) return &u;
  return nullptr;
}

// Every element of the picture with class="name": its attributes and text.
struct Element {
  std::map<std::string, std::string> attrs;
  std::string text;
};

inline std::vector<Element> elementsOf(const std::string& svg, const std::string& name) {
  std::vector<char> buffer(svg.begin(), svg.end());
  buffer.push_back('\0');
  rapidxml::xml_document<> doc;
  doc.parse<0>(buffer.data());
  std::vector<Element> found;
  std::vector<rapidxml::xml_node<>*> stack{doc.first_node("svg")};
  while (!stack.empty()) {
    auto* node = stack.back();
    stack.pop_back();
    if (node == nullptr) continue;
    auto* cls = node->first_attribute("class");
    if (cls && name == cls->value()) {
      Element e;
      for (auto* a = node->first_attribute(); a; a = a->next_attribute()) e.attrs[a->name()] = a->value();
      e.text = node->value();
      found.push_back(e);
    }
    for (auto* child = node->first_node(); child; child = child->next_sibling())
      if (child->type() == rapidxml::node_element) stack.push_back(child);
  }
  return found;
}

// The seven arguments of alignmentTilingPositionExec.
struct TilingArgs {
  bool pairFirst = false;
  double pageGap = 0;
  bool afterFeed = false;
  bool pairSecond = false;
  double columnOffset = 0;
  int pairCount = 0;
  double rowWidth = 0;
};

// What the library itself answers when it tiles the job with 5 mm gaps.
inline Expected tileDirectly(int kind, double width, double length, const TilingArgs& a,
                             const std::string& file) {
  Expected e;
  void* p = CreateInstance();
  init(p, kind, 5, 5, false, width, length, 0, 0);
  addJob(p, readText(file).c_str());
  e.answered = alignmentTilingPositionExec(p, a.pairFirst, a.pageGap, a.afterFeed, a.pairSecond,
                                           a.columnOffset, a.pairCount, a.rowWidth);
  e.texts = textsOf(p);
  disposeInstance(p);
  return e;
}

// Count of elements carrying class="name" anywhere in the picture.
inline size_t classCount(const std::string& svg, const std::string& name) {
  size_t n = 0;
  const std::string needle = "class=\"" + name + "\"";
  for (size_t at = svg.find(needle); at != std::string::npos; at = svg.find(needle, at + 1)) ++n;
  return n;
}

}  // namespace jobpos_test
