// Writes a placed layout back into the run's jobs (RunJob: the sections
// reach the jobs when the run commits). Each job gets, for every sheet
// that holds units of it, an "Arrange" + sheet section made from the
// template (the first job's first arrangement section, or the record's
// defaults) listing its units on that sheet, and one binary-unit section
// per placed unit with its z-order and offset. The jobs' old arrangement
// and binary-unit sections are replaced. A job whose unit was turned gets
// its composite record turned to match; since one record serves all its
// units, each unit's "relativeRotation" says how far it is turned from the
// record's "rotate" (0 unless units of one job were placed differently).
//
// Offsets are on the media: the entry's place plus what UnitOffsetRule adds
// (the register-mark margin around the layout, the re-print allowance and
// the code strip), plus what the layout's extraOffset gives the entry (the
// grouping kinds' margins; nothing for the composite kinds).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnAlignmentJobPosition/frame/RunJobs.h"
#include "unitCmnAlignmentJobPosition/frame/UnitOffsetRule.h"
#include "unitCmnJobSizeCalc/Geometry.h"

class ArrangementWriter {
 public:
  struct Layout {
    std::string policy;  // written as "arrangePolicy"
    bool centerInScan = false;
    specialityType::DimDouble area;  // the printable area of the run
    double codeMargin = 0.0;
    bool codeRight = false;
    bool codeBottom = false;
    // Added to an entry's offset after the rule's margins; none when empty.
    std::function<DoublePair(const ArrangeEntry&)> extraOffset;
  };

  ArrangementWriter(RunJobs& run, Layout layout);

  // Stops, without error, at the first entry whose job or unit is not
  // found; the entries before it are written.
  void write(const std::vector<ArrangeEntry>& entries);

 private:
  // The unit an entry names: the job's own section, or the one the entry
  // building named for a job without units. False when neither.
  static bool unitOf(const ArrangeEntry& e, const RunJob& job, BinaryUnitSection& unit);
  ArrangeSection& sheetOf(RunJob& job, int sheet) const;
  // How far each placed unit is turned from its job's final "rotate".
  static void setRelativeRotations(RunJob& job, const std::vector<int>& rotations);

  DoublePair offsetOf(const ArrangeEntry& e) const;

  RunJobs& run_;
  Layout layout_;
  UnitOffsetRule offsets_;
};
