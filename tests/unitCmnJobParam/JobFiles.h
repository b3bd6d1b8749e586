// Test helpers for whole job files: the job texts under tests/data/jobs,
// files dated back so that a rewrite shows, and raw access to the values a
// JobParam holds.
#pragma once

#include <boost/filesystem.hpp>
#include <ctime>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "unitCmnJobParam/JobParam.h"
#include "unitCmnParamIo/IniSectionDataEx.h"

inline std::string jobFileText(const std::string& name) { return dataText("jobs/" + name); }

// The text with its version "1.17" replaced.
inline std::string withVersion(std::string text, const std::string& version) {
  return text.replace(text.find("\"1.17\""), 6, "\"" + version + "\"");
}

inline std::time_t modified(const std::string& path) {
  return boost::filesystem::last_write_time(path);
}

// Writes text as the file name in dir and dates it an hour back, so that a
// rewrite shows in its modification time.
inline std::string putDatedBack(const ScratchDir& dir, const std::string& name,
                                const std::string& text) {
  const std::string file = dir.put(name, text);
  boost::filesystem::last_write_time(file, std::time(nullptr) - 3600);
  return file;
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
