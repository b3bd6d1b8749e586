#include "unitCmnParams/AbIniParam.h"

#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

// Logs "<what><name>" and raises again whatever the section access raised.
template <class Body>
auto withSectionLog(const SourceSite& site, const char* what, const std::string& name, Body&& body) {
  return unitCmnGuard::run(site, [&] {
    try {
      return body();
    } catch (...) {
      KvnCmnLog::logError(site, what + name);
      throw;
    }
  });
}

}  // namespace

bool AbIniParam::getSectionData(const std::string& name, IniSectionDataEx* out) const {
  return withSectionLog(UNITCMN_SITE, "IniParam getSectionData error section:", name,
                        [&] { return paramIo.getSectionData(name, out); });
}

void AbIniParam::setSectionData(const std::string& name, const IniSectionDataEx& data) {
  withSectionLog(UNITCMN_SITE, "IniParam setSectionData error section:", name,
                 [&] { paramIo.setSectionData(name, data); });
}
