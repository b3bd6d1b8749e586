#include "unitCmnParams/VDPNumberSetting.h"

const XmlFieldTable<VDPNumberSetting>& VDPNumberSetting::table() {
  using R = VDPNumberSetting;
  static const XmlFieldTable<R> t{
      {"Text", &R::text, VDPTextSetting::table()},
      {"Prefix", &R::prefix, ""},
      {"Suffix", &R::suffix, ""},
      {"StartNumber", &R::startNumber, 0},
      {"EndNumber", &R::endNumber, 0},
      {"Increment", &R::increment, 0},
      {"Deigits", &R::deigits, 0},
  };
  return t;
}
