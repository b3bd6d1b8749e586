// Test helpers for whole job files: the job texts under tests/data/jobs/,
// a scratch folder for files that reading may rewrite, and raw access to
// the values a JobParam holds.
#pragma once

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "unitCmnJobParam/JobParam.h"
#include "unitCmnParamIo/IniSectionDataEx.h"

inline std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string jobDataPath(const std::string& name) {
  return std::string(UNITCMN_TEST_DATA) + "/jobs/" + name;
}

inline std::string jobText(const std::string& name) { return fileText(jobDataPath(name)); }

// A fresh folder under UNITCMN_TEST_TMP (else the system's temp folder),
// removed with its contents afterwards.
struct JobScratchDir {
  const char* root = std::getenv("UNITCMN_TEST_TMP");
  const boost::filesystem::path path =
      (root ? boost::filesystem::path(root) : boost::filesystem::temp_directory_path()) /
      boost::filesystem::unique_path("jobParam-%%%%-%%%%-%%%%");
  JobScratchDir() { boost::filesystem::create_directories(path); }
  ~JobScratchDir() {
    boost::system::error_code ignored;
    boost::filesystem::remove_all(path, ignored);
  }

  // Writes text as the file name and dates it an hour back, so that a
  // rewrite shows in its modification time.
  std::string put(const std::string& name, const std::string& text) const {
    const std::string file = (path / name).string();
    std::ofstream(file, std::ios::binary) << text;
    boost::filesystem::last_write_time(file, std::time(nullptr) - 3600);
    return file;
  }
};

inline std::time_t modified(const std::string& path) {
  return boost::filesystem::last_write_time(path);
}

constexpr const char* kMissing = "<missing>";

// The raw value text of a key (quotes included), or kMissing when the
// section or the key is absent.
inline std::string rawValue(const JobParam& job, const std::string& section,
                            const std::string& key) {
  IniSectionDataEx data;
  if (!job.model().sectionExist(section)) return kMissing;
  job.model().getSectionData(section, &data);
  std::string raw;
  if (!data.hasKey(key)) return kMissing;
  data.getValueNonDq(key, raw);
  return raw;
}

inline std::vector<std::string> keysOf(const JobParam& job, const std::string& section) {
  IniSectionDataEx data;
  if (job.model().sectionExist(section)) job.model().getSectionData(section, &data);
  return data.keys();
}

inline std::string textOf(const JobParam& job) {
  std::string text;
  job.toText(text);
  return text;
}
