// What the spooler recorded about the incoming document: section "Spool".
// Read only. Lengths are millimetres.
#pragma once

#include <string>

#include "unitCmnJobParam/SectionTable.h"

struct SpoolSection {
  int timePreRIP{};
  std::string format;
  std::string title;
  std::string creator;
  int clientType{};
  int osxAppType{};
  unsigned long long spoolFileSize{};
  long long date{};
  double scanDpi{};
  double feedDpi{};
  int pages{};
  int colorSpace{};
  int channels{};
  std::string preSeparationFileBaseName;
  IntPair previewSize{};
  DoublePair paperPoints{};
  bool rgbVector{};
  bool rgbRaster{};
  bool cmykVector{};
  bool cmykRaster{};
  bool grayVector{};
  bool grayRaster{};
  std::string dataType;
  std::string commentVersion;
  int copyScanCount{};
  int copyCount{};
  double copyMarginScan{};
  double copyMarginFeed{};
  double offsetScan{};
  double offsetFeed{};
  bool mirror{};
  int rotate{};
  int regMarkShape{};
  double regMarkSize{};
  double regMarkLineSize{};
  double regMarkPosLeft{};
  double regMarkPosBottom{};
  double regMarkPosRight{};
  double regMarkPosTop{};
  bool autoCut{};
  double autoCutPosition{};
  bool autoCutDetail{};
  bool clampPress{};
  int clampPressPrint{};
  int clampPressCutEnds{};
  int clampPressCutInner{};
  int printDryTime{};
  int printDataNo{};
  TextList cutSpot;
  TextList cutTool;
  IntList cutSpeed;
  IntList cutPressure;
  DoubleList cutOffset;
  bool sheetFeed{};
  double scaleScan{};
  double scaleFeed{};
  int approximate{};
  bool tomboBackside{};
  bool separationCut{};
  bool headWithdrawal{};
  bool originUpdate{};
  int cutWidth{};
  double widthPosition{};
  int cutVertical{};
  double verticalPosition{};
  bool tomboSeparation{};
  bool splitDirection{};
  int divisionNum{};
  std::string presetName;
  bool existEmbeddedProfile{};
  int embeddedProfileColorMode{};
  std::string embeddedProfileInformation;
  bool highSpeedPreRIP{};
  bool colorAnalysisMode{};
  int cutCommandParsing{};
  bool isOfficeCut{};
  bool officeCutTombo{};
  int officeCutCopyCount{};
  double textureAreaRatio{};

  static const SectionTable<SpoolSection>& table();
  bool operator==(const SpoolSection& o) const { return table().equal(*this, o); }
};
