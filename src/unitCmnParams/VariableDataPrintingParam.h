// A variable-data print: a template, a data file whose rows supply the
// changing contents, the image files that may be placed, and for each data
// column and for single rows the object drawn (text, image or running
// number). Stored as the "VariableDataInfo" XML file (version 1.02); owns a
// CSV back-end for the data file. The fields are public: the jig
// arrangement reads copies of them.
#pragma once

#include <string>
#include <vector>

#include "unitCmnParamIo/ParamIoCSV.h"
#include "unitCmnParams/ColumnSettingInfo.h"
#include "unitCmnParams/ImageFileInfo.h"
#include "unitCmnParams/RowSettingInfo.h"
#include "unitCmnParams/VDPImageSetting.h"
#include "unitCmnParams/VDPNumberSetting.h"
#include "unitCmnParams/VDPTextSetting.h"
#include "unitCmnParams/XmlFieldTable.h"
#include "unitCmnParams/XmlTableParam.h"

// Read and write follow the table (XmlTableParam): setParamToIo writes the
// root, the version, then every element in file order; getParamFromIo lets
// every element present replace its default, objects being made by their
// ObjectType (none for a missing or unknown one), then afterRead gives the
// result. A value that does not convert raises.
class VariableDataPrintingParam : public XmlTableParam<VariableDataPrintingParam> {
 public:
  static constexpr const char* kCurrentVersion = "1.02";
  static constexpr const char* kRoot = "VariableDataInfo";

  // Every field empty, version 1.02.
  VariableDataPrintingParam();
  VariableDataPrintingParam(const VariableDataPrintingParam&) = default;
  VariableDataPrintingParam& operator=(const VariableDataPrintingParam&) = default;

  // Every element below the root in file order (the version aside), with
  // its field and default.
  static const XmlFieldTable<VariableDataPrintingParam>& table();

  // Every field empty (the table's fields, then the data file) and the
  // version back to 1.02.
  void initParam() override;
  // Raises a version below 1.02. Below 1.01 the image files named in the
  // image cells of the row settings are collected from the data file
  // (docs/variable-data.md); below 1.02 FontEx becomes false in every text
  // and number object.
  void versionUp() override;

  std::string variableTemplate;
  std::string detaFilePath;
  std::string delimiter;
  std::vector<ColumnSettingInfo> columnSettingInfos;
  std::vector<RowSettingInfo> rowSettingInfos;
  std::vector<ImageFileInfo> imageFileInfos;
  // The data file, loaded by the step from versions below 1.01; not part
  // of the XML file.
  ParamIoCSV paramIoCSV;

 protected:
  // True exactly when the file has DetaFilePath.
  bool afterRead(const XmlDefineRange& range, int found) override;

 private:
  // The step below 1.01: an ImageFileInfo for each image named in an image
  // cell that no entry has yet.
  void collectImageFiles();
  // The step below 1.02.
  void clearFontEx();
};
