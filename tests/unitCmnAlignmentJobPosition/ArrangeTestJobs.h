// Test helpers: jobs made from short INI texts (missing keys read as 0) and
// the record an execution hands the arrangers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/CompositeArrangerData.h"
#include "unitCmnJobParam/JobParam.h"

// A job with the given id whose image is width x height mm, with extra
// "Composite" lines and extra sections appended.
inline std::string jobText(const std::string& id, double width, double height,
                           const std::string& compositeLines = "",
                           const std::string& moreSections = "") {
  return "[Job]\nJobID=\"" + id + "\"\nParamVersion=\"1.17\"\n[Print]\nregisterMarkShape=0\n" +
         "[Composite]\nscale=" + std::to_string(width) + "," + std::to_string(height) + "\n" +
         compositeLines + moreSections;
}

class TestJobs {
 public:
  JobParam* add(const std::string& text) {
    jobs_.push_back(std::make_unique<JobParam>());
    jobs_.back()->readParamData(text);
    return jobs_.back().get();
  }

  CompositeArrangerData data(int kind, double width, double length, double gapScan = 0,
                             double gapFeed = 0) const {
    CompositeArrangerData d;
    for (const auto& job : jobs_) d.jobs.push_back(job.get());
    d.arrangeKind = kind;
    d.printableWidth = width;
    d.printableLength = length;
    d.duplicateMarginScan = gapScan;
    d.duplicateMarginFeed = gapFeed;
    return d;
  }

  JobParam& operator[](size_t i) { return *jobs_[i]; }

 private:
  std::vector<std::unique_ptr<JobParam>> jobs_;
};
