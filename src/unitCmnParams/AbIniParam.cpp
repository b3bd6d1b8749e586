#include "unitCmnParams/AbIniParam.h"

#include <utility>

#include "unitCmnParamIo/IniParamGuard.h"

bool AbIniParam::getSectionData(const std::string& name, IniSectionDataEx* out) const {
  return IniParamGuard::run(UNITCMN_SITE, [&] { return "IniParam getSectionData error section:" + name; },
                            [&] { return paramIo.getSectionData(name, out); });
}

void AbIniParam::setSectionData(const std::string& name, const IniSectionDataEx& data) {
  IniParamGuard::run(UNITCMN_SITE, [&] { return "IniParam setSectionData error section:" + name; },
                     [&] { paramIo.setSectionData(name, data); });
}

void AbIniParam::setSectionData(const std::string& name, IniSectionDataEx&& data) {
  IniParamGuard::run(UNITCMN_SITE, [&] { return "IniParam setSectionData error section:" + name; },
                     [&] { paramIo.setSectionData(name, std::move(data)); });
}
