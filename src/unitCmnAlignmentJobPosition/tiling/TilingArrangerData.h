// What a tiling execution hands the tile arrangers: the tiled job (shared,
// not owned), the kind and media given to init, and the execution's own
// arguments, which only the tile arrangers read. Millimetres.
#pragma once

#include <cstdint>

class JobParam;

struct TilingArrangerData {
  JobParam* job = nullptr;  // the first job
  int32_t arrangeKind = 0;
  double duplicateMarginScan = 0.0;
  double duplicateMarginFeed = 0.0;
  double printableWidth = 0.0;
  double printableLength = 0.0;  // -1 = unlimited roll
  bool pairFirst = false;
  double pageGap = 0.0;
  bool afterFeed = false;
  bool pairSecond = false;
  double pairColumnOffset = 0.0;
  int32_t pairCount = 0;
  double pairRowWidthLimit = 0.0;
};
