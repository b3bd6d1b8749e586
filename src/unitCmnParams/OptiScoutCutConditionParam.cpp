#include "unitCmnParams/OptiScoutCutConditionParam.h"

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlFieldTable.h"

namespace {

using P = OptiScoutCutConditionParam;

}  // namespace

const XmlFieldTable<OptiScoutCutConditionParam>& OptiScoutCutConditionParam::table() {
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

OptiScoutCutConditionParam::OptiScoutCutConditionParam() {
  currentVersion = kCurrentVersion;
  OptiScoutCutConditionParam::initParam();
}

bool OptiScoutCutConditionParam::afterRead(const XmlDefineRange& /*range*/, int /*found*/) {
  return true;
}
