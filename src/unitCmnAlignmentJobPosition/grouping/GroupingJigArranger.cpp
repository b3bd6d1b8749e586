#include "unitCmnAlignmentJobPosition/grouping/GroupingJigArranger.h"

#include <algorithm>
#include <map>

#include "unitCmnAlignmentJobPosition/ArrangeLimits.h"
#include "unitCmnAlignmentJobPosition/jig/JigPictures.h"
#include "unitCmnAlignmentJobPosition/jig/JigPositioning.h"
#include "unitCmnAlignmentJobPosition/jig/JigRotation.h"
#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobParam/JobParam.h"

std::vector<ArrangeEntry> GroupingJigArranger::withDuplicates(
    const std::vector<ArrangeEntry>& group, int count) {
  const unsigned long long total =
      static_cast<unsigned long long>(group.size()) * static_cast<unsigned>(std::max(count, 1));
  InputLimit::require(UNITCMN_SITE, "jig grouping: the unit count of the group and its duplicates",
                      total, ArrangeLimits::kMaxUnitsPerRun, "units");
  std::map<int32_t, int32_t> lastCopy;  // of each job
  for (const ArrangeEntry& e : group) lastCopy[e.JobIdx] = std::max(lastCopy[e.JobIdx], e.CopyNum);
  std::vector<ArrangeEntry> all = group;
  for (int d = 1; d < count; ++d) {
    for (ArrangeEntry e : group) {
      e.CopyNum += d * lastCopy[e.JobIdx];
      e.StrCompositeKey =
          JobParam::binaryUnitSectionName(e.CompositeId, e.PageNum, e.Tile1, e.Tile2, e.CopyNum,
                                          e.RowNum);
      all.push_back(e);
    }
  }
  return all;
}

void GroupingJigArranger::placeGroup(std::vector<ArrangeEntry>& entries,
                                     const std::vector<ArrangeEntry>&,
                                     const specialityType::DimDouble&,
                                     const GroupingArrangerData& data, const GroupingInfo& info) {
  const JigParam& jig = data.jigParam;
  if (jig.pictureRectangles.empty())
    unitCmnGuard::raise(UNITCMN_SITE, "jig grouping: the jig has no pictures (was a jig given "
                                      "with InitJigParam?)");
  const JigPictures pictures(jig);
  const JigRotation rotation(jig);
  const JigPositioning positioning(jig.positioningPolicy, jig.invalidPrintArea);
  entries = withDuplicates(ordered(std::move(entries), order_), info.duplicateCount);
  // The write-back adds the group margins to a unit that its job does not
  // hold in place; the place on the jig is the offset, so they come off.
  const double marginX = info.arrangeMarginRight + info.marginRight;
  const double marginY = info.arrangeMarginBottom + info.marginBottom;
  const std::size_t n = pictures.size();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ArrangeEntry& e = entries[i];
    const DoublePair corner = positioning.place(pictures.boxes()[i % n], e.MmWidth, e.MmHeight);
    const DoublePair placed = rotation.placed(corner[0], corner[1], e.MmWidth, e.MmHeight);
    const bool margins = !e.NoRotationLocked;
    e.X = placed[0] - (margins ? marginX : 0.0);
    e.Y = placed[1] - (margins ? marginY : 0.0);
    e.ArrangeNum = static_cast<int32_t>(i / n) + 1;
  }
  DebugOutputEntries("updateEntriesPosition 後", entries);
}
