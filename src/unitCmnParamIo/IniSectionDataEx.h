// The section type parameter classes use: IniSectionData plus the
// double-quote rule for text values. A non-empty text is stored with one
// double quote on each side (not added again where already present); the
// empty text is stored as it is. Reading strips one quote from each end.
#pragma once

#include "unitCmnParamIo/IniSectionData.h"

class IniSectionDataEx : public IniSectionData {
 public:
  using IniSectionData::getValue;
  using IniSectionData::setValue;

  void setValue(const std::string& key, const std::string& text);
  void setValue(const std::string& key, const char* text);
  void setValueNonDq(const std::string& key, const std::string& text);
  bool getValue(const std::string& key, std::string& out) const;
  bool getValueNonDq(const std::string& key, std::string& out) const;
};
