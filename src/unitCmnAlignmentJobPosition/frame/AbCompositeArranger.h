// Base of every arranger that lays out the binary units of a set of jobs
// on the media, and the frame of their run. arrange() reads each job once
// (RunJobs), then:
//   1. the area the kind places in (the printable area, unless the kind
//      says otherwise), the entries, and the kind's own placement step
//      (rotation rules, order and positions);
//   2. with register marks around each entry, a layout that needs a second
//      sheet switches the first job to marks around the whole layout and
//      step 1 runs once more (a second pass, never a third);
//   3. the write-back of the places, the copy margins, the commit into the
//      jobs and the result rectangle.
// Nothing reaches the jobs before step 3, so a run that fails leaves every
// job as it was. A concrete kind supplies placeEntries() (and may change
// the area and the re-run).
#pragma once

#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnAlignmentJobPosition/frame/CompositeArrangerData.h"
#include "unitCmnAlignmentJobPosition/frame/RunJobs.h"
#include "unitCmnAlignmentJobPosition/frame/UnitOffsetRule.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class AbCompositeArranger {
 public:
  virtual ~AbCompositeArranger();
  virtual specialityType::RectDouble arrange(CompositeArrangerData data);

  // The area the layout may use: the printable width and length less the
  // register marks around the layout and the OptiScout code strip. A
  // length of -1 (unlimited) stays -1; a negative size becomes 0.
  specialityType::DimDouble getPrintableArea(const CompositeArrangerData& data,
                                             const RunJobs& run);
  // One entry per binary unit of every job, X, Y and ArrangeNum still 0.
  static std::vector<ArrangeEntry> buildArrangeEntries(const RunJobs& run);
  static std::vector<ArrangeEntry> rotateLandscape(const std::vector<ArrangeEntry>& entries,
                                                   const specialityType::DimDouble& area);
  static std::vector<ArrangeEntry> resetRotation(const std::vector<ArrangeEntry>& entries);
  // Stable, tallest first.
  static std::vector<ArrangeEntry> sortByHeight(std::vector<ArrangeEntry> entries);
  static void rotate90(ArrangeEntry& e);
  static void rotate270(ArrangeEntry& e);

  // With register marks around each entry, a layout that needs a second
  // sheet puts the first job's marks around the whole layout and answers
  // true: the frame places once more.
  static bool checkRegisterMarkTarget(const std::vector<ArrangeEntry>& entries, RunJobs& run);
  // "Arrange" + sheet sections and the units' places, into the run.
  void writeArrangement(const std::vector<ArrangeEntry>& entries, RunJobs& run, int arrangeKind,
                        bool centerInScan) const;
  static void writeDuplicateMargins(RunJobs& run, double marginScan, double marginFeed);
  // The bounding rectangle of the entries on sheet 1; all zero when none.
  static specialityType::RectDouble getArrangedRect(const std::vector<ArrangeEntry>& entries);

 protected:
  // The kind's placement: X, Y and ArrangeNum of every entry, and the
  // turns the kind makes. The entries come in the order they were built.
  virtual void placeEntries(std::vector<ArrangeEntry>& entries,
                            const specialityType::DimDouble& area,
                            const CompositeArrangerData& data) = 0;
  // The area the kind places in.
  virtual specialityType::DimDouble areaOf(const CompositeArrangerData& data, const RunJobs& run) {
    return getPrintableArea(data, run);
  }
  // Whether the register-mark second pass applies to the kind.
  virtual bool rerunsForRegisterMarks() const { return true; }
  // Changes the kind makes to the jobs' records before anything is placed
  // (the XY slitter's marks replace register marks); they reach the jobs
  // with the commit.
  virtual void prepareRun(RunJobs&) const {}
  // The "arrangePolicy" of the arrangement sections.
  virtual std::string policyName(int arrangeKind) const;
  // What the write-back adds to a place, as the last printable area left
  // the code strip.
  UnitOffsetRule offsetRule(const RunJobs& run) const {
    return UnitOffsetRule(run.firstPrint(), codeMargin, codeRight, codeBottom);
  }

  double codeMargin = 0.0;  // mm taken by the OptiScout code strip
  bool codeRight = false;   // the strip lies right: result X shift by codeMargin
  bool codeBottom = false;  // the strip lies below: result Y shift by codeMargin

 private:
  // Step 1 of the frame; records the area for the write-back.
  std::vector<ArrangeEntry> placePass(const CompositeArrangerData& data, const RunJobs& run);

  specialityType::DimDouble printableArea_;  // of the last pass
};
