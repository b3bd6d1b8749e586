// Test helpers for files: the data files under tests/data, a whole file
// read or written in one call, and a scratch folder removed afterwards.
#pragma once

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A data file by its path below tests/data, e.g. "params/jig_full.xml".
inline std::string dataPath(const std::string& relative) {
  return std::string(UNITCMN_TEST_DATA) + "/" + relative;
}

inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string dataText(const std::string& relative) { return readText(dataPath(relative)); }

#ifdef UNITCMN_EXAMPLES
// An example job shipped with the library, e.g. "banner_roll.ini".
inline std::string exampleJob(const std::string& name) {
  return readText(std::string(UNITCMN_EXAMPLES) + "/jobs/" + name);
}
#endif

inline void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// A fresh folder under UNITCMN_TEST_TMP (else the system's temp folder),
// removed with its contents afterwards.
class ScratchDir {
 public:
  ScratchDir() { boost::filesystem::create_directories(path_); }
  ~ScratchDir() {
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Writes text as the file name and answers its path.
  std::string put(const std::string& name, const std::string& text) const {
    writeText(file(name), text);
    return file(name);
  }

 private:
  static boost::filesystem::path root() {
    const char* base = std::getenv("UNITCMN_TEST_TMP");
    return base ? boost::filesystem::path(base) : boost::filesystem::temp_directory_path();
  }
  const boost::filesystem::path path_ =
      root() / boost::filesystem::unique_path("unitCmnTest-%%%%-%%%%-%%%%");
};
