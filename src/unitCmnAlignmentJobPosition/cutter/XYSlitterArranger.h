// The stand-alone XY slitter arrangement: the units of every job laid out
// for an automatic XY slitter, which cuts the media with straight cuts
// through the whole piece across and along (GuillotinePlacement), inside
// the frame its marks and least cut-line offsets need, each unit with its
// bleeds (SlitterMarks, from the primary job and the device). The primary
// job is the job whose "JobID" is the first job's "Primary"; without one
// the run is refused. It runs the composite frame (entries, write-back,
// copy margins, commit at the end) with "arrangePolicy" "XYSlitter".
//
// Layout variants (argument 6): 0 and 1 the standard layout, units turned
// where the job allows it when that saves media; 2 every unit as the job
// turned it. Any other value is refused.
#pragma once

#include <cstddef>
#include <vector>

#include "unitCmnAlignmentJobPosition/cutter/XYSlitterArrangerData.h"
#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/guillotine/CutterLayout.h"

class XYSlitterArranger : public AbCompositeArranger {
 public:
  static constexpr uint32_t kLastVariant = 2;

  using AbCompositeArranger::arrange;
  // True when laid out and written; raises (a logged false at the
  // boundary) when refused.
  bool arrange(const XYSlitterArrangerData& data);
  // The primary job's index in the run; raises when there is none.
  static std::size_t primaryOf(const RunJobs& run);

 protected:
  void prepareRun(RunJobs& run) const override;
  specialityType::DimDouble areaOf(const CompositeArrangerData& data, const RunJobs& run) override;
  void placeEntries(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    const CompositeArrangerData& data) override;
  std::string policyName(int) const override { return "XYSlitter"; }

 private:
  DeviceFunctionParam device_;
  uint32_t variant_ = 0;
  CutterLayout cutter_;  // read with the area
};
