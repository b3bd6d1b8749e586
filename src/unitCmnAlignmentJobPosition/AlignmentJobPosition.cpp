#include "unitCmnAlignmentJobPosition/AlignmentJobPosition.h"

#include "unitCmnAlignmentJobPosition/MinimumSizeCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/NoAutoRotationCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/NoRotationCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/SequentialCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/TwinRollCompositeArranger.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

std::unique_ptr<AbCompositeArranger> makeComposite(int kind) {
  switch (kind) {
    case 0: case 9: return std::make_unique<SequentialCompositeArranger>();
    case 1: return std::make_unique<MinimumSizeCompositeArranger>();
    case 2: case 10: return std::make_unique<NoRotationCompositeArranger>();
    case 3: case 11: return std::make_unique<NoAutoRotationCompositeArranger>();
    case 5: return std::make_unique<TwinRollCompositeArranger>();
    default: return nullptr;
  }
}

}  // namespace

AlignmentJobPosition::AlignmentJobPosition() = default;

AlignmentJobPosition::~AlignmentJobPosition() = default;

void AlignmentJobPosition::getArranger(int arrangeKind) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    // The Fotoba-mark and block-move arrangements are not part of this
    // build; running an earlier kind's arranger instead would be wrong.
    if (arrangeKind == 4 || arrangeKind == 12)
      unitCmnGuard::raise(UNITCMN_SITE, "arrangement kind " + std::to_string(arrangeKind) +
                                            " (" + AbCompositeArranger::policyName(arrangeKind) +
                                            ") is not available in this build");
    if (auto arranger = makeComposite(arrangeKind)) compositeArranger_ = std::move(arranger);
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
