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
  for (const char* accepted : {"dir/job.ini", "dir/JOB.INI", "dir/job.Ini"})
    EXPECT_TRUE(io.checkExtension(accepted)) << accepted;
  // The last dot of the file name counts, and only in the file name.
  for (const char* refused : {"dir/job.ini.bak", "dir.ini/job", "job", ""})
    EXPECT_FALSE(io.checkExtension(refused)) << refused;
}

TEST(AbParamIo, FileExistSeesFilesAndFolders) {
  ScratchDir dir;
  ParamIoINI io;
  writeText(dir.file("a.ini"), "x");
  EXPECT_TRUE(io.fileExist(dir.file("a.ini")));
  EXPECT_TRUE(io.fileExist(dir.file("")));
  EXPECT_FALSE(io.fileExist(dir.file("b.ini")));
}

TEST(AbParamIo, FilePathExistAndFileCreateMakeFoldersKeepFiles) {
  ScratchDir dir;
  ParamIoINI io;
  EXPECT_TRUE(io.filePathExist(dir.file("one/two/job.ini")));
  EXPECT_TRUE(fs::is_directory(dir.file("one/two")));
  EXPECT_FALSE(fs::exists(dir.file("one/two/job.ini")));

  writeText(dir.file("a.ini"), "keep");
  EXPECT_TRUE(io.fileCreate(dir.file("a.ini")));
  EXPECT_EQ(readText(dir.file("a.ini")), "keep");
  EXPECT_TRUE(io.fileCreate(dir.file("new/b.ini")));
  EXPECT_EQ(readText(dir.file("new/b.ini")), "");
  EXPECT_TRUE(fs::is_regular_file(dir.file("new/b.ini")));
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
