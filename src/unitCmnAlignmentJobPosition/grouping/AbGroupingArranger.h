// Base of the arrangers that place several jobs together as one group, and
// the frame of their run. It builds on the composite frame and reuses its
// steps (printable area, entries, rotation rules, order by height, the
// register-mark check, the write-back into the run, the copy margins and
// the rectangle of sheet 1). arrange() reads each job once (RunJobs), then:
//   1. the group information (from the grouping primary), the group's
//      printable area, the entries of every job with their group index,
//      split into movable ones and locked ones (which keep the place their
//      job text holds), and the kind's placement of the movable ones
//      (placeGroup); the locked ones are appended after them;
//   2. with register marks around each entry, a layout that needs a second
//      sheet switches the first job to marks around the whole layout and
//      step 1 runs once more;
//   3. the write-back with the group margins, the copy margins, the commit
//      into the jobs and the rectangle of sheet 1.
// Nothing reaches the jobs before step 3, so a run that fails leaves every
// job as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingArrangerData.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingInfo.h"
#include "unitCmnAlignmentJobPosition/placement/CornerPointPlacement.h"

class AbGroupingArranger : public AbCompositeArranger {
 public:
  // The two orders of a group's entries. Grouping: by group, within a group
  // by copy; duplicate: by copy, within a copy by group. Both then by
  // OrderNum, ties keeping their order.
  enum class GroupOrder { Grouping, Duplicate };

  // A grouping arranger has no job-position arrangement: nothing, all zero.
  specialityType::RectDouble arrange(CompositeArrangerData) override { return {}; }
  virtual specialityType::RectDouble arrange(GroupingArrangerData data);
  // How the selection logs the arranger ("SEQUENTIAL", "MIN_SIZE").
  virtual const char* selectionName() const = 0;

  // The first job whose "JobID" is not empty and equals its own
  // "GroupingPrimary"; raises "Not found Grouping Primary" when none is.
  static std::size_t findGroupingPrimary(const RunJobs& run);
  // Raises for margins that are not lengths of 0 mm or more.
  static void buildGroupingInfo(GroupingInfo* info, const RunJobs& run);
  // The printable area less the primary's arrangement margins and the group
  // margins on both sides; an unlimited length stays unlimited.
  specialityType::DimDouble editPrintableArea(const GroupingArrangerData& data, const RunJobs& run,
                                              const GroupingInfo* info);
  // Every job's entries with their GroupIdx; those of locked members go to
  // locked, at the place their unit's "offset" gives, on the sheet of the
  // job's arrangement section that lists the unit (1 when none does).
  void buildOriginalArrangeEntries(const RunJobs& run, const GroupingInfo* info,
                                   std::vector<ArrangeEntry>& movable,
                                   std::vector<ArrangeEntry>& locked) const;

  // Stable sorts, ascending.
  static std::vector<ArrangeEntry> sortByGroupIdx(std::vector<ArrangeEntry> entries);
  static std::vector<ArrangeEntry> sortByCopyNum(std::vector<ArrangeEntry> entries);
  static std::vector<ArrangeEntry> sortByOrderNum(std::vector<ArrangeEntry> entries);
  // Three stable sorts in a row, the last giving the outermost key.
  static std::vector<ArrangeEntry> ordered(std::vector<ArrangeEntry> entries, GroupOrder order);

  // Writes the layout into the run: the composite write-back, with the
  // group margins (right and bottom, the primary's arrangement margins and
  // the group's) added to the offsets of entries that are not held in place.
  void updateCompositeArrangement(const std::vector<ArrangeEntry>& entries, RunJobs& run,
                                  int arrangeKind, bool centerInScan,
                                  const GroupingInfo* info) const;
  // Moves each sheet's entries right so that the group, repeated as often
  // as "groupingDuplicateCount" asks and as fits, sits in the middle of the
  // area width.
  static void CenterOffsetSetting(std::vector<ArrangeEntry>& entries,
                                  const specialityType::DimDouble& area, const GroupingInfo* info);
  // The corners of the locked entries on a sheet, without gaps.
  static std::vector<CornerPointPlacement::Point> lockedCandidatePoints(
      const std::vector<ArrangeEntry>& locked, int32_t sheet);
  static void DebugOutputEntries(const std::string& title,
                                 const std::vector<ArrangeEntry>& entries);

 protected:
  // The kind's placement of the movable entries (rotation, order, X, Y and
  // ArrangeNum); the locked ones are where they stay.
  virtual void placeGroup(std::vector<ArrangeEntry>& entries,
                          const std::vector<ArrangeEntry>& locked,
                          const specialityType::DimDouble& area, const GroupingArrangerData& data,
                          const GroupingInfo& info) = 0;
  // Whether the group margins come off the printable area (the Fotoba kinds
  // keep their own).
  virtual bool groupMarginsInArea() const { return true; }

 private:
  // The job-position placement step; a grouping run never takes it.
  void placeEntries(std::vector<ArrangeEntry>&, const specialityType::DimDouble&,
                    const CompositeArrangerData&) override {}
  specialityType::RectDouble arrangeGroup(const GroupingArrangerData& data);
  // Step 1 of the frame; records the area for the write-back.
  std::vector<ArrangeEntry> placePass(const GroupingArrangerData& data, const RunJobs& run,
                                      GroupingInfo& info);
  static void requireOnMedia(const std::vector<ArrangeEntry>& locked,
                             const specialityType::DimDouble& media);

  specialityType::DimDouble groupArea_;  // of the last pass
};
