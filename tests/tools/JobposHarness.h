// Helpers for the tests of jobpos: run the built tool as a child process,
// arrange the same jobs directly through the library for the expected
// texts, read job texts and pictures back independently of the tool.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <boost/filesystem.hpp>
#include <boost/log/core.hpp>
#include <cstdlib>
#include <fstream>
#include <map>
#include <rapidxml/rapidxml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition.h"

namespace jobpos_test {

namespace fs = boost::filesystem;

// The direct library calls below log plenty; nobody reads it here.
inline const bool kQuiet = [] {
  boost::log::core::get()->set_logging_enabled(false);
  return true;
}();

inline std::string fileText(const fs::path& path) {
  std::ifstream in(path.string(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream(path.string(), std::ios::binary) << text;
}

inline std::vector<std::string> examples() {
  const std::string dir = std::string(JOBPOS_EXAMPLES) + "/jobs/";
  return {dir + "banner_roll.ini", dir + "label_rotated.ini", dir + "poster_two_pages.ini",
          dir + "stickers_old.ini"};
}

// A fresh folder, removed afterwards.
struct Scratch {
  const fs::path path = fs::temp_directory_path() / fs::unique_path("jobpos-test-%%%%-%%%%-%%%%");
  Scratch() { fs::create_directories(path); }
  ~Scratch() {
    boost::system::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

struct ToolRun {
  int status = -1;
  std::string out, err;
};

// Runs jobpos with args; stdout and stderr land in files under scratch.
inline ToolRun runJobpos(const std::vector<std::string>& args, const Scratch& scratch) {
  auto quoted = [](const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  };
  std::string command = quoted(JOBPOS);
  for (const auto& a : args) command += " " + quoted(a);
  const fs::path out = scratch.path / "stdout.txt", err = scratch.path / "stderr.txt";
  command += " >" + quoted(out.string()) + " 2>" + quoted(err.string());
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = fileText(out);
  run.err = fileText(err);
  return run;
}

// What the library itself answers for the same arrangement.
struct Expected {
  bool answered = false;
  double x = -1, y = -1, width = -1, height = -1;
  std::vector<std::string> texts;
};

inline Expected arrangeDirectly(int kind, double gapScan, double gapFeed, double width,
                                double length, const std::vector<std::string>& files) {
  Expected e;
  void* p = CreateInstance();
  init(p, kind, gapScan, gapFeed, false, width, length, 0, 0);
  for (const auto& f : files) addJob(p, fileText(f).c_str());
  e.answered = alignmentJobPositionExec(p, &e.x, &e.y, &e.width, &e.height, 0);
  int count = 0;
  getAlignmentJobCount(p, &count);
  for (int i = 0; i < count; ++i) {
    uint64_t size = 0;
    getAlignmentJobSize(p, i, &size);
    std::string text(size, '\0');
    copyAlignmentJobParam(p, text.data(), size);
    e.texts.push_back(text);
  }
  disposeInstance(p);
  return e;
}

// A job text as sections of raw key=value lines (just enough for the
// sections these tests read back).
using Sections = std::map<std::string, std::map<std::string, std::string>>;

inline Sections sectionsOf(const std::string& text) {
  Sections sections;
  std::istringstream in(text);
  std::string line, current;
  while (std::getline(in, line)) {
    if (!line.empty() && line.front() == '[') {
      current = line.substr(1, line.find(']') - 1);
    } else if (line.find('=') != std::string::npos) {
      sections[current][line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    }
  }
  return sections;
}

inline std::string unquoted(const std::string& s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"' ? s.substr(1, s.size() - 2) : s;
}

inline std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> items;
  std::istringstream in(text);
  std::string item;
  while (std::getline(in, item, by)) items.push_back(item);
  return items;
}

// One placed unit, from a job text or from a picture.
struct Unit {
  std::string job;
  int page = 0, copy = 0, sheet = 0;
  double x = 0, y = 0, width = -1, height = -1;
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
        Unit u;
        u.job = unquoted(s.at("Job").at("JobID"));
        u.sheet = std::stoi(section.first.substr(7));
        u.page = std::stoi(bin.at("pageNumber"));
        u.copy = std::stoi(bin.at("copyNumber"));
        const auto offset = split(bin.at("offset"), ',');
        u.x = std::stod(offset.at(0));
        u.y = std::stod(offset.at(1));
        units.push_back(u);
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
      Unit u;
      u.job = attr(node, "data-job");
      u.copy = std::stoi(attr(node, "data-copy"));
      u.page = std::stoi(attr(node, "data-page"));
      u.sheet = sheet;
      u.x = std::stod(attr(node, "x"));
      u.y = std::stod(attr(node, "y"));
      u.width = std::stod(attr(node, "width"));
      u.height = std::stod(attr(node, "height"));
      units.push_back(u);
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

// Count of elements carrying class="name" anywhere in the picture.
inline size_t classCount(const std::string& svg, const std::string& name) {
  size_t n = 0;
  const std::string needle = "class=\"" + name + "\"";
  for (size_t at = svg.find(needle); at != std::string::npos; at = svg.find(needle, at + 1)) ++n;
  return n;
}

}  // namespace jobpos_test
