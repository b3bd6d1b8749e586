#include "unitCmnAlignmentJobPosition/frame/UnitOffsetRule.h"

#include "unitCmnAlignmentJobPosition/frame/MarkSettings.h"

namespace {
constexpr double kReprintAllowance = 25.0;  // mm
}  // namespace

UnitOffsetRule::UnitOffsetRule(const PrintSection& firstPrint, double codeMargin, bool codeRight,
                               bool codeBottom)
    : marks_(MarkSettings::of(firstPrint).layoutMargin()),
      reprint_(firstPrint.rePrint ? kReprintAllowance : 0.0),
      codeX_(codeRight ? codeMargin : 0.0),
      codeY_(codeBottom ? codeMargin : 0.0) {}
