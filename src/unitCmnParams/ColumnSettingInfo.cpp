#include "unitCmnParams/ColumnSettingInfo.h"

const XmlFieldTable<ColumnInfo>& ColumnInfo::table() {
  using R = ColumnInfo;
  static const XmlFieldTable<R> t{
      {"ColumnName", &R::columnName, ""},
      {"DataType", &R::dataType, 0},
  };
  return t;
}

const XmlFieldTable<ColumnSettingInfo>& ColumnSettingInfo::table() {
  using R = ColumnSettingInfo;
  static const XmlFieldTable<R> t{
      {"Column", &R::column, ColumnInfo::table()},
      XmlFieldTable<R>::Field::owned("ObjectSettingInfo", &R::objectSettingInfo,
                                     VDPObjectSettingInfo::kinds()),
  };
  return t;
}

const XmlFieldTable<CellSettingInfo>& CellSettingInfo::table() {
  using R = CellSettingInfo;
  static const XmlFieldTable<R> t{
      {"Column", &R::column, ColumnInfo::table()},
      XmlFieldTable<R>::Field::owned("ObjectSettingInfo", &R::objectSettingInfo,
                                     VDPObjectSettingInfo::kinds()),
  };
  return t;
}
