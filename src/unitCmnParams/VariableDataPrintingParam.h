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
#include "unitCmnParams/AbXmlParam.h"
#include "unitCmnParams/ColumnSettingInfo.h"
#include "unitCmnParams/ImageFileInfo.h"
#include "unitCmnParams/RowSettingInfo.h"
#include "unitCmnParams/VDPImageSetting.h"
#include "unitCmnParams/VDPNumberSetting.h"
#include "unitCmnParams/VDPTextSetting.h"

class VariableDataPrintingParam : public AbXmlParam {
 public:
  static constexpr const char* kCurrentVersion = "1.02";
  static constexpr const char* kRoot = "VariableDataInfo";

  // Every field empty, version 1.02.
  VariableDataPrintingParam();
  VariableDataPrintingParam(const VariableDataPrintingParam&) = default;
  VariableDataPrintingParam& operator=(const VariableDataPrintingParam&) = default;

  // Every field empty (the data file too) and the version back to 1.02.
  void initParam() override;
  // Raises a version below 1.02. Below 1.01 the image files named in the
  // image cells of the row settings are collected from the data file
  // (docs/variable-data.md); below 1.02 FontEx becomes false in every text
  // and number object.
  void versionUp() override;
  // The root, the version, then every element in file order.
  bool setParamToIo() override;
  // Every element present replaces its default; objects are made by their
  // ObjectType (none for a missing or unknown one). True exactly when the
  // file has DetaFilePath. A value that does not convert raises.
  bool getParamFromIo() override;

  std::string variableTemplate;
  std::string detaFilePath;
  std::string delimiter;
  std::vector<ColumnSettingInfo> columnSettingInfos;
  std::vector<RowSettingInfo> rowSettingInfos;
  std::vector<ImageFileInfo> imageFileInfos;
  // The data file, loaded by the step from versions below 1.01; not part
  // of the XML file.
  ParamIoCSV paramIoCSV;

 private:
  // The step below 1.01: an ImageFileInfo for each image named in an image
  // cell that no entry has yet.
  void collectImageFiles();
  // The step below 1.02.
  void clearFontEx();
};
