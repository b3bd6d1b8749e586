// The group a set of job texts describes, read the way the grouping
// execution reads it:
//  - the grouping primary: the first job whose "JobID" is not empty and
//    equals its "Job" "GroupingPrimary";
//  - the members: the primary's "Print" "groupingMember" in list order,
//    keeping only names of loaded main jobs (a "JobID" equal to its
//    "Primary"), each once;
//  - the locked members: those whose "Composite" has
//    "duplicatePositionLock", or every member when the primary's "Print"
//    has "groupingPositionLock";
//  - "groupingDuplicateCount" and the margins: the primary's
//    "groupingMarginTop/Bottom/Left/Right" and the "arrangeMargin*" of its
//    "Arrange1".
#pragma once

#include <set>
#include <string>
#include <vector>

#include "JobText.h"

// Four margins in mm, by the side the job keys name.
struct SideMargins {
  double top = 0.0, bottom = 0.0, left = 0.0, right = 0.0;
};

class GroupSettings {
 public:
  explicit GroupSettings(const std::vector<JobText>& jobs);

  bool hasPrimary() const { return !primaryId_.empty(); }
  const std::string& primaryId() const { return primaryId_; }
  const std::vector<std::string>& members() const { return members_; }
  bool isMember(const std::string& jobId) const;
  bool isLocked(const std::string& jobId) const { return locked_.count(jobId) != 0; }
  // Why a member is locked: the key that locks it; "" when it is not.
  std::string lockReason(const std::string& jobId) const;
  int duplicateCount() const { return duplicateCount_; }
  const SideMargins& groupMargins() const { return group_; }
  const SideMargins& arrangeMargins() const { return arrange_; }

 private:
  std::string primaryId_;
  std::vector<std::string> members_;
  std::set<std::string> locked_;
  bool allLocked_ = false;
  int duplicateCount_ = 0;
  SideMargins group_, arrange_;
};
