#include "unitCmnLib/FileIo.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/TestFiles.h"
#include "unitCmnExceptions/unitCmnException.h"

using KvnCommnLibs::FileIo;
namespace fs = boost::filesystem;

TEST(FileIo, CreateExistAndRemove) {
  ScratchDir dir;
  const std::string file = dir.file("sub/deeper/a\xC3\xA9.txt");
  EXPECT_TRUE(FileIo::remove(file));  // nothing there
  ASSERT_TRUE(FileIo::create(file));
  std::ofstream(file) << "old";
  ASSERT_TRUE(FileIo::create(file));
  EXPECT_EQ("", readText(file));
  EXPECT_TRUE(FileIo::exist(dir.file("sub")));
  EXPECT_FALSE(FileIo::remove(dir.file("sub")));  // not empty
  EXPECT_FALSE(FileIo::create(dir.file("sub")));
  EXPECT_TRUE(FileIo::remove(file));
  EXPECT_FALSE(FileIo::exist(file));
  EXPECT_TRUE(FileIo::remove(dir.file("sub/deeper")));
}

TEST(FileIo, InvalidUtf8AnswersFalseAndFileSystemErrorsRaise) {
  ScratchDir dir;
  const std::string bad = dir.file("bad\xFF.txt");
  std::ofstream(bad) << "x";
  EXPECT_FALSE(FileIo::exist(bad));
  EXPECT_FALSE(FileIo::remove(bad));
  EXPECT_TRUE(fs::exists(bad));
  try {
    FileIo::exist(std::string(300, 'n'));
    ADD_FAILURE() << "nothing raised";
  } catch (const unitCmnException& e) {
    EXPECT_NE(std::string::npos, std::string(e.comment()).find("File name too long"));
  }
}

TEST(FileIo, WriterTruncatesAndWritesBytesAsGiven) {
  ScratchDir dir;
  FileIo writer;
  EXPECT_FALSE(writer.open(dir.file("missing.txt")));
  EXPECT_FALSE(writer.write("x", 1));
  std::ofstream(dir.file("out.txt")) << "previous longer text";
  ASSERT_TRUE(writer.open(dir.file("out.txt")));
  EXPECT_TRUE(writer.write("a\nb\r\n", 5));
  EXPECT_TRUE(writer.close());
  EXPECT_EQ("a\nb\r\n", readText(dir.file("out.txt")));
}

TEST(FileIo, ExtensionOfTheFileNameOnly) {
  EXPECT_EQ(".gz", FileIo::getExtension("dir/a.tar.gz"));
  EXPECT_EQ("", FileIo::getExtension("a.b/c"));
  EXPECT_EQ(".", FileIo::getExtension("file."));
  EXPECT_EQ(".profile", FileIo::getExtension("home/.profile"));
}
