// What a grouping run knows about its group, taken from the grouping
// primary (the job whose "JobID" is its own "GroupingPrimary") and from
// every job: the member list, the group's duplicates and margins, the
// primary's arrangement margins, and three maps that the steps look
// entries up in by their job's identifier. Millimetres.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "unitCmnJobParam/PrintSection.h"

struct GroupingInfo {
  // top, bottom, left, right
  using Margins = std::array<double, 4>;

  std::string primaryJobId;
  int32_t duplicateCount = 0;  // copies of the whole group across the media
  double marginScan = 0.0;     // between group copies across
  double marginFeed = 0.0;
  double marginTop = 0.0, marginBottom = 0.0, marginLeft = 0.0, marginRight = 0.0;
  double arrangeMarginTop = 0.0, arrangeMarginBottom = 0.0;
  double arrangeMarginLeft = 0.0, arrangeMarginRight = 0.0;

  // Every job's "JobID" to its outer copy margins ("duplicateMarginOuter...").
  std::unordered_map<std::string, Margins> outerMargins{8};
  // Member "JobID" to its group index (0, 1, ... in member-list order).
  std::unordered_map<std::string, int32_t> groupIndexes{8};
  // Member "JobID" to whether its units keep their places.
  std::unordered_map<std::string, bool> positionLocks{8};
  std::vector<std::string> members;  // found members, in member-list order

  // The primary's "Print": the XY-slitter, Fotoba and register-mark
  // settings of the group, for the kinds that use them.
  PrintSection primaryPrint;

  int32_t groupIndexOf(const std::string& jobId) const {
    const auto found = groupIndexes.find(jobId);
    return found == groupIndexes.end() ? 0 : found->second;
  }
  bool isLocked(const std::string& jobId) const {
    const auto found = positionLocks.find(jobId);
    return found != positionLocks.end() && found->second;
  }
  Margins outerMarginsOf(const std::string& jobId) const {
    const auto found = outerMargins.find(jobId);
    return found == outerMargins.end() ? Margins{} : found->second;
  }
};
