#include "unitCmnAlignmentJobPosition/ArrangementWriter.h"

#include "unitCmnAlignmentJobPosition/CompositeTurn.h"
#include "unitCmnAlignmentJobPosition/JobIdentity.h"
#include "unitCmnAlignmentJobPosition/MarkSettings.h"

namespace {
constexpr double kReprintAllowance = 25.0;  // mm
}  // namespace

ArrangementWriter::ArrangementWriter(const std::vector<JobParam*>& jobs, Layout layout)
    : jobs_(jobs), layout_(std::move(layout)) {
  const auto ids = JobIdentity::compositeIds(jobs_);
  for (size_t k = 0; k < ids.size(); ++k) jobIndex_[ids[k]] = k;
  PrintSection print;
  jobs_.front()->getPrintSection(print);
  markMargin_ = MarkSettings::of(print).layoutMargin();
  reprintMargin_ = print.rePrint ? kReprintAllowance : 0.0;
  std::map<std::string, ArrangeSection> sections;
  jobs_.front()->getArrangeSections(sections);
  const auto first = sections.find("Arrange1");
  if (first != sections.end()) template_ = first->second;
  else if (!sections.empty()) template_ = sections.begin()->second;
}

bool ArrangementWriter::unitOf(const ArrangeEntry& e, const JobResult& job,
                               BinaryUnitSection& unit) const {
  const auto found = job.oldUnits.find(e.StrCompositeKey);
  if (found != job.oldUnits.end()) {
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

ArrangeSection& ArrangementWriter::sheetOf(JobResult& job, int sheet) const {
  auto found = job.sheets.find(sheet);
  if (found != job.sheets.end()) return found->second;
  ArrangeSection section = template_;
  section.arrangeNumber = sheet;
  section.compositeKeys.clear();
  section.arrangePolicy = layout_.policy;
  // A centred layout records the area it was centred in.
  if (layout_.centerInScan) section.printArea = {0.0, 0.0, layout_.area.width, layout_.area.height};
  return job.sheets.emplace(sheet, section).first->second;
}

void ArrangementWriter::write(const std::vector<ArrangeEntry>& entries) {
  std::vector<JobResult> results(jobs_.size());
  for (size_t k = 0; k < jobs_.size(); ++k) {
    jobs_[k]->getBinaryUnitSections(results[k].oldUnits);
    jobs_[k]->getCompositeSection(results[k].composite);
  }
  int zOrder = 0;
  for (const ArrangeEntry& e : entries) {
    const auto job = jobIndex_.find(e.CompositeId);
    if (job == jobIndex_.end()) break;
    JobResult& result = results[job->second];
    BinaryUnitSection unit;
    if (!unitOf(e, result, unit)) break;
    sheetOf(result, e.ArrangeNum).compositeKeys.push_back(e.StrCompositeKey);
    unit.zOrder = ++zOrder;
    unit.offset = {markMargin_ + e.X + reprintMargin_ + (layout_.codeRight ? layout_.codeMargin : 0.0),
                   markMargin_ + e.Y + reprintMargin_ + (layout_.codeBottom ? layout_.codeMargin : 0.0)};
    result.units.emplace_back(e.StrCompositeKey, unit);
    result.rotations.push_back(static_cast<int>(e.Rotation));
    if (static_cast<int>(e.Rotation) != result.composite.rotate)
      CompositeTurn::turnTo(result.composite, static_cast<int>(e.Rotation));
    result.placed = true;
  }
  for (size_t k = 0; k < jobs_.size(); ++k) store(*jobs_[k], results[k]);
}

void ArrangementWriter::store(JobParam& job, const JobResult& result) const {
  job.deleteArrangeSections();
  job.deleteBinaryUnitSections();
  for (const auto& sheet : result.sheets) job.setArrangeSection(sheet.first, sheet.second);
  for (size_t i = 0; i < result.units.size(); ++i) {
    BinaryUnitSection unit = result.units[i].second;
    unit.relativeRotation = ((result.rotations[i] - result.composite.rotate) % 360 + 360) % 360;
    job.setBinaryUnitSection(result.units[i].first, unit);
  }
  if (result.placed) job.setCompositeSection(result.composite);
}
