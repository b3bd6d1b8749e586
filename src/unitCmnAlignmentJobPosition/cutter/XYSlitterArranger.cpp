#include "unitCmnAlignmentJobPosition/cutter/XYSlitterArranger.h"

#include "unitCmnAlignmentJobPosition/cutter/SlitterMarks.h"
#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePlacement.h"
#include "unitCmnExceptions/unitCmnGuard.h"

std::size_t XYSlitterArranger::primaryOf(const RunJobs& run) {
  const std::string primary = run.empty() ? "" : run[0].identity.primary;
  for (std::size_t k = 0; k < run.size(); ++k)
    if (!primary.empty() && run[k].identity.jobID == primary) return k;
  unitCmnGuard::raise(UNITCMN_SITE, "XY slitter: no job is the primary job \"" + primary +
                                        "\" that the first job names");
}

bool XYSlitterArranger::arrange(const XYSlitterArrangerData& data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (data.layoutVariant > kLastVariant)
      unitCmnGuard::raise(UNITCMN_SITE, "XY slitter: there is no layout variant " +
                                            std::to_string(data.layoutVariant) + " (0 to " +
                                            std::to_string(kLastVariant) + ")");
    device_ = data.deviceFunctionParam;
    variant_ = data.layoutVariant;
    CompositeArrangerData composite;
    composite.jobs = data.jobs;
    composite.arrangeKind = -1;  // no kind of the table
    composite.duplicateMarginScan = data.gapScan;
    composite.duplicateMarginFeed = data.gapFeed;
    composite.centerInScan = data.centerInScan;
    composite.printableWidth = data.printableWidth;
    composite.printableLength = data.printableLength;
    AbCompositeArranger::arrange(composite);
    return true;
  });
}

void XYSlitterArranger::prepareRun(RunJobs& run) const {
  SlitterMarks::applyTo(run, primaryOf(run));
}

specialityType::DimDouble XYSlitterArranger::areaOf(const CompositeArrangerData& data,
                                                    const RunJobs& run) {
  cutter_ = SlitterMarks::layoutOf(run[primaryOf(run)].print, device_);
  return getPrintableArea(data, run);
}

void XYSlitterArranger::placeEntries(std::vector<ArrangeEntry>& entries,
                                     const specialityType::DimDouble& area,
                                     const CompositeArrangerData& data) {
  GuillotinePlacement::addBleeds(entries, cutter_);
  GuillotinePlacement::Settings settings;
  settings.area = area;
  settings.cutter = cutter_;
  settings.gapScan = data.duplicateMarginScan;
  settings.gapFeed = data.duplicateMarginFeed;
  settings.turns = variant_ != 2;
  settings.centerInScan = data.centerInScan;
  entries = sortByHeight(std::move(entries));
  GuillotinePlacement::place(entries, settings);
}
