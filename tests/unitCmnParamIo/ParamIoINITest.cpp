#include "unitCmnParamIo/ParamIoINI.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <boost/filesystem.hpp>
#include <thread>

#include "support/LogCapture.h"
#include "support/RaisedComment.h"
#include "support/TestFiles.h"
#include "unitCmnParamIo/IniSectionDataEx.h"

namespace {

// Sections B then A; comments, blank lines, blanks around '=' and quotes.
const char* const kJobText =
    "; job parameters\n"
    "\n"
    "[B]\n"
    "  x = 1  \n"
    "# a hash comment\n"
    "name = \"Job 1\"\n"
    "\n"
    "[A]\n"
    "y=\n"
    "path=C:/work/a b.ini\n";
const char* const kJobTextAsRead = "[B]\nx=1\nname=\"Job 1\"\n[A]\ny=\npath=C:/work/a b.ini\n";

std::vector<std::string> sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

IniSectionData section(std::initializer_list<std::pair<const char*, const char*>> keys) {
  IniSectionData data;
  for (const auto& kv : keys) data.setValue(kv.first, kv.second);
  return data;
}

TEST(ParamIoINIRead, KeepsFileOrderRawValuesAndTrims) {
  ParamIoINI io;
  ASSERT_TRUE(io.readText(kJobText));
  EXPECT_EQ(io.toString(), kJobTextAsRead);
  IniSectionDataEx b;
  ASSERT_TRUE(io.getSectionData("B", &b));
  std::string name;
  ASSERT_TRUE(b.getValue("name", name));
  EXPECT_EQ(name, "Job 1");

  // A key before the first header becomes a keyless section; a header
  // without keys is dropped.
  ASSERT_TRUE(io.readText("top=1\n[Empty]\n[S]\na=b\n[Tail]\n"));
  EXPECT_EQ(io.sectionNames(), (std::vector<std::string>{"top", "S"}));
  EXPECT_EQ(io.toString(), "[top]\n[S]\na=b\n");
  EXPECT_FALSE(io.readText(""));
  EXPECT_EQ(io.toString(), "");
}

TEST(ParamIoINIRead, EveryReaderErrorRaisesItsMessageAndClears) {
  const std::pair<const char*, const char*> cases[] = {
      {"[S\na=1\n", "unmatched '[' (line 1)"},
      {"[S]\nabc\n", "'=' character not found in line (line 2)"},
      {"[S]\n = 1\n", "key expected (line 2)"},
      {"[S]\na=1\n[S]\nb=2\n", "duplicate section name (line 3)"},
      {"[S]\na=1\na=2\n", "duplicate key name (line 3)"},
  };
  for (const auto& c : cases) {
    ParamIoINI io;
    ASSERT_TRUE(io.readText(kJobText));
    EXPECT_EQ(raisedComment([&] { io.readText(c.first); }), c.second) << c.first;
    EXPECT_TRUE(io.sectionNames().empty()) << c.first;
    EXPECT_EQ(io.toString(), "") << c.first;
  }
}

TEST(ParamIoINIModel, SetSectionKeepsPlaceNewKeysAndSectionsGoLastDeleteRemoves) {
  ParamIoINI io;
  ASSERT_TRUE(io.readText(kJobText));
  IniSectionData b;
  ASSERT_TRUE(io.getSectionData("B", &b));
  b.setValue("x", "9");      // existing key keeps its place
  b.setValue("added", "z");  // new key goes last
  io.setSectionData("C", section({{"k", "v"}}));
  // The copy is not stored.
  EXPECT_EQ(io.toString(), kJobTextAsRead + std::string("[C]\nk=v\n"));
  io.setSectionData("B", b);
  io.setSectionData("D", IniSectionData());
  EXPECT_EQ(io.toString(),
            "[B]\nx=9\nname=\"Job 1\"\nadded=z\n[A]\ny=\npath=C:/work/a b.ini\n[C]\nk=v\n[D]\n");

  io.deleteSection("B");
  EXPECT_FALSE(io.sectionExist("B"));
  EXPECT_EQ(raisedComment([&] { io.deleteSection("B"); }), "Section not found. section:B");
  io.setSectionData("B", section({{"n", "1"}}));  // comes back last
  EXPECT_EQ(io.sectionNames(), (std::vector<std::string>{"A", "C", "D", "B"}));
}

TEST(ParamIoINIModel, MissingSectionLogsAndLeavesOutputAlone) {
  LogCapture log;
  ParamIoINI io;
  IniSectionData out = section({{"keep", "me"}});
  EXPECT_FALSE(io.getSectionData("Nope", &out));
  EXPECT_EQ(out.toString(), "keep=me\n");
  const auto errors = log.records(kLogError);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].message, "ParamIoINI getSectionData section not found. section:Nope");
}

TEST(ParamIoINIFind, AllWordsMustMatchNoneExcluded) {
  ParamIoINI io;
  for (const char* name : {"Layer_1_Print", "Layer_2_Print", "Layer_1_Cut", "Feed"})
    io.setSectionData(name, IniSectionData());
  std::vector<std::string> out = {"stale"};
  io.findSections({}, out);
  EXPECT_EQ(out, std::vector<std::string>{"stale"});  // no words: untouched
  io.findSections({"Layer", "Print"}, out);
  EXPECT_EQ(sorted(out), (std::vector<std::string>{"Layer_1_Print", "Layer_2_Print"}));
  io.findSections({"Nothing"}, out);
  EXPECT_TRUE(out.empty());

  out = {"first"};  // the include/exclude form appends
  io.findSections({}, {"Cut"}, out);
  EXPECT_EQ(out, std::vector<std::string>{"first"});
  io.findSections({"Layer"}, {"Cut", "_2_"}, out);
  EXPECT_EQ(sorted(out), (std::vector<std::string>{"Layer_1_Print", "first"}));
}

TEST(ParamIoINICopy, CopiesAreIndependentOfTheOriginal) {
  ParamIoINI original;
  ASSERT_TRUE(original.readText(kJobText));
  ParamIoINI copied(original);
  ParamIoINI assigned;
  assigned.setSectionData("Old", IniSectionData());
  assigned = original;
  original.deleteSection("A");
  original.setSectionData("New", IniSectionData());
  EXPECT_EQ(copied.toString(), kJobTextAsRead);
  EXPECT_EQ(assigned.toString(), kJobTextAsRead);
  copied.clear();
  EXPECT_TRUE(original.sectionExist("B"));
}

TEST(ParamIoINICopy, ConcurrentSettersLoseNothing) {
  ParamIoINI io;
  std::atomic<bool> go{false};  // both threads start together so they overlap
  auto fill = [&](const std::string& prefix) {
    while (!go) std::this_thread::yield();
    for (int i = 0; i < 5000; ++i) io.setSectionData(prefix + std::to_string(i), IniSectionData());
  };
  std::thread first(fill, "a"), second(fill, "b");
  go = true;
  first.join();
  second.join();
  EXPECT_EQ(io.sectionNames().size(), 10000u);
  std::vector<std::string> found;
  io.findSections({"a"}, found);
  EXPECT_EQ(found.size(), 5000u);
}

TEST(ParamIoINIFile, ReadChecksExtensionExistenceAndSyntax) {
  ScratchDir dir;
  writeText(dir.file("job.txt"), kJobText);
  writeText(dir.file("JOB.INI"), kJobText);
  writeText(dir.file("bad.ini"), "[S]\na=1\na=2\n");
  ParamIoINI io;
  io.setSectionData("Stale", IniSectionData());
  EXPECT_FALSE(io.readFile(dir.file("job.txt")));
  EXPECT_TRUE(io.sectionNames().empty());  // cleared, not read
  EXPECT_FALSE(io.readFile(dir.file("missing.ini")));
  EXPECT_FALSE(io.readFile(dir.file("bad\xff.ini")));
  ASSERT_TRUE(io.readFile(dir.file("JOB.INI")));
  EXPECT_EQ(io.toString(), kJobTextAsRead);
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("bad.ini")); }),
            "duplicate key name (line 3)");
  EXPECT_TRUE(io.sectionNames().empty());
}

TEST(ParamIoINIFile, WriteThenReadBackGivesTheSameText) {
  ScratchDir dir;
  ParamIoINI io;
  ASSERT_TRUE(io.readText(kJobText));
  io.setSectionData("Layer.1", section({{"k", "v"}}));  // "." is no path separator
  const std::string path = dir.file("deep/er/job.ini");  // folders are made
  ASSERT_TRUE(io.writeFile(path));
  EXPECT_EQ(readText(path), kJobTextAsRead + std::string("[Layer.1]\nk=v\n"));
  ParamIoINI back;
  ASSERT_TRUE(back.readFile(path));
  EXPECT_EQ(back.toString(), io.toString());

  EXPECT_FALSE(io.writeFile(dir.file("job.xml")));
  EXPECT_FALSE(boost::filesystem::exists(dir.file("job.xml")));
}

TEST(ParamIoINIFile, KeylessSectionsAreWrittenAsKeysBeforeTheHeaders) {
  ScratchDir dir;
  ParamIoINI io;
  io.setSectionData("S1", section({{"a", "1"}}));
  io.setSectionData("S2", IniSectionData());
  const std::string path = dir.put("job.ini", "old content that must go\n");
  ASSERT_TRUE(io.writeFile(path));
  EXPECT_EQ(readText(path), "S2=\n[S1]\na=1\n");
  ParamIoINI back;
  ASSERT_TRUE(back.readFile(path));
  EXPECT_EQ(back.toString(), "[S2]\n[S1]\na=1\n");
}

}  // namespace
