#include "unitCmnAlignmentJobPosition/AlignmentJobPosition.h"

#include "unitCmnAlignmentJobPosition/ArrangeKinds.h"
#include "unitCmnAlignmentJobPosition/grouping/AbGroupingArranger.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"

AlignmentJobPosition::AlignmentJobPosition() = default;

AlignmentJobPosition::~AlignmentJobPosition() = default;

void AlignmentJobPosition::getArranger(int arrangeKind) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    const ArrangeKind* kind = ArrangeKinds::find(arrangeKind);
    if (kind == nullptr || kind->family == ArrangeFamily::Grouping) return;
    // Running an earlier kind's arranger instead of one that cannot run
    // would be wrong.
    ArrangeKinds::requireAvailable(*kind);
    if (kind->family == ArrangeFamily::JobPosition) compositeArranger_ = kind->makeComposite();
    else tilingArranger_ = kind->makeTiling();
  });
}

void AlignmentJobPosition::getGroupingArranger(int arrangeKind) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    const ArrangeKind* kind = ArrangeKinds::find(arrangeKind);
    if (kind == nullptr || kind->family != ArrangeFamily::Grouping)
      unitCmnGuard::raise(UNITCMN_SITE, "★対象外　getGroupingArranger");
    ArrangeKinds::requireAvailable(*kind);
    groupingArranger_ = kind->makeGrouping ? kind->makeGrouping() : nullptr;
    if (groupingArranger_)
      KvnCmnLog::logTrace(UNITCMN_SITE,
                          std::string("getGroupingArranger ") + groupingArranger_->selectionName());
  });
}

specialityType::RectDouble AlignmentJobPosition::AlignmentJobPositionExec(
    CompositeArrangerData data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    getArranger(data.arrangeKind);
    if (!compositeArranger_) return specialityType::RectDouble{};
    return compositeArranger_->arrange(data);
  });
}

bool AlignmentJobPosition::AlignmentTilingPositionExec(const TilingArrangerData& data) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    const ArrangeKind* kind = ArrangeKinds::find(data.arrangeKind);
    if (kind == nullptr || kind->family != ArrangeFamily::Tiling) {
      KvnCmnLog::logTrace(UNITCMN_SITE, "not a tiling kind: " + std::to_string(data.arrangeKind));
      return false;
    }
    getArranger(data.arrangeKind);
    return tilingArranger_ && tilingArranger_->arrange(data);
  });
}

specialityType::RectDouble AlignmentJobPosition::AlignmentGroupingJobPositionExec(
    const GroupingArrangerData& data) {
  static const char* const kCaught[3] = {"unitCmnException 1", "unitCmnException 2",
                                         "unitCmnException 3"};
  return unitCmnGuard::runTraced(UNITCMN_SITE, kCaught, [&] {
    getGroupingArranger(data.arrangeKind);
    if (!groupingArranger_) {
      KvnCmnLog::logTrace(UNITCMN_SITE, "GroupingArranger is nullptr");
      return specialityType::RectDouble{};
    }
    KvnCmnLog::logTrace(UNITCMN_SITE, "AlignmentGroupingJobPositionExec 1");
    const auto rect = groupingArranger_->arrange(data);
    KvnCmnLog::logTrace(UNITCMN_SITE, "AlignmentGroupingJobPositionExec 2");
    return rect;
  });
}

