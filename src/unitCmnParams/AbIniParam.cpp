#include "unitCmnParams/AbIniParam.h"

#include <utility>

#include "unitCmnParamIo/IniParamGuard.h"

namespace {
auto errorLine(const char* operation, const std::string& name) {
  return [operation, &name] {
    return std::string("IniParam ") + operation + " error section:" + name;
  };
}

// A copy, where one is made, is made inside the guard as well.
template <class Section>
void guardedSet(const SourceSite& site, ParamIoINI& io, const std::string& name, Section&& data) {
  IniParamGuard::run(site, errorLine("setSectionData", name),
                     [&] { io.setSectionData(name, std::forward<Section>(data)); });
}
}  // namespace

bool AbIniParam::getSectionData(const std::string& name, IniSectionDataEx* out) const {
  return IniParamGuard::run(UNITCMN_SITE, errorLine("getSectionData", name),
                            [&] { return paramIo.getSectionData(name, out); });
}

void AbIniParam::setSectionData(const std::string& name, const IniSectionDataEx& data) {
  guardedSet(UNITCMN_SITE, paramIo, name, data);
}

void AbIniParam::setSectionData(const std::string& name, IniSectionDataEx&& data) {
  guardedSet(UNITCMN_SITE, paramIo, name, std::move(data));
}
