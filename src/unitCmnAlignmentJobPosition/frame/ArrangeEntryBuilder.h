// Makes the entries of an arrangement: one per binary unit of every job, in
// job order. A job's units are its binary-unit sections in the order of
// their names; a job without any gets one per page and copy (a tiled job:
// one per printed tile), named by the binary-unit naming rule, so every
// job is placed.
//
// An entry's size is the unit as placed: the trimmed image (the bounding
// box of the deskewed image), or the tile's size for a tile, plus the cut
// line on every side, the label strip below, and the register marks when
// they go around each entry (then KeepExtraHeight is set). The cut line,
// label and marks count as allowance (ExtraWidth, ExtraHeight).
//
// A run that would make more than ArrangeLimits::kMaxUnitsPerRun entries, or
// a unit without a finite positive size, is refused with an exception
// naming the job.
#pragma once

#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition/frame/ArrangeEntry.h"
#include "unitCmnAlignmentJobPosition/frame/MarkSettings.h"
#include "unitCmnAlignmentJobPosition/frame/RunJobs.h"

class ArrangeEntryBuilder {
 public:
  explicit ArrangeEntryBuilder(const RunJobs& run);

  // Entries know their job by its index in the run.
  std::vector<ArrangeEntry> build() const;

 private:
  struct Unit {
    std::string name;
    int page = 0, row = 0, copy = 0, tile1 = 0, tile2 = 0;
  };

  // The job's units; total counts the units of the run so far.
  static std::vector<Unit> unitsOf(const RunJob& job, long long& total);
  static std::vector<Unit> generatedUnits(const RunJob& job);
  static long long generatedCount(const CompositeSection& composite);
  ArrangeEntry entryOf(const RunJob& job, const Unit& unit) const;

  const RunJobs& run_;
  MarkSettings marks_;
};
