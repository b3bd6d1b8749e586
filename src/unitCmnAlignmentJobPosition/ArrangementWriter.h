// Writes a placed layout back into its jobs. Each job gets, for every sheet
// that holds units of it, an "Arrange" + sheet section made from the
// template (the first job's first arrangement section, or the record's
// defaults) listing its units on that sheet, and one binary-unit section
// per placed unit with its z-order and offset. The jobs' old arrangement
// and binary-unit sections are replaced. A job whose unit was turned gets
// its composite record turned to match; since one record serves all its
// units, each unit's "relativeRotation" says how far it is turned from the
// record's "rotate" (0 unless units of one job were placed differently).
//
// Offsets are on the media: the entry's place plus the register-mark
// margin around the layout, the re-print allowance (25 mm) and the code
// strip when it lies left of or above the layout.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/ArrangeEntry.h"
#include "unitCmnJobParam/JobParam.h"
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
  };

  ArrangementWriter(const std::vector<JobParam*>& jobs, Layout layout);

  // Stops, without error, at the first entry whose job or unit is not
  // found; the entries before it are written.
  void write(const std::vector<ArrangeEntry>& entries);

 private:
  struct JobResult {
    std::map<std::string, BinaryUnitSection> oldUnits;
    std::map<int, ArrangeSection> sheets;
    std::vector<std::pair<std::string, BinaryUnitSection>> units;
    std::vector<int> rotations;  // of each unit's entry, degrees
    CompositeSection composite;
    bool placed = false;
  };

  // The unit an entry names: the job's own section, or the one the entry
  // building named for a job without units. False when neither.
  bool unitOf(const ArrangeEntry& e, const JobResult& job, BinaryUnitSection& unit) const;
  ArrangeSection& sheetOf(JobResult& job, int sheet) const;
  void store(JobParam& job, const JobResult& result) const;

  const std::vector<JobParam*>& jobs_;
  Layout layout_;
  std::map<std::string, size_t> jobIndex_;
  ArrangeSection template_;
  double markMargin_ = 0.0;     // mm, marks around the whole layout
  double reprintMargin_ = 0.0;  // mm, room for a re-print
};
