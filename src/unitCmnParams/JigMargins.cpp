#include "unitCmnParams/JigMargins.h"

const XmlFieldTable<JigMargins>& JigMargins::table() {
  using R = JigMargins;
  static const XmlFieldTable<R> t{
      {"Top", &R::top, 0.0},
      {"Bottom", &R::bottom, 0.0},
      {"Left", &R::left, 0.0},
      {"Right", &R::right, 0.0},
  };
  return t;
}
