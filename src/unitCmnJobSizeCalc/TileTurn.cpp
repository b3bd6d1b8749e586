#include "unitCmnJobSizeCalc/TileTurn.h"

#include "unitCmnJobSizeCalc/TileSides.h"

namespace {

// One turned coordinate as a sum of terms:
// jobW * W + jobH * H + x * x + y * y + w * width + h * height.
struct Terms {
  double jobW, jobH, x, y, w, h;
};

struct TurnRow {
  Terms x, y;
};

// Rows in the order of the rotation columns: 0, 90, 180, 270 degrees.
constexpr TurnRow kTurns[] = {
    /* 0   */ {{0, 0, 1, 0, 0, 0}, {0, 0, 0, 1, 0, 0}},      // (x, y)
    /* 90  */ {{0, 0, 0, 1, 0, 0}, {1, 0, -1, 0, -1, 0}},    // (y, W - w - x)
    /* 180 */ {{1, 0, -1, 0, -1, 0}, {0, 1, 0, -1, 0, -1}},  // (W - w - x, H - h - y)
    /* 270 */ {{0, 1, 0, -1, 0, -1}, {0, 0, 1, 0, 0, 0}},    // (H - h - y, x)
};

double apply(const Terms& t, const specialityType::RectDouble& r, double jobW, double jobH) {
  return t.jobW * jobW + t.jobH * jobH + t.x * r.x + t.y * r.y + t.w * r.width + t.h * r.height;
}

}  // namespace

specialityType::RectDouble TileTurn::turn(const specialityType::RectDouble& rect, int rotation,
                                          double jobWidth, double jobHeight) {
  specialityType::RectDouble out;
  out.width = swapsAxes(rotation) ? rect.height : rect.width;
  out.height = swapsAxes(rotation) ? rect.width : rect.height;
  const int column = quarterTurnColumn(rotation);
  if (column < 0) return out;
  out.x = apply(kTurns[column].x, rect, jobWidth, jobHeight);
  out.y = apply(kTurns[column].y, rect, jobWidth, jobHeight);
  return out;
}
