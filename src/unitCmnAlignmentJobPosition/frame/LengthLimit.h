// The length placements may fill along the media. A printable length of -1
// marks roll media without end; placements compare against the largest
// finite double instead, so no case needs its own test for it.
#pragma once

#include <limits>

class LengthLimit {
 public:
  static constexpr double kUnlimited = -1.0;

  static double of(double printableLength) {
    return printableLength == kUnlimited ? std::numeric_limits<double>::max() : printableLength;
  }
};
