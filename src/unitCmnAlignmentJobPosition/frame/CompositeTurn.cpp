#include "unitCmnAlignmentJobPosition/frame/CompositeTurn.h"

#include <utility>

namespace {

void quarterTurn(CompositeSection& c) {
  std::swap(c.scale[0], c.scale[1]);
  std::swap(c.scaleRatio[0], c.scaleRatio[1]);
  const double top = c.trimTop;
  c.trimTop = c.trimLeft;
  c.trimLeft = c.trimBottom;
  c.trimBottom = c.trimRight;
  c.trimRight = top;
}

}  // namespace

void CompositeTurn::turnTo(CompositeSection& composite, int rotation) {
  const int quarters = normalized(static_cast<long long>(rotation) - composite.rotate) / 90;
  for (int q = 0; q < quarters; ++q) quarterTurn(composite);
  composite.rotate = rotation;
}
