// A fresh folder for one test under UNITCMN_TEST_TMP (else the system's
// temp folder), removed with its contents afterwards.
#pragma once

#include <boost/filesystem.hpp>
#include <cstdlib>

struct ScratchDir {
  const char* root = std::getenv("UNITCMN_TEST_TMP");
  const boost::filesystem::path path =
      (root ? boost::filesystem::path(root) : boost::filesystem::temp_directory_path()) /
      boost::filesystem::unique_path("unitCmnLib-%%%%-%%%%-%%%%");
  ScratchDir() { boost::filesystem::create_directories(path); }
  ~ScratchDir() { boost::system::error_code ignored; boost::filesystem::remove_all(path, ignored); }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
};
