// Base of every arranger that lays out the binary units of a set of jobs
// on the media. It holds the steps all of them share, in the order a kind
// uses them: the printable area, the entries, the rotation rules, the order
// by height, (the kind's own placement), the register-mark re-run check,
// the write-back into the jobs, the copy margins and the result rectangle.
// A concrete kind supplies arrange() around its placement step.
#pragma once

#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/ArrangeEntry.h"
#include "unitCmnAlignmentJobPosition/CompositeArrangerData.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class JobParam;

class AbCompositeArranger {
 public:
  virtual ~AbCompositeArranger();
  virtual specialityType::RectDouble arrange(CompositeArrangerData data) = 0;

  // The area the layout may use: the printable width and length less the
  // register marks around the layout and the OptiScout code strip. A
  // length of -1 (unlimited) stays -1; a negative size becomes 0.
  specialityType::DimDouble getPrintableArea(const CompositeArrangerData& data);
  // One entry per binary unit of every job, X, Y and ArrangeNum still 0.
  std::vector<ArrangeEntry> buildArrangeEntries(const CompositeArrangerData& data) const;
  static std::vector<ArrangeEntry> rotateLandscape(const std::vector<ArrangeEntry>& entries,
                                                   const specialityType::DimDouble& area);
  static std::vector<ArrangeEntry> resetRotation(const std::vector<ArrangeEntry>& entries);
  // Stable, tallest first.
  static std::vector<ArrangeEntry> sortByHeight(std::vector<ArrangeEntry> entries);
  static void rotate90(ArrangeEntry& e);
  static void rotate270(ArrangeEntry& e);

  // With register marks around each entry, a layout that needs a second
  // sheet switches the first job to marks around the whole layout (its
  // "Print" is written back) and answers true: the kind arranges again.
  bool checkRegisterMarkTarget(const std::vector<ArrangeEntry>& entries, JobParam* job) const;
  // Writes "Arrange" + sheet sections and the units' places into the jobs.
  void writeArrangement(const std::vector<ArrangeEntry>& entries,
                        const std::vector<JobParam*>& jobs, int arrangeKind,
                        bool centerInScan) const;
  static void writeDuplicateMargins(const std::vector<JobParam*>& jobs, double marginScan,
                                    double marginFeed);
  // The bounding rectangle of the entries on sheet 1; all zero when none.
  static specialityType::RectDouble getArrangedRect(const std::vector<ArrangeEntry>& entries);

  // The name written as "arrangePolicy" for a kind; "" for none.
  static std::string policyName(int arrangeKind);

  double getCodeMargin() const { return codeMargin; }
  bool getCodeRight() const { return codeRight; }
  bool getCodeBottom() const { return codeBottom; }

 protected:
  // The common end of a run: the re-run check (arranging again through
  // arrange() when it asks for it), then write-back, copy margins and the
  // result rectangle.
  specialityType::RectDouble finishArrangement(const std::vector<ArrangeEntry>& entries,
                                               const CompositeArrangerData& data);

  double codeMargin = 0.0;  // mm taken by the OptiScout code strip
  bool codeRight = false;   // the strip lies right: result X shift by codeMargin
  bool codeBottom = false;  // the strip lies below: result Y shift by codeMargin
  // The area of the run, recorded by the write-back of a centred layout;
  // getPrintableArea sets it.
  specialityType::DimDouble printableArea_;
};
