// Kind 4: units for a Fotoba trimmer. The layout is cut by straight cuts
// through the whole piece, across and along the media (GuillotinePlacement),
// inside the frame and with the gaps the primary job's Fotoba settings ask
// for (FotobaMarks); units are turned where the job allows it when that
// saves media. Centred across unless the marks are left-justified.
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/guillotine/CutterLayout.h"

class FotobaMarkCompositeArranger : public AbCompositeArranger {
 protected:
  specialityType::DimDouble areaOf(const CompositeArrangerData& data, const RunJobs& run) override;
  void placeEntries(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    const CompositeArrangerData& data) override;

 private:
  CutterLayout cutter_;  // of the run's primary job, read with the area
  bool centred_ = false;
};
