#include "unitCmnAlignmentJobPosition/jig/JigPositioning.h"

namespace {

struct Rule {
  int policy;
  int x;  // 0 low side, 1 middle, 2 high side
  int y;
};

constexpr Rule kRules[] = {{10, 1, 1}, {11, 1, 2}, {12, 0, 2}, {13, 0, 1}, {14, 0, 0},
                           {15, 1, 0}, {16, 2, 0}, {17, 2, 1}, {18, 2, 2}};

}  // namespace

JigPositioning::JigPositioning(int policy, const JigMargins& invalidPrintArea)
    : invalid_(invalidPrintArea) {
  for (const Rule& rule : kRules) {
    if (rule.policy != policy) continue;
    x_ = static_cast<Edge>(rule.x);
    y_ = static_cast<Edge>(rule.y);
  }
}

double JigPositioning::anchor(Edge edge, double low, double high) {
  if (edge == Edge::kLow) return low;
  return edge == Edge::kHigh ? high : (low + high) / 2;
}

double JigPositioning::factor(Edge edge) {
  if (edge == Edge::kLow) return 0.0;
  return edge == Edge::kHigh ? -1.0 : -0.5;
}

double JigPositioning::correction(Edge edge, double lowMargin, double highMargin) {
  if (edge == Edge::kLow) return lowMargin;
  return edge == Edge::kHigh ? -highMargin : 0.0;
}

DoublePair JigPositioning::place(const JigBox& box, double imgW, double imgH) const {
  const double px = imgW * factor(x_) + anchor(x_, box.x0, box.x1) +
                    correction(x_, invalid_.right, invalid_.left);
  const double py = imgH * factor(y_) + anchor(y_, box.y0, box.y1) +
                    correction(y_, invalid_.bottom, invalid_.top);
  return {px, py};
}
