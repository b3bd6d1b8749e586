// The base's file checks, through the INI back-end (its extension ".ini").
#include "unitCmnParamIo/AbParamIo.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "support/TestFiles.h"
#include "unitCmnParamIo/ParamIoINI.h"

namespace {

namespace fs = boost::filesystem;

TEST(AbParamIo, ExtensionComparedWithoutCaseFromLastDotOfFileName) {
  ParamIoINI io;
  EXPECT_EQ(io.extensions(), std::vector<std::string>{".ini"});
  EXPECT_TRUE(io.checkExtension("dir/job.ini"));
  EXPECT_TRUE(io.checkExtension("dir/JOB.INI"));
  EXPECT_TRUE(io.checkExtension("dir/job.Ini"));
  EXPECT_FALSE(io.checkExtension("dir/job.ini.bak"));
  EXPECT_FALSE(io.checkExtension("dir.ini/job"));  // no dot in the file name
  EXPECT_FALSE(io.checkExtension("job"));
  EXPECT_FALSE(io.checkExtension(""));
}

TEST(AbParamIo, FileExistSeesFilesAndFolders) {
  ScratchDir dir;
  ParamIoINI io;
  writeText(dir.file("a.ini"), "x");
  EXPECT_TRUE(io.fileExist(dir.file("a.ini")));
  EXPECT_TRUE(io.fileExist(dir.file("")));
  EXPECT_FALSE(io.fileExist(dir.file("b.ini")));
}

TEST(AbParamIo, FilePathExistMakesTheFolderButNotTheFile) {
  ScratchDir dir;
  ParamIoINI io;
  const std::string path = dir.file("one/two/job.ini");
  EXPECT_TRUE(io.filePathExist(path));
  EXPECT_TRUE(fs::is_directory(dir.file("one/two")));
  EXPECT_FALSE(fs::exists(path));
}

TEST(AbParamIo, FileCreateKeepsAnExistingFile) {
  ScratchDir dir;
  ParamIoINI io;
  writeText(dir.file("a.ini"), "keep");
  EXPECT_TRUE(io.fileCreate(dir.file("a.ini")));
  EXPECT_EQ(readText(dir.file("a.ini")), "keep");
  EXPECT_TRUE(io.fileCreate(dir.file("new/b.ini")));
  EXPECT_TRUE(fs::is_regular_file(dir.file("new/b.ini")));
  EXPECT_EQ(fs::file_size(dir.file("new/b.ini")), 0u);
}

TEST(AbParamIo, DeleteFileOnlyForAcceptedExtensions) {
  ScratchDir dir;
  ParamIoINI io;
  writeText(dir.file("a.txt"), "x");
  writeText(dir.file("a.INI"), "x");
  EXPECT_FALSE(io.deleteFile(dir.file("a.txt")));
  EXPECT_TRUE(fs::exists(dir.file("a.txt")));
  EXPECT_TRUE(io.deleteFile(dir.file("a.INI")));
  EXPECT_FALSE(fs::exists(dir.file("a.INI")));
  EXPECT_TRUE(io.deleteFile(dir.file("never.ini")));  // nothing there counts as removed
}

}  // namespace
