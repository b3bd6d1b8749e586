// The four sides of a tile in its turned frame (y along the feed, x across
// it) and the column of a rotation in the tile tables.
#pragma once

#include <array>

enum TileSide { kEndOfY, kStartOfY, kEndOfX, kStartOfX };

constexpr int kTileSideCount = 4;
constexpr TileSide kTileSides[kTileSideCount] = {kEndOfY, kStartOfY, kEndOfX, kStartOfX};

using TileSideFlags = std::array<bool, kTileSideCount>;
using TileSideValues = std::array<double, kTileSideCount>;

inline TileSide oppositeSide(TileSide side) {
  constexpr TileSide kOpposite[kTileSideCount] = {kStartOfY, kEndOfY, kStartOfX, kEndOfX};
  return kOpposite[side];
}

inline bool isYSide(TileSide side) { return side == kEndOfY || side == kStartOfY; }

// The two sides perpendicular to side.
inline std::array<TileSide, 2> acrossSides(TileSide side) {
  if (isYSide(side)) return {kEndOfX, kStartOfX};
  return {kEndOfY, kStartOfY};
}

// 0, 90, 180 and 270 degrees are the columns 0 to 3 of the tile tables;
// any other angle has no column (-1).
inline int quarterTurnColumn(long long degrees) {
  constexpr long long kColumnAngles[] = {0, 90, 180, 270};
  for (int column = 0; column < 4; ++column)
    if (degrees == kColumnAngles[column]) return column;
  return -1;
}
