#include "unitCmnAlignmentJobPosition/ArrangeKinds.h"

#include <iterator>

#include "unitCmnAlignmentJobPosition/composite/BlockMoveCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/composite/FotobaMarkCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/composite/MinimumSizeCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/composite/NoAutoRotationCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/composite/NoRotationCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/composite/SequentialCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/composite/TwinRollCompositeArranger.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingFotobaMarkArranger.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingJigArranger.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingMinimumSizeArranger.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingSequentialArranger.h"
#include "unitCmnAlignmentJobPosition/grouping/GroupingXYSlitterArranger.h"
#include "unitCmnAlignmentJobPosition/tiling/TileArrangeNest.h"
#include "unitCmnAlignmentJobPosition/tiling/TileArrangeSequential.h"
#include "unitCmnAlignmentJobPosition/tiling/TileArrangeByPrintArea.h"
#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

using F = ArrangeFamily;

template <class Arranger>
ArrangeKind::CompositeMaker maker() {
  return [] { return std::unique_ptr<AbCompositeArranger>(std::make_unique<Arranger>()); };
}

template <class Arranger>
ArrangeKind::TilingMaker tileMaker() {
  return [] { return std::unique_ptr<AbTilingArranger>(std::make_unique<Arranger>()); };
}

// Kind 0 turns entries automatically before the sequential placement,
// kind 9 keeps them as built.
std::unique_ptr<AbCompositeArranger> sequentialRotating() {
  return std::make_unique<SequentialCompositeArranger>(true);
}
std::unique_ptr<AbCompositeArranger> sequentialAsBuilt() {
  return std::make_unique<SequentialCompositeArranger>(false);
}

// A grouping kind that runs: the arranger and its variant.
template <class Arranger, auto rotation, auto order>
ArrangeKind grouping(int number, const char* name) {
  return {number, name, F::Grouping, "", nullptr, nullptr, nullptr, [] {
            return std::unique_ptr<AbGroupingArranger>(std::make_unique<Arranger>(rotation, order));
          }};
}

// A grouping kind whose arranger takes only the order.
template <class Arranger, auto order>
ArrangeKind ordered(int number, const char* name) {
  return {number, name, F::Grouping, "", nullptr, nullptr, nullptr, [] {
            return std::unique_ptr<AbGroupingArranger>(std::make_unique<Arranger>(order));
          }};
}

using Sequential = GroupingSequentialArranger;
using MinimumSize = GroupingMinimumSizeArranger;
using Order = AbGroupingArranger::GroupOrder;
using Turn = MinimumSize::RotationStep;
constexpr const char* kGroupingSequential = "GroupingSequentialArranger";
constexpr const char* kGroupingMinimumSize = "GroupingMinimumSizeArranger";

constexpr const char* kGroupingTwin = "★未実装　getGroupingArranger TWIN";

const ArrangeKind kKinds[] = {
    {0, "SequentialCompositeArranger", F::JobPosition, "Sequential", sequentialRotating, nullptr,
     nullptr},
    {1, "MinimumSizeCompositeArranger", F::JobPosition, "MinimumSize",
     maker<MinimumSizeCompositeArranger>(), nullptr, nullptr},
    {2, "NoRotationCompositeArranger", F::JobPosition, "NoRotation",
     maker<NoRotationCompositeArranger>(), nullptr, nullptr},
    {3, "NoAutoRotationCompositeArranger", F::JobPosition, "NoAutoRotation",
     maker<NoAutoRotationCompositeArranger>(), nullptr, nullptr},
    {4, "FotobaMarkCompositeArranger", F::JobPosition, "FotobaMark",
     maker<FotobaMarkCompositeArranger>(), nullptr, nullptr},
    {5, "TwinRollCompositeArranger", F::JobPosition, "TwinRoll",
     maker<TwinRollCompositeArranger>(), nullptr, nullptr},
    {6, "TileArrangeNest", F::Tiling, "", nullptr, tileMaker<TileArrangeNest>(), nullptr},
    {7, "TileArrangeSequential", F::Tiling, "", nullptr, tileMaker<TileArrangeSequential>(),
     nullptr},
    {8, "TileArrangeUnspecified", F::Tiling, "", nullptr, tileMaker<TileArrangeByPrintArea>(),
     nullptr},
    {9, "SequentialCompositeArranger", F::JobPosition, "Sequential", sequentialAsBuilt, nullptr,
     nullptr},
    {10, "NoRotationCompositeArranger", F::JobPosition, "MinimumSize",
     maker<NoRotationCompositeArranger>(), nullptr, nullptr},
    {11, "NoAutoRotationCompositeArranger", F::JobPosition, "MinimumSize",
     maker<NoAutoRotationCompositeArranger>(), nullptr, nullptr},
    {12, "BlockMoveCompositeArranger", F::JobPosition, "BlockMove",
     maker<BlockMoveCompositeArranger>(), nullptr, nullptr},
    grouping<Sequential, true, Order::Grouping>(13, kGroupingSequential),
    grouping<Sequential, true, Order::Duplicate>(14, kGroupingSequential),
    grouping<Sequential, false, Order::Grouping>(15, kGroupingSequential),
    grouping<Sequential, false, Order::Duplicate>(16, kGroupingSequential),
    grouping<MinimumSize, Turn::Landscape, Order::Grouping>(17, kGroupingMinimumSize),
    grouping<MinimumSize, Turn::Landscape, Order::Duplicate>(18, kGroupingMinimumSize),
    grouping<MinimumSize, Turn::Upright, Order::Grouping>(19, kGroupingMinimumSize),
    grouping<MinimumSize, Turn::Upright, Order::Duplicate>(20, kGroupingMinimumSize),
    grouping<MinimumSize, Turn::AsBuilt, Order::Grouping>(21, kGroupingMinimumSize),
    grouping<MinimumSize, Turn::AsBuilt, Order::Duplicate>(22, kGroupingMinimumSize),
    ordered<GroupingXYSlitterArranger, Order::Grouping>(23, "GroupingXYSlitterArranger"),
    ordered<GroupingXYSlitterArranger, Order::Duplicate>(24, "GroupingXYSlitterArranger"),
    ordered<GroupingFotobaMarkArranger, Order::Grouping>(25, "GroupingFotobaMarkArranger"),
    ordered<GroupingFotobaMarkArranger, Order::Duplicate>(26, "GroupingFotobaMarkArranger"),
    // Twin-roll grouping has no arranger at all, in any build.
    {27, "GroupingTwinRoll", F::Grouping, "", nullptr, nullptr, kGroupingTwin},
    {28, "GroupingTwinRoll", F::Grouping, "", nullptr, nullptr, kGroupingTwin},
    ordered<GroupingJigArranger, Order::Grouping>(29, "GroupingJigArranger"),
    ordered<GroupingJigArranger, Order::Duplicate>(30, "GroupingJigArranger"),
};

}  // namespace

std::string ArrangeKind::label() const {
  return "arrangement kind " + std::to_string(number) + " (" + (*policy ? policy : name) + ")";
}

const ArrangeKind* ArrangeKinds::find(int number) {
  // The rows are in number order from 0, so the number is the index.
  if (number < 0 || number >= static_cast<int>(std::size(kKinds))) return nullptr;
  return &kKinds[number];
}

std::string ArrangeKinds::policyName(int number) {
  const ArrangeKind* kind = find(number);
  return kind ? kind->policy : "";
}

void ArrangeKinds::requireAvailable(const ArrangeKind& kind) {
  if (kind.unavailable == nullptr) return;
  unitCmnGuard::raise(UNITCMN_SITE, kind.unavailable);
}
