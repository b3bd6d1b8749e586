// Helpers shared by the back-end tests: a scratch folder removed afterwards,
// file read/write in one call, and the comment of a raised unitCmnException.
#pragma once

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "unitCmnExceptions/unitCmnException.h"

class ScratchDir {
 public:
  ScratchDir() {
    const char* base = std::getenv("UNITCMN_TEST_TMP");
    boost::filesystem::path root =
        base ? boost::filesystem::path(base) : boost::filesystem::temp_directory_path();
    path_ = root / boost::filesystem::unique_path("paramio-%%%%-%%%%-%%%%");
    boost::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  boost::filesystem::path path_;
};

inline void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::trunc) << text;
}

inline std::string readText(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs f and answers the comment of the unitCmnException it raises; a
// test failure when it raises nothing or something else.
template <class F>
std::string raisedComment(F&& f) {
  try {
    f();
  } catch (const unitCmnException& e) {
    EXPECT_EQ(e.errorCode(), 3u);
    return e.comment();
  } catch (...) {
    ADD_FAILURE() << "raised something other than unitCmnException";
    return std::string();
  }
  ADD_FAILURE() << "nothing raised";
  return std::string();
}
