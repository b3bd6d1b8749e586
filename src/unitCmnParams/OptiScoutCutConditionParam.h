// The cut-condition preset exchanged with OptiScout (cutting-registration
// software): the media, the cut condition of each spot colour, the
// register-mark settings and the settings of the printed identification
// code, stored as the "OptiScoutCutCondition" XML file (version 1.00).
// The fields are public; every default is empty, false or zero.
#pragma once

#include <string>
#include <vector>

#include "unitCmnParams/OptiScoutCutCondition.h"
#include "unitCmnParams/XmlFieldTable.h"
#include "unitCmnParams/XmlTableParam.h"

// Reset, read and write follow the table (XmlTableParam): initParam sets
// every field back to its default and the version back to 1.00;
// setParamToIo writes the root, the version, then every element in file
// order; getParamFromIo reads the version and every element present,
// missing ones keeping their defaults.
class OptiScoutCutConditionParam : public XmlTableParam<OptiScoutCutConditionParam> {
 public:
  static constexpr const char* kCurrentVersion = "1.00";
  static constexpr const char* kRoot = "OptiScoutCutCondition";

  // Every field at its default, version 1.00.
  OptiScoutCutConditionParam();
  OptiScoutCutConditionParam(const OptiScoutCutConditionParam&) = default;
  OptiScoutCutConditionParam& operator=(const OptiScoutCutConditionParam&) = default;

  // Every element below the root in file order (the version aside), with
  // its field and default.
  static const XmlFieldTable<OptiScoutCutConditionParam>& table();

  std::string createdBy;
  bool readOnly{};
  std::string oXFFilePath;
  std::string presetName;
  std::string mediaListGetTime;
  std::string gUID;
  std::string mediaName;
  std::string mediaType;
  // One entry per spot colour, in file order.
  std::vector<OptiScoutCutCondition> cutConditions;
  std::string description;
  double thickness{};
  std::string userMemo;
  OptiScoutRegisterMark registerMark;
  OptiScoutCodeInfoModel codeInfoModel;

 protected:
  // True unless a value failed to convert (which raises before this), also
  // when none of the elements is present.
  bool afterRead(const XmlDefineRange& range, int found) override;
};
