// The value types of sizes and rectangles on the media, in millimetres:
// x and width across the media (scan), y and height along it (feed).
#pragma once

namespace specialityType {

struct RectDouble {
  double x = 0, y = 0, width = 0, height = 0;
};

struct DimDouble {
  double width = 0, height = 0;
};

}  // namespace specialityType
