#include "unitCmnAlignmentJobPosition/frame/ArrangementWriter.h"

#include "unitCmnAlignmentJobPosition/frame/CompositeTurn.h"
#include "unitCmnAlignmentJobPosition/frame/MarkSettings.h"

namespace {
constexpr double kReprintAllowance = 25.0;  // mm
}  // namespace

ArrangementWriter::ArrangementWriter(RunJobs& run, Layout layout)
    : run_(run), layout_(std::move(layout)) {
  const PrintSection& print = run_.firstPrint();
  markMargin_ = MarkSettings::of(print).layoutMargin();
  reprintMargin_ = print.rePrint ? kReprintAllowance : 0.0;
}

bool ArrangementWriter::unitOf(const ArrangeEntry& e, const RunJob& job, BinaryUnitSection& unit) {
  const auto found = job.units.find(e.StrCompositeKey);
  if (found != job.units.end()) {
    unit = found->second;
    return true;
  }
  const std::string named = JobParam::binaryUnitSectionName(e.CompositeId, e.PageNum, e.Tile1,
                                                            e.Tile2, e.CopyNum, e.RowNum);
  if (named != e.StrCompositeKey) return false;
  unit = BinaryUnitSection();
  unit.compositeID = e.CompositeId;
  unit.pageNumber = e.PageNum;
  unit.rowNumber = e.RowNum;
  unit.copyNumber = e.CopyNum;
  unit.tileNumber = IntPair{e.Tile1, e.Tile2};
  return true;
}

ArrangeSection& ArrangementWriter::sheetOf(RunJob& job, int sheet) const {
  auto found = job.sheets.find(sheet);
  if (found != job.sheets.end()) return found->second;
  ArrangeSection section = run_.arrangeTemplate();
  section.arrangeNumber = sheet;
  section.compositeKeys.clear();
  section.arrangePolicy = layout_.policy;
  // A centred layout records the area it was centred in.
  if (layout_.centerInScan) section.printArea = {0.0, 0.0, layout_.area.width, layout_.area.height};
  return job.sheets.emplace(sheet, section).first->second;
}

void ArrangementWriter::write(const std::vector<ArrangeEntry>& entries) {
  std::vector<std::vector<int>> rotations(run_.size());  // of each job's placed units
  for (size_t k = 0; k < run_.size(); ++k) {
    run_[k].arranged = true;
    run_[k].sheets.clear();
    run_[k].placedUnits.clear();
  }
  int zOrder = 0;
  for (const ArrangeEntry& e : entries) {
    if (e.JobIdx < 0 || static_cast<size_t>(e.JobIdx) >= run_.size()) break;
    RunJob& job = run_[static_cast<size_t>(e.JobIdx)];
    BinaryUnitSection unit;
    if (job.compositeId != e.CompositeId || !unitOf(e, job, unit)) break;
    sheetOf(job, e.ArrangeNum).compositeKeys.push_back(e.StrCompositeKey);
    unit.zOrder = ++zOrder;
    unit.offset = {markMargin_ + e.X + reprintMargin_ + (layout_.codeRight ? layout_.codeMargin : 0.0),
                   markMargin_ + e.Y + reprintMargin_ + (layout_.codeBottom ? layout_.codeMargin : 0.0)};
    job.placedUnits.emplace_back(e.StrCompositeKey, unit);
    rotations[static_cast<size_t>(e.JobIdx)].push_back(static_cast<int>(e.Rotation));
    if (static_cast<int>(e.Rotation) != job.composite.rotate) {
      CompositeTurn::turnTo(job.composite, static_cast<int>(e.Rotation));
      job.compositeChanged = true;
    }
  }
  for (size_t k = 0; k < run_.size(); ++k) setRelativeRotations(run_[k], rotations[k]);
}

void ArrangementWriter::setRelativeRotations(RunJob& job, const std::vector<int>& rotations) {
  for (size_t i = 0; i < job.placedUnits.size(); ++i)
    job.placedUnits[i].second.relativeRotation =
        ((rotations[i] - job.composite.rotate) % 360 + 360) % 360;
}
