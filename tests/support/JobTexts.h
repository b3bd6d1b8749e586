// Test helpers for jobs: INI sections assembled into job texts, and the
// JobParams read from such texts (or from data files, support/TestFiles.h),
// owned together as the jobs of one run.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "support/LogCapture.h"
#include "support/TestFiles.h"
#include "unitCmnJobParam/JobParam.h"

inline std::string iniSection(const std::string& name, const std::string& body) {
  return "[" + name + "]\n" + body + "\n";
}

// Jobs read from texts (each read must succeed), in the order added;
// jobs() is the list a calculator or an arranger takes.
class TextJobs {
 public:
  TextJobs() = default;
  TextJobs(std::initializer_list<std::string> texts) {
    for (const std::string& text : texts) add(text);
  }
  TextJobs(const TextJobs&) = delete;
  TextJobs& operator=(const TextJobs&) = delete;

  JobParam& add(const std::string& text) {
    owned_.push_back(std::make_unique<JobParam>());
    EXPECT_TRUE(owned_.back()->readParamData(text)) << text;
    list_.push_back(owned_.back().get());
    return *owned_.back();
  }
  const std::vector<JobParam*>& jobs() const { return list_; }
  JobParam& operator[](size_t i) const { return *list_.at(i); }

 private:
  LogCapture log_;  // short job texts miss most keys; keep the log quiet
  std::vector<std::unique_ptr<JobParam>> owned_;
  std::vector<JobParam*> list_;
};
