#include "unitCmnAlignmentJobPosition/jig/JigRotation.h"

#include <algorithm>
#include <cmath>

#include "unitCmnExceptions/unitCmnGuard.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

JigRotation::JigRotation(const JigParam& jig) : ox_(jig.jigOriginW), oy_(jig.jigOriginH) {
  if (!std::isfinite(jig.jigDeskew))
    unitCmnGuard::raise(UNITCMN_SITE, "the jig's deskew is not a finite angle (JigDeskew " +
                                          std::to_string(jig.jigDeskew) + ")");
  const double a = -jig.jigDeskew * kPi / 180.0;
  cos_ = std::cos(a);
  sin_ = std::sin(a);
}

double JigRotation::rotX(double x, double y) const {
  return (x - ox_) * cos_ - (y - oy_) * sin_ + ox_;
}

double JigRotation::rotY(double x, double y) const {
  return (x - ox_) * sin_ + (y - oy_) * cos_ + oy_;
}

DoublePair JigRotation::placed(double px, double py, double W, double H) const {
  return {std::min(rotX(px, py + H), rotX(px, py)), std::min(rotY(px + W, py), rotY(px, py))};
}
