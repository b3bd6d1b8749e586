// One used picture (pocket) of a jig on the table, before the jig's deskew
// turns it: its number and its box, x0 <= x1 and y0 <= y1, in millimetres.
#pragma once

#include <string>

struct JigBox {
  std::string no;
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;

  double cx() const { return (x0 + x1) / 2; }
  double cy() const { return (y0 + y1) / 2; }
};
