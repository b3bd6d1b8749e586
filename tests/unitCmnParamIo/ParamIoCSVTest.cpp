#include "unitCmnParamIo/ParamIoCSV.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "support/RaisedComment.h"
#include "support/TestFiles.h"

namespace {

namespace fs = boost::filesystem;
using Rows = std::vector<ParamIoCSV::Row>;

TEST(ParamIoCSVRead, QuotedCommaStaysInsideItsCell) {
  ParamIoCSV io;
  ASSERT_TRUE(io.readText("first,\"second, with comma\",third\n"));
  EXPECT_EQ(io.rows(), (Rows{{"first", "second, with comma", "third"}}));

  // Cells are written back unquoted: the comma now separates.
  const std::string written = io.toText();
  EXPECT_EQ(written, "first,second, with comma,third\n");
  ParamIoCSV back;
  ASSERT_TRUE(back.readText(written));
  EXPECT_EQ(back.rows(), (Rows{{"first", "second", " with comma", "third"}}));
}

TEST(ParamIoCSVRead, EscapesStandForTheirCharacters) {
  ParamIoCSV io;
  ASSERT_TRUE(io.readText("a\\,b,c\\\\d,\\\"q\\\",line\\nbreak,\"in \\\"quotes\\\"\"\n"));
  EXPECT_EQ(io.rows(), (Rows{{"a,b", "c\\d", "\"q\"", "line\nbreak", "in \"quotes\""}}));
}

TEST(ParamIoCSVRead, MalformedEscapeRaisesTheTokenizerMessage) {
  const std::pair<const char*, const char*> cases[] = {
      {"ok,fine\nbad\\q,x\n", "unknown escape sequence"},
      {"ends with\\", "cannot end with escape"},
      {"a,b\\\r\n", "cannot end with escape"},  // the \r belongs to the line end
  };
  for (const auto& c : cases) {
    ParamIoCSV io;
    ASSERT_TRUE(io.readText("old\n"));
    EXPECT_EQ(raisedComment([&] { io.readText(c.first); }), c.second) << c.first;
    EXPECT_EQ(io.rowCount(), 0u) << c.first;
  }
}

TEST(ParamIoCSVRead, LinesEndWithLfOrCrLf) {
  ParamIoCSV io;
  ASSERT_TRUE(io.readText("a,b\r\n\r\nc\nd,e,f"));
  EXPECT_EQ(io.rows(), (Rows{{"a", "b"}, {}, {"c"}, {"d", "e", "f"}}));
  // A carriage return inside a line is data.
  ASSERT_TRUE(io.readText("x\ry,z\n"));
  EXPECT_EQ(io.rows(), (Rows{{"x\ry", "z"}}));
  EXPECT_FALSE(io.readText(""));
  EXPECT_EQ(io.rowCount(), 0u);
}

TEST(ParamIoCSVCells, GetCellOnShortRowsAndMissingRows) {
  ParamIoCSV io;
  ASSERT_TRUE(io.readText("a,b,c\nd\n"));
  std::string out = "stale";
  io.getCell(0, 2, out);
  EXPECT_EQ(out, "c");
  io.getCell(1, 1, out);  // beyond the short row
  EXPECT_EQ(out, "");
  out = "stale";
  EXPECT_FALSE(raisedComment([&] { io.getCell(2, 0, out); }).empty());
  EXPECT_EQ(out, "");
}

TEST(ParamIoCSVFile, ReadChecksExtensionExistenceAndKind) {
  ScratchDir dir;
  writeText(dir.file("data.txt"), "a,b\n");
  writeText(dir.file("DATA.CSV"), "x,\"y,z\"\r\n1,2\r\n");
  writeText(dir.file("bad.csv"), "a,b\nc\\x\n");
  ParamIoCSV io;
  ASSERT_TRUE(io.readText("stale\n"));
  EXPECT_FALSE(io.readFile(dir.file("data.txt")));
  EXPECT_EQ(io.rowCount(), 0u);
  EXPECT_FALSE(io.readFile(dir.file("missing.csv")));
  ASSERT_TRUE(io.readFile(dir.file("DATA.CSV")));
  EXPECT_EQ(io.rows(), (Rows{{"x", "y,z"}, {"1", "2"}}));
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("bad.csv")); }), "unknown escape sequence");
  fs::create_directories(dir.file("folder.csv"));
  EXPECT_EQ(raisedComment([&] { io.readFile(dir.file("folder.csv")); }),
            "cannot read file: not a regular file");
}

TEST(ParamIoCSVFile, WriteMakesFoldersReplacesContentOrRefuses) {
  ScratchDir dir;
  const std::string path = dir.file("new/folder/out.csv");
  ParamIoCSV io;
  ASSERT_TRUE(io.readText("a,b,c\nd\n"));
  ASSERT_TRUE(io.writeFile(path));
  EXPECT_EQ(readText(path), "a,b,c\nd\n");
  ASSERT_TRUE(io.readText("z\n"));
  ASSERT_TRUE(io.writeFile(path));
  EXPECT_EQ(readText(path), "z\n");

  EXPECT_FALSE(io.writeFile(dir.file("out.txt")));
  EXPECT_FALSE(fs::exists(dir.file("out.txt")));
  fs::create_directories(dir.file("folder.csv"));
  EXPECT_FALSE(io.writeFile(dir.file("folder.csv")));
}

}  // namespace
