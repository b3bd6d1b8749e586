#include "unitCmnJobSizeCalc/JobLabel.h"

#include <algorithm>

namespace {

constexpr double kMinimumGap = 5.0;  // mm

// The items a label can carry; a label with none of them is not printed.
constexpr bool CompositeSection::*kLabelItems[] = {
    &CompositeSection::modelName,       &CompositeSection::engineVersion,
    &CompositeSection::commandVersion,  &CompositeSection::statusVersion,
    &CompositeSection::rxVersion,       &CompositeSection::printDate,
    &CompositeSection::printMode,       &CompositeSection::deviceAdjustParam,
    &CompositeSection::jobInf,          &CompositeSection::imageEditParam,
    &CompositeSection::deviceProfile,   &CompositeSection::colorMatchingParam,
    &CompositeSection::colorAdjustName, &CompositeSection::labelRemarks,
};

double gap(const PrintSection& print) {
  if (print.registerMarkShape == 0) return 0;
  return std::max(print.registerMarkSize * 0.5, kMinimumGap);
}

}  // namespace

bool JobLabel::printed(const CompositeSection& composite) {
  if (!composite.labelPrint) return false;
  return std::any_of(std::begin(kLabelItems), std::end(kLabelItems),
                     [&](bool CompositeSection::*item) { return composite.*item; });
}

double JobLabel::height(const CompositeSection& composite, const PrintSection& print) {
  return composite.labelPrintStringLine * composite.labelSize + gap(print);
}
