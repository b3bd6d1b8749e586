#include "unitCmnParams/DeviceFunctionParam.h"

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/TypeConvert.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlFieldTable.h"

namespace {

using D = DeviceFunctionParam;
using Table = XmlFieldTable<D>;
constexpr auto kItems = Table::ListForm::kItems;
constexpr auto kCommaSeparated = Table::ListForm::kCommaSeparated;

// Option types of files that predate the option-type list: "Quorl" true
// stands for option type 2; "Turnel" true stands for the first option
// type, in ascending order, whose attachment size equals "TurnelSize".
struct TurnelAttachment {
  int optionType;
  int size;
};
constexpr TurnelAttachment kTurnelAttachments[] = {{3, 300}, {4, 600}, {5, 300}};

int readOldOptionTypes(const XmlDefineRange& range, const std::string& base, D& param) {
  int found = 0;
  if (const IoXmlDefine* quorl = range.find(base + ".Quorl")) {
    ++found;
    bool attached = false;
    quorl->getValue(attached);
    if (attached) param.optionTypes.push_back(2);
  }
  if (const IoXmlDefine* turnel = range.find(base + ".Turnel")) {
    ++found;
    bool attached = false;
    turnel->getValue(attached);
    // The size only matters for an attached Turnel; without it no
    // attachment matches.
    const IoXmlDefine* sizeDefine = range.find(base + ".TurnelSize");
    if (attached && sizeDefine != nullptr) {
      int size = 0;
      sizeDefine->getValue(size);
      for (const TurnelAttachment& a : kTurnelAttachments) {
        if (a.size == size) {
          param.optionTypes.push_back(a.optionType);
          break;
        }
      }
    }
  }
  return found;
}

}  // namespace

const XmlFieldTable<DeviceFunctionParam>& DeviceFunctionParam::table() {
  static const Table t{
      {"PullBack", &D::pullBack, false},
      {"FeedDirection", &D::feedDirection, false},
      {"TopBlower", &D::topBlower, false},
      {"SquareTombo", &D::squareTombo, false},
      {"MediaCut", &D::mediaCut, false},
      {"AdsorbFan", &D::adsorbFan, 0},
      {"ScanPauseTime", &D::scanPauseTime, false},
      {"MaxScanPauseTime", &D::maxScanPauseTime, 0.0},
      {"UseHeadUnit", &D::useHeadUnit, false},
      {"SelectHeadUnitPanel", &D::selectHeadUnitPanel, false},
      {"HeaterStandby", &D::heaterStandby, false},
      {"HeaterOff", &D::heaterOff, false},
      {"HighSpeedImageProcessing", &D::highSpeedImageProcessing, false},
      {"ModeChange", &D::modeChange, false},
      {"QueryCommand_JigOption", &D::queryCommand_JigOption, false},
      {"QueryCommand_ShiftSize", &D::queryCommand_ShiftSize, false},
      {"PageSection", &D::pageSection, false},
      {"MaskDownload", &D::maskDownload, false},
      {"PrinterMask", &D::printerMask, false},
      {"AfterSpaceFeed", &D::afterSpaceFeed, false},
      {"MinAfterSpaceFeed", &D::minAfterSpaceFeed, 0.0},
      {"MaxAfterSpaceFeed", &D::maxAfterSpaceFeed, 0.0},
      {"MultiLayerCommand", &D::multiLayerCommand, 0},
      {"ShiftSizeMethod", &D::shiftSizeMethod, 0},
      {"ShiftAmountLayer", &D::shiftAmountLayer, 0},
      {"ShiftGeneralColor", &D::shiftGeneralColor, false},
      {"NotifyUsedColor", &D::notifyUsedColor, false},
      {"UvLampSplitCount", &D::uvLampSplitCount, 0},
      {"UvLampCount", &D::uvLampCount, 0},
      {"AutoPowerOff", &D::autoPowerOff, false},
      {"Cutting", &D::cutting, false},
      {"MultiLayerQuality", &D::multiLayerQuality, false},
      {"SelectOverPrintColor", &D::selectOverPrintColor, false},
      {"WaveFormSelection", &D::waveFormSelection, true},
      {"PrintProgress", &D::printProgress, false},
      {"CheckDriverVersion", &D::checkDriverVersion, false},
      {"SupportMaps4", &D::supportMaps4, false},
      {"HighDensityInkConsumpCalcType", &D::highDensityInkConsumpCalcType, 0},
      {"Port1284", &D::port1284, false},
      {"Port1394", &D::port1394, false},
      {"PortFile", &D::portFile, false},
      {"PortUsb2", &D::portUsb2, false},
      {"PortEther", &D::portEther, false},
      {"DeviceAdjustFeed", &D::deviceAdjustFeed, false},
      {"MinAdjustFeed", &D::minAdjustFeed, 0},
      {"MaxAdjustFeed", &D::maxAdjustFeed, 0},
      {"DeviceAdjustPreHeater", &D::deviceAdjustPreHeater, 0},
      {"MinAdjustPreHeater", &D::minAdjustPreHeater, 0},
      {"MaxAdjustPreHeater", &D::maxAdjustPreHeater, 0},
      {"NameKeyPreHeater", &D::nameKeyPreHeater, ""},
      {"DeviceAdjustPrintHeater", &D::deviceAdjustPrintHeater, 0},
      {"MinAdjustPrintHeater", &D::minAdjustPrintHeater, 0},
      {"MaxAdjustPrintHeater", &D::maxAdjustPrintHeater, 0},
      {"NameKeyPrintHeater", &D::nameKeyPrintHeater, ""},
      {"DeviceAdjustAfterHeater", &D::deviceAdjustAfterHeater, 0},
      {"MinAdjustAfterHeater", &D::minAdjustAfterHeater, 0},
      {"MaxAdjustAfterHeater", &D::maxAdjustAfterHeater, 0},
      {"NameKeyAfterHeater", &D::nameKeyAfterHeater, ""},
      {"DeviceAdjustExtHeater", &D::deviceAdjustExtHeater, 0},
      {"MinAdjustExtHeater", &D::minAdjustExtHeater, 0},
      {"MaxAdjustExtHeater", &D::maxAdjustExtHeater, 0},
      {"ThreeChoiceExtHeater", &D::threeChoiceExtHeater, false},
      {"ChoiceValueOfLow", &D::choiceValueOfLow, 0},
      {"ChoiceValueOfMiddle", &D::choiceValueOfMiddle, 0},
      {"ChoiceValueOfHigh", &D::choiceValueOfHigh, 0},
      {"RuleExtHeaterPrintHtPre", &D::ruleExtHeaterPrintHtPre, false},
      {"RuleExtHeaterAfterHtPrint", &D::ruleExtHeaterAfterHtPrint, false},
      {"NameKeyExtHeater", &D::nameKeyExtHeater, ""},
      {"DeviceAdjustFeedSpeed", &D::deviceAdjustFeedSpeed, false},
      {"MinAdjustFeedSpeed", &D::minAdjustFeedSpeed, 0},
      {"MaxAdjustFeedSpeed", &D::maxAdjustFeedSpeed, 0},
      {"AdditionalSpeed", &D::additionalSpeed, false},
      {"CntHead", &D::cntHead, 0},
      {"CntNozzle", &D::cntNozzle, 0},
      {"ColorUseNozzleColumn", &D::colorUseNozzleColumn, 0},
      {"SizeNozzlePitch", &D::sizeNozzlePitch, 0.0},
      {"SizeNozzleWidth", &D::sizeNozzleWidth, 0.0},
      {"CntNozzleOff", &D::cntNozzleOff, 0},
      {"AcceleScan", &D::acceleScan, 0.0},
      {"AddScan", &D::addScan, 0.0},
      {"SpeedReturn", &D::speedReturn, 0.0},
      {"AcceleFeed", &D::acceleFeed, 0.0},
      {"DistanceFlashing", &D::distanceFlashing, 0.0},
      {"TimeFlashing", &D::timeFlashing, 0.0},
      {"Margin", &D::margin, 0.0},
      {"MarginFf", &D::marginFf, 0.0},
      {"CopyTwinRoll", &D::copyTwinRoll, false},
      {"PrintToggle", &D::printToggle, false},
      {"AreaWidth", &D::areaWidth, 0.0},
      {"AreaHeight", &D::areaHeight, 0.0},
      {"AreaWidthToggle", &D::areaWidthToggle, 0.0},
      {"AreaHeightToggle", &D::areaHeightToggle, 0.0},
      {"DispPrintAreaOriginLt", &D::dispPrintAreaOriginLt, false},
      {"MoveYbarAfterPrint", &D::moveYbarAfterPrint, false},
      {"RestTableTop", &D::restTableTop, 0.0},
      {"RestTableLeft", &D::restTableLeft, 0.0},
      {"RestTableRight", &D::restTableRight, 0.0},
      {"RestTableBottom", &D::restTableBottom, 0.0},
      {"RestJigTop", &D::restJigTop, 0.0},
      {"RestJigBottom", &D::restJigBottom, 0.0},
      {"OmitRectWidth", &D::omitRectWidth, 0.0},
      {"OmitRectHeight", &D::omitRectHeight, 0.0},
      {"AddIrradiatePass", &D::addIrradiatePass, 0},
      {"CureLength", &D::cureLength, 0.0},
      {"CntAvailableNozzle", &D::cntAvailableNozzle, 0},
      {"IntervalFlashing", &D::intervalFlashing, 0.0},
      {"DistanceNozzleWidth", &D::distanceNozzleWidth, 0.0},
      {"MarginLr", &D::marginLr, 0.0},
      {"UvOffsetLeft", &D::uvOffsetLeft, 0.0},
      {"UvIrradiateMargin", &D::uvIrradiateMargin, 0.0},
      {"UvOffsetX", &D::uvOffsetX, 0.0},
      {"SpeedStabilityTime", &D::speedStabilityTime, 0.0},
      {"LinearScalePitch", &D::linearScalePitch, 0.0},
      {"StatMediaWidth", &D::statMediaWidth, false},
      {"StatHeadWiperStatus", &D::statHeadWiperStatus, false},
      {"StatUvLampIlluminationTime", &D::statUvLampIlluminationTime, false},
      {"StatExtendedError", &D::statExtendedError, false},
      {"StatProductionStatus", &D::statProductionStatus, false},
      {"StatInkConsumptionInfo", &D::statInkConsumptionInfo, false},
      {"StatMultiLayerShiftSize", &D::statMultiLayerShiftSize, false},
      {"StatMaintenanceInfo", &D::statMaintenanceInfo, false},
      {"StatPrintTimeInfo", &D::statPrintTimeInfo, false},
      {"StatJigConnectionInfo", &D::statJigConnectionInfo, false},
      {"ZeroMarginTombo", &D::zeroMarginTombo, false},
      {"UvIrradiation", &D::uvIrradiation, false},
      {"SpecialColorHighConcentrationPrint", &D::specialColorHighConcentrationPrint, false},
      {"DefaultUseHeadUnit", &D::defaultUseHeadUnit, 0},
      {"BiFeed", &D::biFeed, false},
      {"MrlCommandLevel", &D::mrlCommandLevel, 0},
      {"IdCut", &D::idCut, false},
      {"AfterPrintPauseTime", &D::afterPrintPauseTime, false},
      {"MarginBeforePrint", &D::marginBeforePrint, false},
      {"MaxMarginBeforePrint", &D::maxMarginBeforePrint, 0.0},
      {"MarginAfterPrint", &D::marginAfterPrint, false},
      {"MaxMarginAfterPrint", &D::maxMarginAfterPrint, 0.0},
      {"MultiFeedSupport", &D::multiFeedSupport, false},
      {"SupportsSealCopyFunction", &D::supportsSealCopyFunction, false},
      {"SendFfEveryPage", &D::sendFfEveryPage, true},
      {"CompatibledWhiteInk", &D::compatibledWhiteInk, false},
      {"InkExchange", &D::inkExchange, false},
      {"CutTools", &D::cutTools, kItems, "CutTool"},
      {"CutSpeedMax", &D::cutSpeedMax, 30},
      {"CutSpeedMin", &D::cutSpeedMin, 1},
      {"CutSpeedRecommend", &D::cutSpeedRecommend, 30},
      {"CutPressureMax", &D::cutPressureMax, 450},
      {"CutPressureMin", &D::cutPressureMin, 10},
      {"CutPressureRecommend", &D::cutPressureRecommend, 100},
      {"CutOffsetMax", &D::cutOffsetMax, 2.5},
      {"CutOffsetMin", &D::cutOffsetMin, 1.0},
      {"CutOffsetRecommend", &D::cutOffsetRecommend, 0.3},
      {"CutDryWaitTimeMax", &D::cutDryWaitTimeMax, 28800},
      {"CutDryWaitTimeMin", &D::cutDryWaitTimeMin, 1},
      {"CutDryWaitTimeRecommend", &D::cutDryWaitTimeRecommend, 1},
      {"IntermediateTombo", &D::intermediateTombo, true},
      {"IntermediateTomboSplitCut", &D::intermediateTomboSplitCut, false},
      {"AutoCutTomboLine", &D::autoCutTomboLine, true},
      {"OriginAdjust", &D::originAdjust, true},
      {"CuttingInpo", &D::cuttingInpo, true},
      {"CutStepSize", &D::cutStepSize, 0.025},
      {"AutoOriginReturn", &D::autoOriginReturn, false},
      {"AutoOriginReturnMargin", &D::autoOriginReturnMargin, 0.0},
      {"CutCmdSeries", &D::cutCmdSeries, 0},
      {"PrintAfterCut", &D::printAfterCut, false},
      {"CutAfterPrint", &D::cutAfterPrint, false},
      {"HeadsUpGloss", &D::headsUpGloss, kCommaSeparated},
      {"WhiteLimitationControl", &D::whiteLimitationControl, false},
      {"ClearLimitationControl", &D::clearLimitationControl, false},
      {"PrimerLimitationControl", &D::primerLimitationControl, false},
      {"SilverLimitationControl", &D::silverLimitationControl, false},
      {"InkSlotCount", &D::inkSlotCount, 8},
      {"UsableColorGlossInks", &D::usableColorGlossInks, kCommaSeparated},
      {"MediaThickness", &D::mediaThickness, false},
      {"MediaThicknessMax", &D::mediaThicknessMax, 0.0},
      {"MediaThicknessMin", &D::mediaThicknessMin, 0.0},
      {"NotAvailableInkByColorReplace", &D::notAvailableInkByColorReplace, kCommaSeparated},
      {"TiffFileOutput", &D::tiffFileOutput, false},
      {"XySlitter", &D::xySlitter, false},
      {"XySlitterMarkSize", &D::xySlitterMarkSize, 30.0},
      {"XySlitterMarkWidth", &D::xySlitterMarkWidth, 1.0},
      Table::Field::orElse({"OptionTypes", &D::optionTypes, kItems, "OptionType"},
                           readOldOptionTypes),
      {"DefaultTurnel", &D::defaultTurnel, 0},
      {"XySlitterCutLineOffsetScanMinLimit", &D::xySlitterCutLineOffsetScanMinLimit, 50.0},
      {"XySlitterCutLineOffsetFeedMinLimit", &D::xySlitterCutLineOffsetFeedMinLimit, 52.0},
      {"XySlitterDataCutLineScanMinLimit", &D::xySlitterDataCutLineScanMinLimit, 210.0},
      {"XySlitterDataCutLineFeedMinLimit", &D::xySlitterDataCutLineFeedMinLimit, 297.0},
      {"XySlitterJobRegScanOffset", &D::xySlitterJobRegScanOffset, 0.0},
      {"XySlitterRegFeedCutLineOffset", &D::xySlitterRegFeedCutLineOffset, 15.0},
      {"XySlitterMediaCutLineOffsetMinLimit", &D::xySlitterMediaCutLineOffsetMinLimit, 25.0},
      {"XySlitterMarkOffset", &D::xySlitterMarkOffset, 10.0},
      {"XySlitterSecondMarkWidth", &D::xySlitterSecondMarkWidth, 6.0},
      {"XySlitterMediaRegMarkRightOffset", &D::xySlitterMediaRegMarkRightOffset, 0.0},
      {"TwoColorPrintHead", &D::twoColorPrintHead, false},
      {"ColorPattern", &D::colorPattern, false},
      {"TurnelGloss", &D::turnelGloss, false},
      {"NormalColorHandles", &D::normalColorHandles, kItems, "NormalColorHandle"},
      {"NonTurnelCompatibleResolutions", &D::nonTurnelCompatibleResolutions, kItems,
       "NonTurnelCompatibleResolution"},
      {"PageSizeSpecification", &D::pageSizeSpecification, false},
      {"MultiplySpecialColorDensity", &D::multiplySpecialColorDensity, false},
      {"XySlitterDetectionMarkSize", &D::xySlitterDetectionMarkSize, 10.0},
      {"XySlitterDetectionMarkWidth", &D::xySlitterDetectionMarkWidth, 1.0},
      {"XYSlitterGuideResolutionX", &D::xYSlitterGuideResolutionX, 0},
      {"XYSlitterGuideResolutionY", &D::xYSlitterGuideResolutionY, 0},
      {"XYSlitterGuidePass", &D::xYSlitterGuidePass, 0},
      {"XYSlitterGuidePrintModeSet", &D::xYSlitterGuidePrintModeSet, 0},
      {"FeedChangeStopTime", &D::feedChangeStopTime, 0},
      {"NonTurnelHSCompatibleInkTypes", &D::nonTurnelHSCompatibleInkTypes, kItems,
       "NonTurnelHSCompatibleInkType"},
      {"XySlitterCutLineOffsetFeedDefault", &D::xySlitterCutLineOffsetFeedDefault, 52.0},
      {"ScanDistanceUnit", &D::scanDistanceUnit, 1.0},
      {"InkRemainingUnit", &D::inkRemainingUnit, 0},
      {"JobInfoSetting", &D::jobInfoSetting, false},
      {"XYSlitterGuideAction", &D::xYSlitterGuideAction, 0},
      {"XYSlitterGuideWaveInfo", &D::xYSlitterGuideWaveInfo, 0},
      {"XYSlitterGuideHighQuality", &D::xYSlitterGuideHighQuality, 0},
      {"UvIrradiationKvn6", &D::uvIrradiationKvn6, false},
      {"HeadResolution", &D::headResolution, 0},
      {"UvLampPositionChange", &D::uvLampPositionChange, false},
      {"InkThresholdValue", &D::inkThresholdValue, 2},
      {"RePrint", &D::rePrint, false},
      {"NonTurnelHSCompatibleResolutions", &D::nonTurnelHSCompatibleResolutions, kItems,
       "NonTurnelHSCompatibleResolution"},
      {"PresetPinchRoller", &D::presetPinchRoller, false},
      {"TurnelHSPrimerResolutions", &D::turnelHSPrimerResolutions, kItems,
       "TurnelHSPrimerResolution"},
      {"TurnelHSAreaScan", &D::turnelHSAreaScan, 0.0},
      {"TurnelHSAreaFeed", &D::turnelHSAreaFeed, 0.0},
      {"MediaWidthAuto", &D::mediaWidthAuto, true},
      {"MediaWidthFeed", &D::mediaWidthFeed, true},
      {"ImpossibleAreaMinLimitTop", &D::impossibleAreaMinLimitTop, 0.0},
      {"ImpossibleAreaMinLimitLeft", &D::impossibleAreaMinLimitLeft, 0.0},
      {"ImpossibleAreaMinLimitRight", &D::impossibleAreaMinLimitRight, 0.0},
      {"ImpossibleAreaMinLimitBottom", &D::impossibleAreaMinLimitBottom, 0.0},
      {"SilveringReduction", &D::silveringReduction, false},
      {"LdHighDensityCombination", &D::ldHighDensityCombination, false},
      {"HeaterSwitchModelSize", &D::heaterSwitchModelSize, ""},
      {"HeaterSwitchModelSizeKinds", &D::heaterSwitchModelSizeKinds, kItems,
       "HeaterSwitchModelSizeKind"},
      {"DefaultHeaterKinds", &D::defaultHeaterKinds, kItems, "DefaultHeaterKind"},
      {"MediaTension", &D::mediaTension, false},
  };
  return t;
}

DeviceFunctionParam::DeviceFunctionParam() {
  currentVersion = kCurrentVersion;
  DeviceFunctionParam::initParam();
}

void DeviceFunctionParam::versionUp() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!versionIsBelowCurrent()) return;
    // Each step sets what files older than its version lacked, judged by
    // the version the file carried.
    const float old = TypeConvert::toFloat(paramVersion);
    if (old < 1.03f) {
      colorPattern = marginBeforePrint;
      turnelGloss = defaultTurnel > 0 && marginLr == 0.0;
    }
    if (old < 1.07f) {
      inkRemainingUnit = 0;
      jobInfoSetting = false;
    }
    if (old < 1.08f) {
      uvIrradiationKvn6 = false;
      headResolution = 0;
      uvLampPositionChange = false;
      inkThresholdValue = 2;
    }
    if (old < 1.09f) rePrint = false;
    if (old < 1.11f) nonTurnelHSCompatibleResolutions.clear();
    if (old < 1.15f) silveringReduction = false;
    paramVersion = currentVersion;
    if (!filePath.empty()) writeParam();
  });
}
