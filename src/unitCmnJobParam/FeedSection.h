// The print mode of one feed: every section whose name contains "Feed".
// The library carries these values through for the host.
#pragma once

#include <string>

#include "unitCmnJobParam/SectionTable.h"

struct FeedSection {
  int multiLayerPrintType{};
  IntList layerKeys;
  IntList feedDirections;
  int feedDirectionKind{};
  int togglePrintArea{};
  int scanResolution{};
  int feedResolution{};
  int dotTypeCode{};
  int pass{};
  int dispPass{};
  int additionalSpeed{};
  int scanDirection{};
  bool fastPrint{};
  int overprint{};
  int dispOverprint{};
  int scanDry{};
  int adsorbFan{};
  int topBlower{};
  bool topBlrParamFromProfile{};
  int useHeadunit{};
  int specialColorCompositionQuality{};
  int uvIrradiation{};
  int uvGloss{};
  IntList uvGlossIllumination;
  int uvIrradiationTimes{};
  IntList uvIlluminations;
  int uvPrintTimes{};
  std::string uvUserSettingName;
  int afterPrintDryTime{};
  int afterPrintPreHeater{};
  int afterPrintPrintHeater{};
  int afterPrintAfterHeater{};
  int afterPrintHeaterTime{};
  int pinchRollerPressurePrintMode{};
  int pinchRollerPressurePrint{};
  int pinchRollerPressureCutMode{};
  int pinchRollerPressureCutEnds{};
  int pinchRollerPressureCutInner{};
  int headHeightMode{};
  double headHeight{};
  bool distanceCorrection{};
  double distance{};
  double distanceCorrect{};
  double distanceRatio{};
  bool distanceCorrectingScan{};
  int correctionMethodScan{};
  double baseDistanceValueScan{};
  double measuredDistanceValueScan{};
  double distanceCorrectionRatioScan{};
  std::string deviceAdjustSet;
  int beforeProcess{};
  int afterProcess{};
  bool bottomClearPrinting{};
  int mapsAction{};
  IntLists maskLimitMap;
  IntBoolPairs specialInkHighConcentration;
  bool markSensorGap{};
  double markSensorGapX{};
  double markSensorGapY{};
  bool overPrintingUseUVSetting{};
  bool braillePrint{};
  int uvDimensionTimes{};
  int uvDimensionSlant{};
  int uvDimensionOutputOrder{};
  int textureMode{};
  bool histogramEqualization{};
  bool brailleTexture{};
  bool brailleTextureOutputWhite{};

  static const SectionTable<FeedSection>& table();
  bool operator==(const FeedSection& o) const { return table().equal(*this, o); }
};
