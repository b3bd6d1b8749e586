// What the connected printer model can do and how large its areas and
// limits are: one public field per element of the "DeviceFunction" XML
// file (version 1.15). The host hands the text over; arrangers receive
// copies and read the fields directly.
//
// Every field is described once, with its element and default, in the
// table of DeviceFunctionParam.cpp, which drives reset, read and write
// (XmlTableParam): initParam (the host's clearDeviceFunctionParam) sets
// every field back to its default and the version back to 1.15;
// setParamToIo writes the root, the version, then every element in table
// order; getParamFromIo reads the version (not counted), then every
// element found, and is true when at least one element besides the
// version was found.
// Lists of items are written as a container holding one item element per
// value; the lists marked ","-joined are one element whose text joins the
// values with ",".
#pragma once

#include <string>
#include <vector>

#include "unitCmnParams/XmlFieldTable.h"
#include "unitCmnParams/XmlTableParam.h"

class DeviceFunctionParam : public XmlTableParam<DeviceFunctionParam> {
 public:
  static constexpr const char* kCurrentVersion = "1.15";
  static constexpr const char* kRoot = "DeviceFunction";

  // Every field at its default, version 1.15.
  DeviceFunctionParam();
  DeviceFunctionParam(const DeviceFunctionParam&) = default;
  DeviceFunctionParam& operator=(const DeviceFunctionParam&) = default;

  // Every element below the root in file order (the version aside), with
  // its field and default.
  static const XmlFieldTable<DeviceFunctionParam>& table();

  // Sets what files older than 1.15 lacked, raises the version and, when
  // the parameters came from a file, writes the raised file back.
  void versionUp() override;

  // Supported functions and commands.
  bool pullBack{};
  bool feedDirection{};
  bool topBlower{};
  bool squareTombo{};
  bool mediaCut{};
  int adsorbFan{};
  bool scanPauseTime{};
  double maxScanPauseTime{};
  bool useHeadUnit{};
  bool selectHeadUnitPanel{};
  bool heaterStandby{};
  bool heaterOff{};
  bool highSpeedImageProcessing{};
  bool modeChange{};
  bool queryCommand_JigOption{};
  bool queryCommand_ShiftSize{};
  bool pageSection{};
  bool maskDownload{};
  bool printerMask{};
  bool afterSpaceFeed{};
  double minAfterSpaceFeed{};
  double maxAfterSpaceFeed{};
  int multiLayerCommand{};
  int shiftSizeMethod{};
  int shiftAmountLayer{};
  bool shiftGeneralColor{};
  bool notifyUsedColor{};
  int uvLampSplitCount{};
  int uvLampCount{};
  bool autoPowerOff{};
  bool cutting{};
  bool multiLayerQuality{};
  bool selectOverPrintColor{};
  bool waveFormSelection{};
  bool printProgress{};
  bool checkDriverVersion{};
  bool supportMaps4{};
  int highDensityInkConsumpCalcType{};

  // Ports.
  bool port1284{};
  bool port1394{};
  bool portFile{};
  bool portUsb2{};
  bool portEther{};

  // Device adjustment ranges (feed, heaters, feed speed).
  bool deviceAdjustFeed{};
  int minAdjustFeed{};
  int maxAdjustFeed{};
  int deviceAdjustPreHeater{};
  int minAdjustPreHeater{};
  int maxAdjustPreHeater{};
  std::string nameKeyPreHeater{};
  int deviceAdjustPrintHeater{};
  int minAdjustPrintHeater{};
  int maxAdjustPrintHeater{};
  std::string nameKeyPrintHeater{};
  int deviceAdjustAfterHeater{};
  int minAdjustAfterHeater{};
  int maxAdjustAfterHeater{};
  std::string nameKeyAfterHeater{};
  int deviceAdjustExtHeater{};
  int minAdjustExtHeater{};
  int maxAdjustExtHeater{};
  bool threeChoiceExtHeater{};
  int choiceValueOfLow{};
  int choiceValueOfMiddle{};
  int choiceValueOfHigh{};
  bool ruleExtHeaterPrintHtPre{};
  bool ruleExtHeaterAfterHtPrint{};
  std::string nameKeyExtHeater{};
  bool deviceAdjustFeedSpeed{};
  int minAdjustFeedSpeed{};
  int maxAdjustFeedSpeed{};
  bool additionalSpeed{};

  // Head, nozzle and print-area geometry.
  int cntHead{};
  int cntNozzle{};
  int colorUseNozzleColumn{};
  double sizeNozzlePitch{};
  double sizeNozzleWidth{};
  int cntNozzleOff{};
  double acceleScan{};
  double addScan{};
  double speedReturn{};
  double acceleFeed{};
  double distanceFlashing{};
  double timeFlashing{};
  double margin{};
  double marginFf{};
  bool copyTwinRoll{};
  bool printToggle{};
  double areaWidth{};
  double areaHeight{};
  double areaWidthToggle{};
  double areaHeightToggle{};
  bool dispPrintAreaOriginLt{};
  bool moveYbarAfterPrint{};
  double restTableTop{};
  double restTableLeft{};
  double restTableRight{};
  double restTableBottom{};
  double restJigTop{};
  double restJigBottom{};
  double omitRectWidth{};
  double omitRectHeight{};
  int addIrradiatePass{};
  double cureLength{};
  int cntAvailableNozzle{};
  double intervalFlashing{};
  double distanceNozzleWidth{};
  double marginLr{};
  double uvOffsetLeft{};
  double uvIrradiateMargin{};
  double uvOffsetX{};
  double speedStabilityTime{};
  double linearScalePitch{};

  // Status queries.
  bool statMediaWidth{};
  bool statHeadWiperStatus{};
  bool statUvLampIlluminationTime{};
  bool statExtendedError{};
  bool statProductionStatus{};
  bool statInkConsumptionInfo{};
  bool statMultiLayerShiftSize{};
  bool statMaintenanceInfo{};
  bool statPrintTimeInfo{};
  bool statJigConnectionInfo{};

  // Further functions.
  bool zeroMarginTombo{};
  bool uvIrradiation{};
  bool specialColorHighConcentrationPrint{};
  int defaultUseHeadUnit{};
  bool biFeed{};
  int mrlCommandLevel{};
  bool idCut{};
  bool afterPrintPauseTime{};
  bool marginBeforePrint{};
  double maxMarginBeforePrint{};
  bool marginAfterPrint{};
  double maxMarginAfterPrint{};
  bool multiFeedSupport{};
  bool supportsSealCopyFunction{};
  bool sendFfEveryPage{};
  bool compatibledWhiteInk{};
  bool inkExchange{};

  // Cutting.
  std::vector<std::string> cutTools{};
  int cutSpeedMax{};
  int cutSpeedMin{};
  int cutSpeedRecommend{};
  int cutPressureMax{};
  int cutPressureMin{};
  int cutPressureRecommend{};
  double cutOffsetMax{};
  double cutOffsetMin{};
  double cutOffsetRecommend{};
  int cutDryWaitTimeMax{};
  int cutDryWaitTimeMin{};
  int cutDryWaitTimeRecommend{};
  bool intermediateTombo{};
  bool intermediateTomboSplitCut{};
  bool autoCutTomboLine{};
  bool originAdjust{};
  bool cuttingInpo{};
  double cutStepSize{};
  bool autoOriginReturn{};
  double autoOriginReturnMargin{};
  int cutCmdSeries{};
  bool printAfterCut{};
  bool cutAfterPrint{};

  // Inks and media thickness.
  std::vector<std::string> headsUpGloss{};  // ","-joined
  bool whiteLimitationControl{};
  bool clearLimitationControl{};
  bool primerLimitationControl{};
  bool silverLimitationControl{};
  int inkSlotCount{};
  std::vector<std::string> usableColorGlossInks{};  // ","-joined
  bool mediaThickness{};
  double mediaThicknessMax{};
  double mediaThicknessMin{};
  std::vector<int> notAvailableInkByColorReplace{};  // ","-joined

  // XY slitter, option types and resolutions.
  bool tiffFileOutput{};
  bool xySlitter{};
  double xySlitterMarkSize{};
  double xySlitterMarkWidth{};
  // Older files name the options by the elements Quorl, Turnel and
  // TurnelSize instead.
  std::vector<int> optionTypes{};
  int defaultTurnel{};
  double xySlitterCutLineOffsetScanMinLimit{};
  double xySlitterCutLineOffsetFeedMinLimit{};
  double xySlitterDataCutLineScanMinLimit{};
  double xySlitterDataCutLineFeedMinLimit{};
  double xySlitterJobRegScanOffset{};
  double xySlitterRegFeedCutLineOffset{};
  double xySlitterMediaCutLineOffsetMinLimit{};
  double xySlitterMarkOffset{};
  double xySlitterSecondMarkWidth{};
  double xySlitterMediaRegMarkRightOffset{};
  bool twoColorPrintHead{};
  bool colorPattern{};
  bool turnelGloss{};
  std::vector<int> normalColorHandles{};
  std::vector<std::string> nonTurnelCompatibleResolutions{};
  bool pageSizeSpecification{};
  bool multiplySpecialColorDensity{};
  double xySlitterDetectionMarkSize{};
  double xySlitterDetectionMarkWidth{};
  int xYSlitterGuideResolutionX{};
  int xYSlitterGuideResolutionY{};
  int xYSlitterGuidePass{};
  int xYSlitterGuidePrintModeSet{};
  int feedChangeStopTime{};
  std::vector<std::string> nonTurnelHSCompatibleInkTypes{};
  double xySlitterCutLineOffsetFeedDefault{};
  double scanDistanceUnit{};
  int inkRemainingUnit{};
  bool jobInfoSetting{};
  int xYSlitterGuideAction{};
  int xYSlitterGuideWaveInfo{};
  int xYSlitterGuideHighQuality{};

  // Later additions (1.08 and after).
  bool uvIrradiationKvn6{};
  int headResolution{};
  bool uvLampPositionChange{};
  int inkThresholdValue{};
  bool rePrint{};
  std::vector<std::string> nonTurnelHSCompatibleResolutions{};
  bool presetPinchRoller{};
  std::vector<std::string> turnelHSPrimerResolutions{};
  double turnelHSAreaScan{};
  double turnelHSAreaFeed{};
  bool mediaWidthAuto{};
  bool mediaWidthFeed{};
  double impossibleAreaMinLimitTop{};
  double impossibleAreaMinLimitLeft{};
  double impossibleAreaMinLimitRight{};
  double impossibleAreaMinLimitBottom{};
  bool silveringReduction{};
  bool ldHighDensityCombination{};
  std::string heaterSwitchModelSize{};
  std::vector<std::string> heaterSwitchModelSizeKinds{};
  std::vector<std::string> defaultHeaterKinds{};
  bool mediaTension{};
};
