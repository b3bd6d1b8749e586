// The settings of a variable-data column, and of one cell of a row
// setting: which data column, and the object drawn for it (absent when the
// column or cell draws nothing of its own).
#pragma once

#include <string>

#include "unitCmnParams/VDPObjectSettingInfo.h"
#include "unitCmnParams/XmlFieldTable.h"

// A data column: its header name and its data type code (the meaning of
// the code belongs to the host).
struct ColumnInfo {
  std::string columnName;
  int dataType = 0;

  // ColumnName, DataType.
  static const XmlFieldTable<ColumnInfo>& table();
};

struct ColumnSettingInfo {
  ColumnInfo column;
  VDPObjectSettingPtr objectSettingInfo;

  // Column, then ObjectSettingInfo.
  static const XmlFieldTable<ColumnSettingInfo>& table();
};

struct CellSettingInfo {
  ColumnInfo column;
  VDPObjectSettingPtr objectSettingInfo;

  // Column, then ObjectSettingInfo.
  static const XmlFieldTable<CellSettingInfo>& table();
};
