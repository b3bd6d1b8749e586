#include "unitCmnParams/OptiScoutCutConditionParam.h"

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlFieldTable.h"

namespace {

using P = OptiScoutCutConditionParam;

// Every element below the root in file order (the version aside), with its
// field and default.
const XmlFieldTable<P>& table() {
  static const XmlFieldTable<P> t{
      {"CreatedBy", &P::createdBy, ""},
      {"ReadOnly", &P::readOnly, false},
      {"OXFFilePath", &P::oXFFilePath, ""},
      {"PresetName", &P::presetName, ""},
      {"MediaListGetTime", &P::mediaListGetTime, ""},
      {"GUID", &P::gUID, ""},
      {"MediaName", &P::mediaName, ""},
      {"MediaType", &P::mediaType, ""},
      {"CutConditions", &P::cutConditions, "CutCondition", OptiScoutCutCondition::table()},
      {"Description", &P::description, ""},
      {"Thickness", &P::thickness, 0.0},
      {"UserMemo", &P::userMemo, ""},
      {"RegisterMark", &P::registerMark, OptiScoutRegisterMark::table()},
      {"CodeInfoModel", &P::codeInfoModel, OptiScoutCodeInfoModel::table()},
  };
  return t;
}

}  // namespace

OptiScoutCutConditionParam::OptiScoutCutConditionParam() {
  currentVersion = kCurrentVersion;
  OptiScoutCutConditionParam::initParam();
}

void OptiScoutCutConditionParam::initParam() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    AbXmlParam::initParam();
    table().reset(*this);
  });
}

bool OptiScoutCutConditionParam::setParamToIo() {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    paramIo.addDefine(kRoot);
    paramIo.addDefine(std::string(kRoot) + ".ParamVersion", paramVersion);
    table().write(paramIo, kRoot, *this);
    return true;
  });
}

bool OptiScoutCutConditionParam::getParamFromIo() {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    const XmlDefineRange range(paramIo.getDefines());
    if (const IoXmlDefine* version = range.find(std::string(kRoot) + ".ParamVersion"))
      version->getValue(paramVersion);
    table().read(range, kRoot, *this);
    return true;
  });
}
