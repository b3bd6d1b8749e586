// Four margins of a jig, in millimetres: the automatic-trim correction and
// the invalid print area share this shape.
#pragma once

#include "unitCmnParams/XmlFieldTable.h"

struct JigMargins {
  double top = 0.0;
  double bottom = 0.0;
  double left = 0.0;
  double right = 0.0;

  // Top, Bottom, Left, Right below the margins' container.
  static const XmlFieldTable<JigMargins>& table();
};
