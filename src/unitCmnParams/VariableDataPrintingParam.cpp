#include "unitCmnParams/VariableDataPrintingParam.h"

#include <boost/filesystem/path.hpp>
#include <unordered_map>
#include <unordered_set>

#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/TypeConvert.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlFieldTable.h"

namespace {

using P = VariableDataPrintingParam;

// Versions at which the file gained something.
constexpr const char* kImageFilesVersion = "1.01";
constexpr const char* kFontExVersion = "1.02";

}  // namespace

const XmlFieldTable<VariableDataPrintingParam>& VariableDataPrintingParam::table() {
  static const XmlFieldTable<P> t{
      {"VariableTemplate", &P::variableTemplate, ""},
      {"DetaFilePath", &P::detaFilePath, ""},
      {"ImageFileInfos", &P::imageFileInfos, "ImageFileInfo", ImageFileInfo::table()},
      {"Delimiter", &P::delimiter, ""},
      {"ColumnSettingInfos", &P::columnSettingInfos, "ColumnSettingInfo",
       ColumnSettingInfo::table()},
      {"RowSettingInfos", &P::rowSettingInfos, "RowSettingInfo", RowSettingInfo::table()},
  };
  return t;
}

namespace {

bool isBelow(const std::string& version, const char* threshold) {
  return TypeConvert::toFloat(version) < TypeConvert::toFloat(threshold);
}

// A relative path is taken relative to the folder of `beside` (a file);
// an absolute one, or one with no folder to lean on, stays as it is.
std::string besideFile(const std::string& path, const std::string& beside) {
  const boost::filesystem::path p(path);
  const boost::filesystem::path folder = boost::filesystem::path(beside).parent_path();
  if (p.is_absolute() || folder.empty()) return path;
  return (folder / p).string();
}

bool isImage(const VDPObjectSettingInfo* object) {
  return dynamic_cast<const VDPImageSetting*>(object) != nullptr;
}

void clearFontExOf(VDPObjectSettingInfo* object) {
  if (auto* text = dynamic_cast<VDPTextSetting*>(object)) text->font.fontEx = false;
  if (auto* number = dynamic_cast<VDPNumberSetting*>(object)) number->text.font.fontEx = false;
}

}  // namespace

VariableDataPrintingParam::VariableDataPrintingParam() {
  currentVersion = kCurrentVersion;
  VariableDataPrintingParam::initParam();
}

void VariableDataPrintingParam::initParam() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    XmlTableParam::initParam();
    paramIoCSV = ParamIoCSV();
  });
}

void VariableDataPrintingParam::versionUp() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!versionIsBelowCurrent()) return;
    if (isBelow(paramVersion, kImageFilesVersion)) collectImageFiles();
    if (isBelow(paramVersion, kFontExVersion)) clearFontEx();
    paramVersion = currentVersion;
  });
}

bool VariableDataPrintingParam::afterRead(const XmlDefineRange& range, int /*found*/) {
  return range.find(std::string(kRoot) + ".DetaFilePath") != nullptr;
}

void VariableDataPrintingParam::collectImageFiles() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (detaFilePath.empty()) return;
    // Read from text the parameters have no folder: the path is used as
    // written. Read from a file, a relative path lies beside that file.
    const std::string dataPath = besideFile(detaFilePath, filePath);
    if (!paramIoCSV.readFile(dataPath)) {
      // The values read stay usable; only the image list stays as it is.
      KvnCmnLog::logError(UNITCMN_SITE,
                          "VariableDataPrintingParam data file not readable: " + dataPath);
      return;
    }
    if (paramIoCSV.rowCount() == 0) return;
    const ParamIoCSV::Row& header = paramIoCSV.rows().front();

    // Looked up by name, not searched: a data file and a parameter text
    // near their limits would otherwise cost their product.
    std::unordered_map<std::string, const VDPObjectSettingInfo*> columnObjects;
    for (const ColumnSettingInfo& column : columnSettingInfos)
      columnObjects.emplace(column.column.columnName, column.objectSettingInfo.get());
    std::unordered_map<std::string, size_t> headerColumns;
    for (size_t column = 0; column < header.size(); ++column)
      headerColumns.emplace(header[column], column);
    std::unordered_set<std::string> knownKeys, knownPaths;
    for (const ImageFileInfo& image : imageFileInfos) {
      knownKeys.insert(image.key);
      knownPaths.insert(image.imagePath);
    }

    for (const RowSettingInfo& row : rowSettingInfos) {
      if (row.rowNumber < 0) continue;
      const size_t dataRow = static_cast<size_t>(row.rowNumber) + 1;
      if (dataRow >= paramIoCSV.rowCount()) continue;
      for (const CellSettingInfo& cell : row.cellSettingInfos) {
        // A cell without an object of its own draws what its column draws.
        const VDPObjectSettingInfo* object = cell.objectSettingInfo.get();
        if (!object) {
          const auto columnObject = columnObjects.find(cell.column.columnName);
          if (columnObject != columnObjects.end()) object = columnObject->second;
        }
        if (!isImage(object)) continue;
        const auto column = headerColumns.find(cell.column.columnName);
        if (column == headerColumns.end()) continue;
        std::string value;
        paramIoCSV.getCell(dataRow, column->second, value);
        if (value.empty()) continue;
        const std::string imagePath = besideFile(value, dataPath);
        if (knownKeys.count(value) != 0 || knownPaths.count(imagePath) != 0) continue;
        ImageFileInfo image;
        image.key = value;
        image.imagePath = imagePath;
        imageFileInfos.push_back(image);
        knownKeys.insert(value);
        knownPaths.insert(imagePath);
      }
    }
  });
}

void VariableDataPrintingParam::clearFontEx() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    for (ColumnSettingInfo& column : columnSettingInfos)
      clearFontExOf(column.objectSettingInfo.get());
    for (RowSettingInfo& row : rowSettingInfos)
      for (CellSettingInfo& cell : row.cellSettingInfos) clearFontExOf(cell.objectSettingInfo.get());
  });
}
