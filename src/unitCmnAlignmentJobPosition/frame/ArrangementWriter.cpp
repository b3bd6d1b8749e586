#include "unitCmnAlignmentJobPosition/frame/ArrangementWriter.h"

#include "unitCmnAlignmentJobPosition/frame/CompositeTurn.h"
#include "unitCmnExceptions/KvnCmnLog.h"

ArrangementWriter::ArrangementWriter(RunJobs& run, Layout layout)
    : run_(run),
      layout_(std::move(layout)),
      offsets_(run.firstPrint(), layout_.codeMargin, layout_.codeRight, layout_.codeBottom) {}

DoublePair ArrangementWriter::offsetOf(const ArrangeEntry& e) const {
  DoublePair offset = offsets_.offsetOf(e.X, e.Y);
  if (layout_.extraOffset) {
    const DoublePair extra = layout_.extraOffset(e);
    offset[0] += extra[0];
    offset[1] += extra[1];
  }
  return offset;
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
  // A centred layout records the area it was centred in, and a layout on
  // sheets of finite length records the area it filled, so that a reader
  // knows each sheet's length; a roll without centring keeps the template's.
  if (layout_.centerInScan || layout_.area.height > 0.0)
    section.printArea = {0.0, 0.0, layout_.area.width, layout_.area.height};
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
    if (e.JobIdx < 0 || static_cast<size_t>(e.JobIdx) >= run_.size() ||
        run_[static_cast<size_t>(e.JobIdx)].compositeId != e.CompositeId) {
      KvnCmnLog::logTrace(UNITCMN_SITE, "該当なし[itr.CompositeId]::" + e.CompositeId);
      break;
    }
    RunJob& job = run_[static_cast<size_t>(e.JobIdx)];
    BinaryUnitSection unit;
    if (!unitOf(e, job, unit)) {
      KvnCmnLog::logTrace(UNITCMN_SITE, "該当なし[itr.StrCompositeKey]::" + e.StrCompositeKey);
      break;
    }
    sheetOf(job, e.ArrangeNum).compositeKeys.push_back(e.StrCompositeKey);
    unit.zOrder = ++zOrder;
    unit.offset = offsetOf(e);
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
        CompositeTurn::normalized(static_cast<long long>(rotations[i]) - job.composite.rotate);
}
