// Reading job files of older versions: what the migration leaves in each
// section (the table in tests/data/jobs/raised.txt), when the file is
// written back, and how bad texts fail.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "JobFiles.h"
#include "support/LogCapture.h"
#include "unitCmnJobParam/JobParam.h"
#include "unitCmnJobParam/PrintSection.h"

namespace {

// The text between the bars of a table line, blanks around each part cut.
std::vector<std::string> columns(const std::string& line) {
  std::vector<std::string> parts;
  std::istringstream in(line);
  for (std::string part; std::getline(in, part, '|');) {
    const auto first = part.find_first_not_of(' ');
    parts.push_back(first == std::string::npos
                        ? std::string()
                        : part.substr(first, part.find_last_not_of(' ') - first + 1));
  }
  return parts;
}

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

class JobMigrationTest : public ::testing::Test {
 protected:
  LogCapture log;  // missing keys of partial sections are logged while reading
  JobParam job;
};

}  // namespace

// Every line: file | sections | raw value | keys. Each file is read once.
TEST_F(JobMigrationTest, RaisedFilesHoldTheTabledValues) {
  std::ifstream table(dataPath("jobs/raised.txt"));
  ASSERT_TRUE(table) << "missing jobs/raised.txt";
  std::map<std::string, JobParam> jobs;
  int checked = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto c = columns(line);
    ASSERT_EQ(c.size(), 4u) << line;
    auto [raised, fresh] = jobs.try_emplace(c[0]);
    if (fresh) {
      ASSERT_TRUE(raised->second.readParamData(jobFileText(c[0]))) << c[0];
      EXPECT_EQ(raised->second.getParamVersion(), "1.17") << c[0];
    }
    for (const auto& section : words(c[1]))
      for (const auto& key : words(c[3])) {
        EXPECT_EQ(rawValue(raised->second, section, key), c[2]) << line;
        ++checked;
      }
  }
  EXPECT_GT(checked, 0);
}

TEST_F(JobMigrationTest, FileWithoutJobSectionCountsAsCurrent) {
  const std::string text = "[Print]\nmediaCut=true\n[Composite]\npages=2\nmoveType=true\n";
  ASSERT_TRUE(job.readParamData(text));
  EXPECT_EQ(job.getParamVersion(), "1.17");
  EXPECT_EQ(textOf(job), text);
}

// ---- reading from a path -----------------------------------------------------

TEST_F(JobMigrationTest, CurrentAndNewerFilesOnDiskAreLeftAsTheyAre) {
  for (const char* version : {"1.17", "2.00"}) {
    ScratchDir dir;
    const std::string text = withVersion(jobFileText("job_v117.ini"), version);
    const std::string path = putDatedBack(dir, "job.ini", text);
    const auto before = modified(path);
    JobParam read;
    ASSERT_TRUE(read.readParam(path));
    EXPECT_EQ(read.getFilePath(), path);
    EXPECT_EQ(read.getParamVersion(), version);
    EXPECT_EQ(textOf(read), text) << version;
    EXPECT_EQ(readText(path), text) << version;
    EXPECT_EQ(modified(path), before) << version;
  }
}

TEST_F(JobMigrationTest, OlderFileOnDiskIsWrittenBackOnce) {
  ScratchDir dir;
  const std::string original = jobFileText("job_v108.ini");
  const std::string path = putDatedBack(dir, "job.ini", original);

  ASSERT_TRUE(job.readParam(path));
  const std::string written = readText(path);
  EXPECT_NE(written, original);
  EXPECT_EQ(written, textOf(job));
  EXPECT_NE(written.find("[Job]\nJobID=\"J-20200611-0142\"\nPrimary=\"J-20200611-0141\"\n"
                         "DeviceName=\"VG2-640\"\nParamVersion=\"1.17\"\n"),
            std::string::npos);

  // Read again, the raised file is current and stays untouched.
  boost::filesystem::last_write_time(path, modified(path) - 3600);
  const auto before = modified(path);
  JobParam again;
  ASSERT_TRUE(again.readParam(path));
  EXPECT_EQ(again.getParamVersion(), "1.17");
  EXPECT_EQ(textOf(again), written);
  EXPECT_EQ(modified(path), before);
}

// ---- failures ------------------------------------------------------------------

TEST_F(JobMigrationTest, NonNumericVersionFailsButKeepsTheSections) {
  const std::string text = withVersion(jobFileText("job_v117.ini"), "abc");
  EXPECT_FALSE(job.readParamData(text));
  EXPECT_TRUE(log.contains(kLogError, "invalid stof argument"));
  EXPECT_EQ(textOf(job), text);  // the comparison fails before any step
  PrintSection print;
  EXPECT_TRUE(job.getPrintSection(print));
  EXPECT_TRUE(print.mediaCut);
}

TEST_F(JobMigrationTest, MalformedTextsFailWithTheReadersMessage) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"this is not a job file\n", "'=' character not found in line"},
      {"[Job\nJobID=\"J-1\"\n", "unmatched '['"},
      {"[Job]\nJobID=\"J-1\"\n[Print]\nmediaCut=true\n[Job]\nPrimary=\"J-0\"\n",
       "duplicate section name"},
      {"[Print]\nmediaCut=true\nmediaCut=false\n", "duplicate key name"},
  };
  for (const auto& c : cases) {
    log.clear();
    JobParam bad;
    EXPECT_FALSE(bad.readParamData(c.text)) << c.text;
    EXPECT_TRUE(log.contains(kLogError, c.message)) << c.text;
    EXPECT_TRUE(bad.model().sectionNames().empty()) << c.text;
  }
  JobParam empty;
  EXPECT_FALSE(empty.readParamData(""));
  EXPECT_EQ(textOf(empty), "");
}

TEST_F(JobMigrationTest, MissingOrEmptyPathFails) {
  ScratchDir dir;
  EXPECT_FALSE(job.readParam(""));
  EXPECT_TRUE(job.getFilePath().empty());
  const std::string absent = dir.file("absent.ini");
  EXPECT_FALSE(job.readParam(absent));
  EXPECT_FALSE(boost::filesystem::exists(absent));
}
