// The settings of one data row that differ from its columns' settings:
// whether they apply, the row, and one cell setting per column concerned.
#pragma once

#include <vector>

#include "unitCmnParams/ColumnSettingInfo.h"
#include "unitCmnParams/XmlFieldTable.h"

struct RowSettingInfo {
  bool use = false;
  // Row of the data file, counted from 0 for the first row below the
  // header.
  int rowNumber = 0;
  std::vector<CellSettingInfo> cellSettingInfos;

  // Use, RowNumber, CellSettingInfos (one CellSettingInfo per cell).
  static const XmlFieldTable<RowSettingInfo>& table();
};
