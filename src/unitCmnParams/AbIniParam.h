// A parameter file stored as INI: owns its ParamIoINI model by value and
// gives derived classes section access with the logging they need.
#pragma once

#include <string>

#include "unitCmnParamIo/IniSectionDataEx.h"
#include "unitCmnParamIo/ParamIoINI.h"
#include "unitCmnParams/AbParam.h"

class AbIniParam : public AbParam {
 public:
  // Copies the named section; a missing one is a logged false.
  bool getSectionData(const std::string& name, IniSectionDataEx* out) const;
  void setSectionData(const std::string& name, const IniSectionDataEx& data);
  void setSectionData(const std::string& name, IniSectionDataEx&& data);  // no copy of the keys

 protected:
  AbIniParam() = default;
  AbIniParam(const AbIniParam&) = default;
  AbIniParam& operator=(const AbIniParam&) = default;

  AbParamIo& paramIoBase() override { return paramIo; }
  void afterDelete() override { paramIo.clear(); }

  ParamIoINI paramIo;
};
