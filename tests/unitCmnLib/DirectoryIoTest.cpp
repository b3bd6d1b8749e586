#include "unitCmnLib/DirectoryIo.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TestFiles.h"

using KvnCommnLibs::DirectoryIo;

TEST(DirectoryIo, ExistLooksAtTheFolderOfAFileName) {
  ScratchDir dir;
  EXPECT_TRUE(DirectoryIo::exist(dir.file("missing.txt")));
  EXPECT_FALSE(DirectoryIo::exist(dir.file("missing")));
  EXPECT_FALSE(DirectoryIo::exist(dir.file("gone/missing.txt")));
  EXPECT_TRUE(DirectoryIo::exist("only.txt"));  // the current folder
}

TEST(DirectoryIo, CreateMakesEveryMissingLevel) {
  ScratchDir dir;
  ASSERT_TRUE(DirectoryIo::create(dir.file("a/b/file.txt")));
  EXPECT_TRUE(boost::filesystem::is_directory(dir.file("a/b")));
  EXPECT_FALSE(boost::filesystem::exists(dir.file("a/b/file.txt")));
  EXPECT_TRUE(DirectoryIo::create(dir.file("a/b")));
  std::ofstream(dir.file("blocker")) << "x";
  EXPECT_FALSE(DirectoryIo::create(dir.file("blocker/sub")));
}
