#include "unitCmnParams/AbParam.h"

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/TypeConvert.h"
#include "unitCmnParamIo/AbParamIo.h"

AbParam::~AbParam() = default;

bool AbParam::readParam(const std::string& path) {
  return unitCmnGuard::runOrLog(UNITCMN_SITE, false, [&] {
    filePath = path;
    initParam();
    if (path.empty() || !paramIoBase().readFile(path)) return false;
    return finishRead();
  });
}

bool AbParam::readParamData(const std::string& text) {
  return unitCmnGuard::runOrLog(UNITCMN_SITE, false, [&] {
    initParam();
    if (!paramIoBase().readText(text)) return false;
    return finishRead();
  });
}

bool AbParam::finishRead() {
  if (!getParamFromIo()) return false;
  if (paramVersion != currentVersion) versionUp();
  return true;
}

bool AbParam::writeParam() {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (filePath.empty() || !prepareWrite()) return false;
    return paramIoBase().writeFile(filePath);
  });
}

bool AbParam::writeParam(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    filePath = path;
    return writeParam();
  });
}

bool AbParam::deleteParam() {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (filePath.empty() || !paramIoBase().deleteFile(filePath)) return false;
    filePath.clear();
    afterDelete();
    return true;
  });
}

void AbParam::initParam() { paramVersion = currentVersion; }

void AbParam::versionUp() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (versionIsBelowCurrent()) paramVersion = currentVersion;
  });
}

bool AbParam::versionIsBelowCurrent() const {
  return TypeConvert::toFloat(paramVersion) < TypeConvert::toFloat(currentVersion);
}
