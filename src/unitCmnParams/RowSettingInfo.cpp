#include "unitCmnParams/RowSettingInfo.h"

const XmlFieldTable<RowSettingInfo>& RowSettingInfo::table() {
  using R = RowSettingInfo;
  static const XmlFieldTable<R> t{
      {"Use", &R::use, false},
      {"RowNumber", &R::rowNumber, 0},
      {"CellSettingInfos", &R::cellSettingInfos, "CellSettingInfo", CellSettingInfo::table()},
  };
  return t;
}
