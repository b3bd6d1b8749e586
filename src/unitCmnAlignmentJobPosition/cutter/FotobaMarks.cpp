#include "unitCmnAlignmentJobPosition/cutter/FotobaMarks.h"

#include <algorithm>

#include "unitCmnAlignmentJobPosition/cutter/CutterKeys.h"

namespace {

double key(const char* name, double value) {
  return CutterKeys::length("Fotoba marks", name, value);
}

}  // namespace

CutterLayout FotobaMarks::layoutOf(const PrintSection& p) {
  const double offset = key("fotobaMarkOffset", p.fotobaMarkOffset);
  const double across = key("fotobaMarkHorizontalSize", p.fotobaMarkHorizontalSize) + offset;
  const double along = key("fotobaMarkVerticalSize", p.fotobaMarkVerticalSize) + offset;
  CutterLayout layout;
  layout.left = key("fotobaMarkMarginLeft", p.fotobaMarkMarginLeft);
  layout.right = key("fotobaMarkMarginRight", p.fotobaMarkMarginRight);
  layout.top = key("fotobaMarkMarginTop", p.fotobaMarkMarginTop);
  layout.bottom = key("fotobaMarkMarginBottom", p.fotobaMarkMarginBottom);
  layout.gap = key("fotobaMarkMarginCenter", p.fotobaMarkMarginCenter);
  if (p.fotobaMarkPrint) {
    layout.left = std::max(layout.left, across);
    layout.right = std::max(layout.right, across);
    layout.top = std::max(layout.top, along);
  }
  return layout;
}
