// Test helpers: jobs made from short INI texts (missing keys read as 0) and
// the record an execution hands the arrangers.
#pragma once

#include <string>

#include "support/JobTexts.h"
#include "unitCmnAlignmentJobPosition/frame/CompositeArrangerData.h"

// A job with the given id whose image is width x height mm, with extra
// "Composite" lines and extra sections appended.
inline std::string jobText(const std::string& id, double width, double height,
                           const std::string& compositeLines = "",
                           const std::string& moreSections = "") {
  return "[Job]\nJobID=\"" + id + "\"\nParamVersion=\"1.17\"\n[Print]\nregisterMarkShape=0\n" +
         "[Composite]\nscale=" + std::to_string(width) + "," + std::to_string(height) + "\n" +
         compositeLines + moreSections;
}

// The jobs of one execution and the record that hands them to an arranger.
class TestJobs : public TextJobs {
 public:
  using TextJobs::TextJobs;

  CompositeArrangerData data(int kind, double width, double length, double gapScan = 0,
                             double gapFeed = 0) const {
    CompositeArrangerData d;
    d.jobs = jobs();
    d.arrangeKind = kind;
    d.printableWidth = width;
    d.printableLength = length;
    d.duplicateMarginScan = gapScan;
    d.duplicateMarginFeed = gapFeed;
    return d;
  }
};
