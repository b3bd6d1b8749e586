// The print settings of a job: section "Print". Carries marks, margins,
// cutter and grouping settings; the arrangers read it and write it back.
// Lengths are millimetres.
#pragma once

#include <string>

#include "unitCmnJobParam/SectionTable.h"

struct PrintSection {
  MemberList member;  // member jobs; a group's last text is a JobID
  bool mediaCut{};
  int heaterStandbyMode{-1};
  int heaterStandbyTime{};
  int heaterOffMode{-1};
  int heaterOffTime{};
  double beforeMargin{};
  double afterMargin{};
  double afterFeed{};
  bool useAfterFeed{};
  bool afterSpaceFeed{};
  bool regMarkByPlotEdge{};
  int regMarkShapeByPlotEdge{};
  double regMarkSizeByPlotEdge{10.0};
  bool workChange{};
  bool moveYbarAfterPrint{};
  double ybarPositionAfterPrint{};
  bool colorPattern{};
  int colorPatternMode{};
  int colorPatternScaling{1};
  int duplexPrint{};
  int registerMarkShape{};
  bool registerMarkUseRecommend{};
  double registerMarkSize{10.0};
  double registerMarkLineWidth{0.6};
  int registerMarkTarget{1};
  bool registerMarkCenter{};
  int registerMarkCenterDirection{1};
  int registerMarkCenterNumber{2};
  bool registerMarkCenterSplitCut{};
  double registerMarkOffset{};
  bool registerMarkFillAround{};
  bool jig{};
  std::string positionTemplateName;
  int togglePrint{};
  std::string quorlTemplateName;
  bool batchTest{};
  bool dispNotRecommendMsg{};
  bool dispLampMsg{};
  int curLampPosition{};
  int adjustmentExecuteID{};
  bool fotobaMarkPrint{};
  double fotobaMarkMarginTop{};
  double fotobaMarkMarginLeft{};
  double fotobaMarkMarginRight{};
  double fotobaMarkMarginBottom{};
  double fotobaMarkMarginCenter{};
  bool fotobaMarkVerticalLine{};
  bool fotobaMarkLeftJustify{};
  bool fotobaVerticalLineDoubled{};
  bool fotobaMarkImageWidth{};
  int fotobaTestCutMarkPrint{};
  double fotobaMarkHorizontalSize{};
  double fotobaMarkVerticalSize{};
  bool fotobaMarkOptimized{};
  double fotobaMarkOffset{};
  double fotobaMarkLineWidth{};
  double fotobaMarkLineInterval{};
  DoubleQuadsInBraces markPrintInformationDeploy;
  IntList markPrintInformationColor;
  IntList markPrintInformationLayer;
  bool glossymode{};
  int printcountinfomation{1};
  int dataForm{};
  std::string cutDataDir;
  int cutDevID{};
  bool barcodePrint{};
  bool registerMarkBackSide{};
  bool separationCut{};
  bool tomboSeparation{};
  bool splitDirection{};
  int divisionNum{};
  bool printMark{};
  int feedCount{1};
  int timeCmdPrn{};
  int timeCut{};
  int timeImmediatePrint{};
  double mediaThickness{-1.0};  // -1 = not set
  bool xySlitterMark{};
  double xySlitterMarkOffset{};
  double xySlitterPrintBleed{};
  int xySlitterWidthCopyCnt{1};
  bool taperMediaPrint{};
  bool xySlitterImmediateProcessing{true};
  bool xySlitterWhiteMark{};
  int xySlitterYCutType{};
  double xySlitterPrintBleedBottom{};
  double xySlitterPrintBleedLeft{};
  double xySlitterPrintBleedRight{};
  int insertFFMarginMode{};
  bool transparencyPrint{};
  bool isUseCutter{};
  bool rePrint{};
  bool rePrintMarkFillAround{};
  bool isUseOptiScoutCutCondition{};
  TextList groupingMember;
  double groupingMarginScan{};
  double groupingMarginFeed{};
  int groupingDuplicateCount{1};
  bool groupingNest{};
  double groupingMarginTop{};
  double groupingMarginBottom{};
  double groupingMarginLeft{};
  double groupingMarginRight{};
  bool groupingPositionLock{};
  DoublePair groupingPosition{};
  std::string instructQRString;
  IntList instructQRPosition;
  DoublePair instructQRSize{};
  int alreadyKWSUploaded{1};
  DoubleList regMarkColor{0, 0, 0, 64};  // four values
  DoubleList fillAroundColor{0, 64, 64, 0};  // four values
  bool multipleMediaPrint{};
  DoubleList rePrintMarkFillAroundColor{0, 64, 64, 0};  // four values

  static const SectionTable<PrintSection>& table();
  bool operator==(const PrintSection& o) const { return table().equal(*this, o); }
};
