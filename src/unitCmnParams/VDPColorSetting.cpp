#include "unitCmnParams/VDPColorSetting.h"

const XmlFieldTable<VDPColorInfo>& VDPColorInfo::table() {
  using R = VDPColorInfo;
  static const XmlFieldTable<R> t{
      {"ColorType", &R::colorType, 0},
      {"ColorValues", &R::colorValues, XmlFieldTable<R>::ListForm::kItems, "ColorValue"},
  };
  return t;
}

const XmlFieldTable<VDPColorBlock>& VDPColorBlock::table() {
  using R = VDPColorBlock;
  static const XmlFieldTable<R> t{
      {"FillColor", &R::fillColor, VDPColorInfo::table()},
      {"LineColor", &R::lineColor, VDPColorInfo::table()},
  };
  return t;
}

const XmlFieldTable<VDPFillSetting>& VDPFillSetting::table() {
  using R = VDPFillSetting;
  static const XmlFieldTable<R> t{
      {"Color", &R::color, VDPColorBlock::table()},
      {"LineWidth", &R::lineWidth, 0.0},
  };
  return t;
}
