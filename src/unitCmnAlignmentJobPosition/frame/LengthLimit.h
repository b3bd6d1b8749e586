// The length placements may fill along the media. A printable length of -1
// marks roll media without end; placements compare against the largest
// finite double instead, so no case needs its own test for it.
#pragma once

#include <cmath>
#include <limits>

class LengthLimit {
 public:
  static constexpr double kUnlimited = -1.0;

  static double of(double printableLength) {
    return printableLength == kUnlimited ? std::numeric_limits<double>::max() : printableLength;
  }

  // The media as init gave it, made usable: a width that is no number
  // counts as no room, a length that is no number too, an infinite length
  // as an unlimited roll.
  static void sanitize(double& width, double& length) {
    if (!std::isfinite(width)) width = 0.0;
    if (std::isnan(length)) length = 0.0;
    if (std::isinf(length)) length = kUnlimited;
  }
};
