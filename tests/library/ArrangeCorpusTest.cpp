// Arrangements end to end through the shared library: every file of
// tests/data/e2e/ is one case, job texts in, the rectangle of sheet 1 and
// the jobs' texts out. A case file is plain text, one statement a line;
// blank lines and lines starting with # (what the case shows) are skipped:
//
//   init kind=1 gapScan=10 gapFeed=10 center=false width=250 length=-1 twin=0,0
//       the arguments of init (a missing one is 0 or false); offset=D
//       is the position offset handed to alignmentJobPositionExec
//   tile false 10 true false 0 0 0
//       run alignmentTilingPositionExec with these seven arguments (true or
//       false, number, true or false, true or false, number, whole number,
//       number; "nan" and "inf" are numbers) instead of
//       alignmentJobPositionExec
//   slitter false 5 5 600 -1 0
//       run alignmentXYSlitterPositionExec with these six arguments
//       (centre, gap across, gap along, width, length, layout variant)
//       instead of alignmentJobPositionExec; it hands back no rectangle
//   initjig jig_2x2.xml PositioningPolicy=10
//       InitJigParam with the jig text, edited as for "jig" below (for the
//       jig grouping kinds)
//   group
//       runs alignmentGroupingJobPositionExec instead of
//       alignmentJobPositionExec (it hands back no rectangle, so such a
//       case has no "expect result")
//   job A
//     [Job]
//     JobID="A"
//   end
//       a job text, each line without its two leading blanks; "A" names the
//       job below. Jobs are added in the order of the file.
//   jig P jig_2x2.xml PositioningPolicy=16 InvalidPrintArea.Left=3
//       the execution is alignmentJigPositionExec for target job P, with the
//       text of tests/data/jig/jig_2x2.xml, each named element (path joined
//       by ".") holding the value given
//   vdp B vdp_names.xml rows=0,3..5,7:unused
//       variable data under key B: tests/data/jig/vdp_names.xml with one row
//       setting per row number listed, used unless marked ":unused"
//   expect result 0 0 210 110
//       the execution answers true with this rectangle (x y width height, mm)
//   expect ok
//       the execution answers true
//   expect A BinA_P0001_T000-000_C0002_V0002 sheet=1 offset=110.000000,0.000000
//       keys of a section of job A as it reads back, compared with the text
//       written (double quotes removed); sheet=N: "Arrange" N lists the unit
//   expect A Arrange2 absent
//       the section is not in the job
//   expect-unchanged
//       every job reads back as it was added
//   expect-fail [text]
//       the execution answers false, leaves the rectangle and every job as
//       they were and logs an error containing text
//   expect-false
//       the execution answers false and leaves every job as it was: there
//       was nothing to do (whether an error is logged is not looked at)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "support/XmlTexts.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;
using Sections = std::map<std::string, std::map<std::string, std::string>>;

Words wordsOf(const std::string& line) {
  std::istringstream in(line);
  Words words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// The sections of an INI text as the library writes it, values unquoted.
Sections sectionsOf(const std::string& text) {
  Sections sections;
  std::istringstream in(text);
  std::string current;
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (!line.empty() && line.front() == '[') sections[current = line.substr(1, line.size() - 2)];
    else if (eq != std::string::npos) sections[current][line.substr(0, eq)] = value;
  }
  return sections;
}

// The row settings of "rows=LIST" (see above).
std::string rowSettings(const std::string& list) {
  std::string xml;
  std::istringstream items(list);
  for (std::string item; std::getline(items, item, ',');) {
    const bool used = item.find(":unused") == std::string::npos;
    const size_t dots = item.find("..");
    const int first = std::stoi(item);
    const int last = dots == std::string::npos ? first : std::stoi(item.substr(dots + 2));
    for (int row = first; row <= last; ++row)
      xml += "<RowSettingInfo><Use>" + std::string(used ? "true" : "false") +
             "</Use><RowNumber>" + std::to_string(row) + "</RowNumber></RowSettingInfo>";
  }
  return xml;
}

struct Case {
  explicit Case(const std::string& path) {
    std::istringstream in(readText(path));
    std::string* job = nullptr;
    for (std::string line; std::getline(in, line);) {
      const Words w = wordsOf(line);
      if (job != nullptr) {
        if (line == "end") job = nullptr;
        else *job += line.substr(std::min<size_t>(2, line.size())) + "\n";
      } else if (w.empty() || w[0][0] == '#') {
        continue;
      } else if (w[0] == "init") {
        for (size_t i = 1; i < w.size(); ++i)
          init[w[i].substr(0, w[i].find('='))] = w[i].substr(w[i].find('=') + 1);
      } else if (w[0] == "tile") {
        EXPECT_EQ(w.size(), 8u) << "tile takes seven arguments";
        tile.assign(w.begin() + 1, w.end());
      } else if (w == Words{"group"}) {
        group = true;
      } else if (w[0] == "slitter") {
        EXPECT_EQ(w.size(), 7u) << "slitter takes six arguments";
        slitter.assign(w.begin() + 1, w.end());
      } else if (w[0] == "initjig" && w.size() >= 2) {
        initJig = editedJig(w);
      } else if (w[0] == "jig" && w.size() >= 3) {
        jigTarget = w[1];
        jigText = editedJig(Words(w.begin() + 1, w.end()));
      } else if (w[0] == "vdp" && w.size() >= 3) {
        const std::string rows = w.size() > 3 ? w[3].substr(w[3].find('=') + 1) : "";
        vdps.emplace_back(w[1], withElement(dataText("jig/" + w[2]), "RowSettingInfos",
                                            rowSettings(rows)));
      } else if (w[0] == "job" && w.size() == 2) {
        names.push_back(w[1]);
        texts.emplace_back();
        job = &texts.back();
      } else {
        expects.push_back(w);
      }
    }
    EXPECT_EQ(job, nullptr) << "a job without end";
  }

  // The jig file w[1] with the elements w[2...] set.
  static std::string editedJig(const Words& w) {
    std::string text = dataText("jig/" + w[1]);
    for (size_t i = 2; i < w.size(); ++i)
      text = withElement(text, w[i].substr(0, w[i].find('=')), w[i].substr(w[i].find('=') + 1));
    return text;
  }

  double number(const std::string& key) const {
    return init.count(key) ? std::stod(init.at(key)) : 0.0;
  }

  std::map<std::string, std::string> init = {{"twin", "0,0"}, {"center", "false"}};
  Words tile;          // the tiling arguments; empty: a job-position run
  Words slitter;       // the XY slitter arguments; empty: no slitter run
  std::string initJig;  // InitJigParam's text; empty: not called
  bool group = false;
  Words names, texts;  // of the jobs, in the order added
  std::string jigTarget, jigText;  // a jig run when jigTarget is set
  std::vector<std::pair<std::string, std::string>> vdps;  // key, text
  std::vector<Words> expects;
};

class CaseRun {
 public:
  explicit CaseRun(const Case& c) : c_(c), p_(CreateInstance()) {
    const std::string twin = c.init.at("twin");
    init(p_, static_cast<int>(c.number("kind")), c.number("gapScan"), c.number("gapFeed"),
         c.init.at("center") == "true", c.number("width"), c.number("length"),
         std::stod(twin.substr(0, twin.find(','))), std::stod(twin.substr(twin.find(',') + 1)));
    for (const auto& text : c.texts) addJob(p_, text.c_str());
    if (!c.initJig.empty()) InitJigParam(p_, c.initJig.c_str());
    for (const auto& vdp : c.vdps)
      addVariableDataPrintingParam(p_, vdp.first.c_str(), vdp.second.c_str());
    before_ = texts();
    if (!c.tile.empty()) answered_ = tiling(c.tile);
    else if (!c.slitter.empty()) answered_ = slitting(c.slitter);
    else if (c.group) answered_ = alignmentGroupingJobPositionExec(p_);
    else if (!c.jigTarget.empty())
      answered_ = alignmentJigPositionExec(p_, c.jigText.c_str(), c.jigTarget.c_str());
    else
      answered_ = alignmentJobPositionExec(p_, &rect_[0], &rect_[1], &rect_[2], &rect_[3],
                                           c.number("offset"));
    after_ = texts();
    for (const std::string& text : after_) sections_.push_back(sectionsOf(text));
  }
  ~CaseRun() { disposeInstance(p_); }

  void check(const Words& w) const {
    if (w[0] == "expect-unchanged") {
      EXPECT_EQ(after_, before_);
    } else if (w[0] == "expect-fail") {
      EXPECT_FALSE(answered_);
      for (double v : rect_) EXPECT_EQ(v, -1.0);
      EXPECT_EQ(after_, before_);
      std::string text;
      for (size_t i = 1; i < w.size(); ++i) text += (i > 1 ? " " : "") + w[i];
      EXPECT_TRUE(log_.contains(13, text)) << text;
    } else if (w[0] == "expect-false") {
      EXPECT_FALSE(answered_);
      EXPECT_EQ(after_, before_);
    } else if (w == Words{"expect", "ok"}) {
      EXPECT_TRUE(answered_);
    } else if (w[0] == "expect" && w.size() == 6 && w[1] == "result") {
      ASSERT_TRUE(answered_);
      for (int i = 0; i < 4; ++i) EXPECT_NEAR(rect_[i], std::stod(w[i + 2]), 1e-6) << i;
    } else if (w[0] == "expect" && w.size() >= 4) {
      checkSection(w[1], w[2], Words(w.begin() + 3, w.end()));
    } else {
      ADD_FAILURE() << "unknown statement " << w[0];
    }
  }

 private:
  bool tiling(const Words& a) {
    if (a.size() != 7) return false;
    return alignmentTilingPositionExec(p_, a[0] == "true", std::stod(a[1]), a[2] == "true",
                                       a[3] == "true", std::stod(a[4]), std::stoi(a[5]),
                                       std::stod(a[6]));
  }

  bool slitting(const Words& a) {
    if (a.size() != 6) return false;
    return alignmentXYSlitterPositionExec(p_, a[0] == "true", std::stod(a[1]), std::stod(a[2]),
                                          std::stod(a[3]), std::stod(a[4]),
                                          static_cast<unsigned>(std::stoul(a[5])));
  }

  Words texts() const {
    Words out;
    for (int i = 0; i < static_cast<int>(c_.texts.size()); ++i) {
      uint64_t size = 0;
      EXPECT_TRUE(getAlignmentJobSize(p_, i, &size));
      std::string text(size, '\0');
      EXPECT_TRUE(copyAlignmentJobParam(p_, text.data(), size));
      out.push_back(text);
    }
    return out;
  }

  void checkSection(const std::string& job, const std::string& name, const Words& keys) const {
    const auto k = std::find(c_.names.begin(), c_.names.end(), job) - c_.names.begin();
    ASSERT_LT(static_cast<size_t>(k), c_.names.size()) << "no job " << job;
    const Sections& s = sections_[static_cast<size_t>(k)];
    if (keys == Words{"absent"}) {
      EXPECT_EQ(s.count(name), 0u) << job << " " << name;
      return;
    }
    ASSERT_EQ(s.count(name), 1u) << job << " has no section " << name;
    for (const std::string& kv : keys) {
      const std::string key = kv.substr(0, kv.find('=')), value = kv.substr(kv.find('=') + 1);
      if (key == "sheet") {
        const auto sheet = s.find("Arrange" + value);
        const std::string listed =
            sheet == s.end() ? "" : "," + sheet->second.at("compositeKeys") + ",";
        EXPECT_NE(listed.find("," + name + ","), std::string::npos) << job << " " << name << kv;
      } else {
        const auto found = s.at(name).find(key);
        EXPECT_EQ(found == s.at(name).end() ? "<missing>" : found->second, value)
            << job << " [" << name << "] " << key;
      }
    }
  }

  const Case& c_;
  void* p_;
  LogCapture log_;
  Words before_, after_;
  std::vector<Sections> sections_;  // of after_, read once
  bool answered_ = false;
  double rect_[4] = {-1, -1, -1, -1};
};

std::vector<std::string> caseFiles() {
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(dataPath("e2e")))
    if (entry.path().extension() == ".case") files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

class ArrangeCorpus : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(ArrangeCorpus, ArrangesAsTheCaseExpects) {
  const Case c(GetParam());
  ASSERT_FALSE(c.texts.empty());
  ASSERT_FALSE(c.expects.empty());
  const CaseRun run(c);
  for (const Words& w : c.expects) {
    SCOPED_TRACE(w[0] + (w.size() > 2 ? " " + w[1] + " " + w[2] : ""));
    run.check(w);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ArrangeCorpus, ::testing::ValuesIn(caseFiles()),
                         [](const auto& info) { return fs::path(info.param).stem().string(); });

TEST(ArrangeCorpusFiles, AreFound) { EXPECT_GE(caseFiles().size(), 10u); }
