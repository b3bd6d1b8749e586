#include "unitCmnParams/OptiScoutCutCondition.h"

const XmlFieldTable<OptiScoutCutCondition>& OptiScoutCutCondition::table() {
  using C = OptiScoutCutCondition;
  static const XmlFieldTable<C> t{
      {"SpotColorName", &C::spotColorName, ""},
      {"CuttingConditionName", &C::cuttingConditionName, ""},
      {"Red", &C::red, 0},
      {"Green", &C::green, 0},
      {"Blue", &C::blue, 0},
  };
  return t;
}

const XmlFieldTable<OptiScoutRegisterMark>& OptiScoutRegisterMark::table() {
  using M = OptiScoutRegisterMark;
  static const XmlFieldTable<M> t{
      {"RegisterMarkMode", &M::registerMarkMode, 0},
      {"RegisterMarkType", &M::registerMarkType, 0},
      {"RegisterMarkMaxDistance", &M::registerMarkMaxDistance, 0.0},
      {"RegisterMarkLineWidth", &M::registerMarkLineWidth, 0.0},
      {"RegisterMarkSize", &M::registerMarkSize, 0.0},
      {"RegisterMarkOffset", &M::registerMarkOffset, 0.0},
      {"RegisterMarkFillAroundType", &M::registerMarkFillAroundType, 0},
  };
  return t;
}

const XmlFieldTable<OptiScoutCodeInfoModel::CodeSize>& OptiScoutCodeInfoModel::CodeSize::table() {
  static const XmlFieldTable<CodeSize> t{
      {"Width", &CodeSize::width, 0.0},
      {"Height", &CodeSize::height, 0.0},
  };
  return t;
}

const XmlFieldTable<OptiScoutCodeInfoModel::CodeOffset>&
OptiScoutCodeInfoModel::CodeOffset::table() {
  static const XmlFieldTable<CodeOffset> t{
      {"X", &CodeOffset::x, 0.0},
      {"Y", &CodeOffset::y, 0.0},
  };
  return t;
}

const XmlFieldTable<OptiScoutCodeInfoModel::CodePrintPosition>&
OptiScoutCodeInfoModel::CodePrintPosition::table() {
  using P = CodePrintPosition;
  static const XmlFieldTable<P> t{
      {"BottomRight", &P::bottomRight, false}, {"BottomLeft", &P::bottomLeft, false},
      {"TopRight", &P::topRight, false},       {"TopLeft", &P::topLeft, false},
      {"LeftTop", &P::leftTop, false},         {"LeftBottom", &P::leftBottom, false},
      {"RightTop", &P::rightTop, false},       {"RightBottom", &P::rightBottom, false},
  };
  return t;
}

const XmlFieldTable<OptiScoutCodeInfoModel>& OptiScoutCodeInfoModel::table() {
  using M = OptiScoutCodeInfoModel;
  static const XmlFieldTable<M> t{
      {"CodeType", &M::codeType, 0},
      {"CodeSize", &M::codeSize, CodeSize::table()},
      {"CodeOffset", &M::codeOffset, CodeOffset::table()},
      {"IsPrintCodeText", &M::isPrintCodeText, false},
      {"CodePrintPosition", &M::codePrintPosition, CodePrintPosition::table()},
  };
  return t;
}
