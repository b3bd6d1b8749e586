#include "unitCmnParams/JigLineColor.h"

const XmlFieldTable<JigLineColor>& JigLineColor::table() {
  using R = JigLineColor;
  static const XmlFieldTable<R> t{
      {"ColorSpace", &R::colorSpace, 0},
      {"Color", &R::color, ""},
      {"Density", &R::density, 0},
  };
  return t;
}
