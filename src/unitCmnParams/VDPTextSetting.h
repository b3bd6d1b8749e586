// A text object of a variable-data print and the text setting it carries:
// the font (name, files, style flags, metrics, size block, shadow) and the
// fill. A number object carries a text setting of the same shape for its
// digits.
#pragma once

#include <string>
#include <vector>

#include "unitCmnParams/VDPColorSetting.h"
#include "unitCmnParams/VDPObjectSettingInfo.h"
#include "unitCmnParams/XmlFieldTable.h"

// The size block of a font.
struct VDPSizeSetting {
  VDPColorBlock color;
  int autoSizeAdjust = 0;
  double size = 0.0;
  double spacing = 0.0;
  double outlineSize = 0.0;

  // Color (the colour block), AutoSizeAdjust, Size, Spacing, OutlineSize.
  static const XmlFieldTable<VDPSizeSetting>& table();
};

// The shadow of a font: one colour and its offset.
struct VDPShadowInfo {
  VDPColorInfo color;
  double offset = 0.0;

  // Color (ColorType, ColorValues), Offset.
  static const XmlFieldTable<VDPShadowInfo>& table();
};

struct VDPFontSetting {
  std::string name;
  std::vector<std::string> filePaths;
  bool italic = false;
  bool bold = false;
  bool underLine = false;
  bool outline = false;
  bool shadow = false;
  unsigned int ascent = 0;
  unsigned int descent = 0;
  unsigned int emHeight = 0;
  VDPSizeSetting size;
  VDPShadowInfo shadowInfo;
  // Added in version 1.02; older files are read with it false.
  bool fontEx = false;

  // Name, FilePaths (one FilePath each), Italic, Bold, UnderLine, Outline,
  // Shadow, Ascent, Descent, emHeight, Size, ShadowInfo, FontEx.
  static const XmlFieldTable<VDPFontSetting>& table();
};

struct VDPTextSetting : VDPObjectSettingInfo {
  VDPTextSetting() : VDPObjectSettingInfo(kText) {}

  VDPFontSetting font;
  VDPFillSetting fillSetting;

  // The text setting: Font, then FillSetting beside it.
  static const XmlFieldTable<VDPTextSetting>& table();
};
