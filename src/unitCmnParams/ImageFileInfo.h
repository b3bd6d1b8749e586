// An image file that a variable-data print may place, under its key.
#pragma once

#include <string>

#include "unitCmnParams/XmlFieldTable.h"

struct ImageFileInfo {
  std::string key;
  std::string imagePath;
  int width = 0;
  int height = 0;
  int dpiW = 0;
  int dpiH = 0;

  // Key, ImagePath, then ImagSize holding Width, Height, DpiW, DpiH.
  static const XmlFieldTable<ImageFileInfo>& table();
};
