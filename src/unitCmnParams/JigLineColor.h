// Colour of the PDF guide line drawn around the pictures of a jig.
#pragma once

#include <string>

#include "unitCmnParams/XmlFieldTable.h"

struct JigLineColor {
  int colorSpace = 0;
  std::string color;
  int density = 0;

  // ColorSpace, Color, Density below "PdfLineColor".
  static const XmlFieldTable<JigLineColor>& table();
};
