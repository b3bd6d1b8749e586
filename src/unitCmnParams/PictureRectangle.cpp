#include "unitCmnParams/PictureRectangle.h"

const XmlFieldTable<PictureRectangle>& PictureRectangle::table() {
  using R = PictureRectangle;
  static const XmlFieldTable<R> t{
      {"No", &R::no, ""},
      {"OffsetW", &R::offsetW, 0.0},
      {"OffsetH", &R::offsetH, 0.0},
      {"Use", &R::use, false},
  };
  return t;
}
