// Colours of the variable-data objects. The meaning of the ColorType codes
// and of the values belongs to the host and the drawing side; they are
// carried unchanged.
#pragma once

#include <vector>

#include "unitCmnParams/XmlFieldTable.h"

// One colour: its type code and its values, one "ColorValue" each.
struct VDPColorInfo {
  int colorType = 0;
  std::vector<int> colorValues;

  // ColorType, ColorValues (one ColorValue per value).
  static const XmlFieldTable<VDPColorInfo>& table();
};

// The colour block: fill colour and line colour.
struct VDPColorBlock {
  VDPColorInfo fillColor;
  VDPColorInfo lineColor;

  // FillColor, LineColor.
  static const XmlFieldTable<VDPColorBlock>& table();
};

// A fill setting: a colour block and the width of the outline.
struct VDPFillSetting {
  VDPColorBlock color;
  double lineWidth = 0.0;

  // Color (the colour block), LineWidth.
  static const XmlFieldTable<VDPFillSetting>& table();
};
