// Records of the OptiScout cut-condition file: the cut condition assigned
// to one spot colour, the register-mark settings and the settings of the
// printed identification code. Each describes its elements in a table
// whose paths are relative to the record's own element.
#pragma once

#include <string>

#include "unitCmnParams/XmlFieldTable.h"

// One "CutCondition" of "CutConditions".
struct OptiScoutCutCondition {
  std::string spotColorName;
  std::string cuttingConditionName;
  int red{};
  int green{};
  int blue{};

  static const XmlFieldTable<OptiScoutCutCondition>& table();
};

// The children of "RegisterMark".
struct OptiScoutRegisterMark {
  int registerMarkMode{};
  int registerMarkType{};
  double registerMarkMaxDistance{};
  double registerMarkLineWidth{};
  double registerMarkSize{};
  double registerMarkOffset{};
  int registerMarkFillAroundType{};

  static const XmlFieldTable<OptiScoutRegisterMark>& table();
};

// The children of "CodeInfoModel".
struct OptiScoutCodeInfoModel {
  struct CodeSize {
    double width{};
    double height{};
    static const XmlFieldTable<CodeSize>& table();
  };
  struct CodeOffset {
    double x{};
    double y{};
    static const XmlFieldTable<CodeOffset>& table();
  };
  // The sides of the layout and the ends of each side where the code is
  // printed.
  struct CodePrintPosition {
    bool bottomRight{};
    bool bottomLeft{};
    bool topRight{};
    bool topLeft{};
    bool leftTop{};
    bool leftBottom{};
    bool rightTop{};
    bool rightBottom{};
    static const XmlFieldTable<CodePrintPosition>& table();
  };

  int codeType{};
  CodeSize codeSize;
  CodeOffset codeOffset;
  bool isPrintCodeText{};
  CodePrintPosition codePrintPosition;

  static const XmlFieldTable<OptiScoutCodeInfoModel>& table();
};
