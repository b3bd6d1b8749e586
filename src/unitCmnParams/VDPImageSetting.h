// An image object of a variable-data print: how the image fits its draw
// position, its fill (frame) and the pixel size and resolution of the
// image.
#pragma once

#include "unitCmnParams/VDPColorSetting.h"
#include "unitCmnParams/VDPObjectSettingInfo.h"
#include "unitCmnParams/XmlFieldTable.h"

// Pixel size and resolution of an image ("ImagSize").
struct VDPImageSize {
  int width = 0;
  int height = 0;
  int dpiW = 0;
  int dpiH = 0;

  // Width, Height, DpiW, DpiH.
  static const XmlFieldTable<VDPImageSize>& table();
};

struct VDPImageSetting : VDPObjectSettingInfo {
  VDPImageSetting() : VDPObjectSettingInfo(kImage) {}

  int fitType = 0;
  VDPFillSetting fillSetting;
  // Kept in its own record: the base already has the draw position's
  // Width and Height.
  VDPImageSize imagSize;

  // FitType, FillSetting, ImagSize.
  static const XmlFieldTable<VDPImageSetting>& table();
};
