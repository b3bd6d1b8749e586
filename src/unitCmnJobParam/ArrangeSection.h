// One arrangement result, written by the arrangers: section "Arrange" +
// the arrange number. A new record holds the defaults below (a read resets
// a missing key to 0 or empty, not to these).
#pragma once

#include <string>

#include "unitCmnJobParam/SectionTable.h"

struct ArrangeSection {
  int arrangeNumber{1};
  TextList compositeKeys;  // names of this arrangement's binary-unit sections
  std::string printAreaSet;
  DoubleQuad printArea{0.0, 0.0, 0.0, -1.0};
  DoublePair orgPosition{};
  int placePolicyScan{};
  int placePolicyFeed{};
  IntQuad boundingBox{};
  IntQuad boundingBoxUseFRRearPrn{};
  IntLists relRect;
  bool mobilePhoneJigUse{};
  int mobilePhoneJigAngle{};
  int mobilePhoneJigTableHeight{};
  int quorlNumber{};
  std::string arrangePolicy{"MinimumSize"};
  DoubleQuadsInBraces markPrintInformationDeploy;
  IntList markPrintInformationColor;
  IntList markPrintInformationLayer;
  DoubleQuad duplexPrintArea{0.0, 0.0, 0.0, -1.0};
  std::string resultLogFileNamePath{"Fixed\\ResultLogSettingFileName.csv"};
  std::string resultLogPrnPath{"Fixed\\ResultLogSettingPrn.csv"};
  std::string resultLogCutPath{"Fixed\\ResultLogSettingCut.csv"};
  // The columns of the result log, in this order.
  TextList resultLogKeyList{
      "KEY_FILENAME",   "KEY_RESULT",     "KEY_RESULT_DETAIL", "KEY_ARRANGE_CNT", "KEY_INKUSE",
      "KEY_RIP_S_TIME", "KEY_RIP_E_TIME", "KEY_PRINT_S_TIME",  "KEY_PRINT_E_TIME",
      "KEY_VEC_S_TIME", "KEY_VEC_E_TIME", "KEY_CUT_S_TIME",    "KEY_CUT_E_TIME"};
  TextLists resultLogResult;
  double arrangeMarginTop{};
  double arrangeMarginBottom{};
  double arrangeMarginLeft{};
  double arrangeMarginRight{};
  std::string arrangeOrder{"None"};

  static const SectionTable<ArrangeSection>& table();
  bool operator==(const ArrangeSection& o) const { return table().equal(*this, o); }
};
