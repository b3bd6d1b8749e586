#include "unitCmnParams/VDPImageSetting.h"

const XmlFieldTable<VDPImageSize>& VDPImageSize::table() {
  using R = VDPImageSize;
  static const XmlFieldTable<R> t{
      {"Width", &R::width, 0},
      {"Height", &R::height, 0},
      {"DpiW", &R::dpiW, 0},
      {"DpiH", &R::dpiH, 0},
  };
  return t;
}

const XmlFieldTable<VDPImageSetting>& VDPImageSetting::table() {
  using R = VDPImageSetting;
  static const XmlFieldTable<R> t{
      {"FitType", &R::fitType, 0},
      {"FillSetting", &R::fillSetting, VDPFillSetting::table()},
      {"ImagSize", &R::imagSize, VDPImageSize::table()},
  };
  return t;
}
