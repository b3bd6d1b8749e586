#include "unitCmnLib/DirectoryIo.h"

#include <gtest/gtest.h>

#include <fstream>

#include "ScratchDir.h"

using KvnCommnLibs::DirectoryIo;

TEST(DirectoryIo, ExistLooksAtTheFolderOfAFileName) {
  ScratchDir dir;
  EXPECT_TRUE(DirectoryIo::exist(dir / "missing.txt"));
  EXPECT_FALSE(DirectoryIo::exist(dir / "missing"));
  EXPECT_FALSE(DirectoryIo::exist(dir / "gone/missing.txt"));
  EXPECT_TRUE(DirectoryIo::exist("only.txt"));  // the current folder
}

TEST(DirectoryIo, CreateMakesEveryMissingLevel) {
  ScratchDir dir;
  ASSERT_TRUE(DirectoryIo::create(dir / "a/b/file.txt"));
  EXPECT_TRUE(boost::filesystem::is_directory(dir / "a/b"));
  EXPECT_FALSE(boost::filesystem::exists(dir / "a/b/file.txt"));
  EXPECT_TRUE(DirectoryIo::create(dir / "a/b"));
  std::ofstream(dir / "blocker") << "x";
  EXPECT_FALSE(DirectoryIo::create(dir / "blocker/sub"));
}
