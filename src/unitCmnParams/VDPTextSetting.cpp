#include "unitCmnParams/VDPTextSetting.h"

const XmlFieldTable<VDPSizeSetting>& VDPSizeSetting::table() {
  using R = VDPSizeSetting;
  static const XmlFieldTable<R> t{
      {"Color", &R::color, VDPColorBlock::table()},
      {"AutoSizeAdjust", &R::autoSizeAdjust, 0},
      {"Size", &R::size, 0.0},
      {"Spacing", &R::spacing, 0.0},
      {"OutlineSize", &R::outlineSize, 0.0},
  };
  return t;
}

const XmlFieldTable<VDPShadowInfo>& VDPShadowInfo::table() {
  using R = VDPShadowInfo;
  static const XmlFieldTable<R> t{
      {"Color", &R::color, VDPColorInfo::table()},
      {"Offset", &R::offset, 0.0},
  };
  return t;
}

const XmlFieldTable<VDPFontSetting>& VDPFontSetting::table() {
  using R = VDPFontSetting;
  static const XmlFieldTable<R> t{
      {"Name", &R::name, ""},
      {"FilePaths", &R::filePaths, XmlFieldTable<R>::ListForm::kItems, "FilePath"},
      {"Italic", &R::italic, false},
      {"Bold", &R::bold, false},
      {"UnderLine", &R::underLine, false},
      {"Outline", &R::outline, false},
      {"Shadow", &R::shadow, false},
      {"Ascent", &R::ascent, 0u},
      {"Descent", &R::descent, 0u},
      {"emHeight", &R::emHeight, 0u},
      {"Size", &R::size, VDPSizeSetting::table()},
      {"ShadowInfo", &R::shadowInfo, VDPShadowInfo::table()},
      {"FontEx", &R::fontEx, false},
  };
  return t;
}

const XmlFieldTable<VDPTextSetting>& VDPTextSetting::table() {
  using R = VDPTextSetting;
  static const XmlFieldTable<R> t{
      {"Font", &R::font, VDPFontSetting::table()},
      {"FillSetting", &R::fillSetting, VDPFillSetting::table()},
  };
  return t;
}
