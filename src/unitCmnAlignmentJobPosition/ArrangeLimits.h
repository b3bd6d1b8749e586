// Every limit an arrangement puts on what the jobs ask for, in one place
// (the reasoning is in docs/limits.md). Counts are checked before anything
// is made from them, so an absurd copy, page or tile count in a job costs
// nothing but the refusal.
#pragma once

#include <string>

#include "unitCmnJobParam/CompositeSection.h"

class ArrangeLimits {
 public:
  // Units (copies, pages, tiles, jig images) one run places, all jobs
  // together; a job alone is held to the same number. Every sheet holds at
  // least one unit, so this bounds the sheets of a run too.
  static constexpr long long kMaxUnitsPerRun = 100000;
  // Columns ("tileScanDivision") and rows ("tileFeedDivision") of a tiled
  // job: a tile's place is the sum of the sizes before it, so the grid's
  // side bounds the work per tile.
  static constexpr int kMaxTileDivisions = 1000;
  // Members ("Member" of the primary job) of one jig run: each is read
  // before any image is counted, so the list's length bounds that work.
  static constexpr unsigned long long kMaxJigMembers = 1000;
  // Units of one run of the guillotine packing (the cutter kinds and the
  // stand-alone slitter): its cost grows with the square of the units.
  static constexpr unsigned long long kMaxCutterUnits = 5000;

  // Raises, naming the job, when a tiled job's grid passes
  // kMaxTileDivisions across or along; any other job passes.
  static void requireTileGrid(const std::string& jobId, const CompositeSection& composite);
};
