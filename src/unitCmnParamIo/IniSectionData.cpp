#include "unitCmnParamIo/IniSectionData.h"

#include <algorithm>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/TypeConvert.h"

namespace {

// Reads the raw text through the base string getter (which logs a missing
// key) and converts it; out is only touched when the key exists. A failed
// conversion raises with TypeConvert's message.
template <class T, class Convert>
bool getConverted(const IniSectionData& section, const std::string& key, T& out,
                  Convert convert) {
  std::string raw;
  if (!section.IniSectionData::getValue(key, raw)) return false;
  out = convert(raw);
  return true;
}

}  // namespace

void IniSectionData::setValue(const std::string& key, const std::string& text) {
  setValueCommon(key, text);
}

void IniSectionData::setValue(const std::string& key, const char* text) {
  setValueCommon(key, text ? std::string(text) : std::string());
}

void IniSectionData::setValue(const std::string& key) { setValueCommon(key, std::string()); }

void IniSectionData::setValue(const std::string& key, int value) {
  setValueCommon(key, TypeConvert::toString(value));
}

void IniSectionData::setValue(const std::string& key, long long value) {
  setValueCommon(key, TypeConvert::toString(value));
}

void IniSectionData::setValue(const std::string& key, unsigned long long value) {
  setValueCommon(key, TypeConvert::toString(value));
}

void IniSectionData::setValue(const std::string& key, double value) {
  setValueCommon(key, TypeConvert::toString(value));
}

void IniSectionData::setValue(const std::string& key, bool value) {
  setValueCommon(key, TypeConvert::toString(value));
}

bool IniSectionData::getValue(const std::string& key, std::string& out) const {
  return getValueCommon(key, out);
}

bool IniSectionData::getValue(const std::string& key, int& out) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return getConverted(*this, key, out, [](const std::string& t) { return TypeConvert::toInt(t); });
  });
}

bool IniSectionData::getValue(const std::string& key, long long& out) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return getConverted(*this, key, out,
                        [](const std::string& t) { return TypeConvert::toLongLong(t); });
  });
}

bool IniSectionData::getValue(const std::string& key, unsigned long long& out) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return getConverted(*this, key, out,
                        [](const std::string& t) { return TypeConvert::toULongLong(t); });
  });
}

bool IniSectionData::getValue(const std::string& key, double& out) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return getConverted(*this, key, out,
                        [](const std::string& t) { return TypeConvert::toDouble(t); });
  });
}

bool IniSectionData::getValue(const std::string& key, bool& out) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return getConverted(*this, key, out, [](const std::string& t) { return TypeConvert::toBool(t); });
  });
}

void IniSectionData::deleteKey(const std::string& key) {
  const SourceSite site = UNITCMN_SITE;
  unitCmnGuard::run(site, [&] {
    if (sectionValues.erase(key) == 0) unitCmnGuard::raise(site, "Key not found. key:" + key);
    keyOrder.erase(std::find(keyOrder.begin(), keyOrder.end(), key));
  });
}

bool IniSectionData::hasKey(const std::string& key) const { return sectionValues.count(key) != 0; }

void IniSectionData::clear() {
  sectionValues.clear();
  keyOrder.clear();
}

std::string IniSectionData::toString() const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::string text;
    for (const std::string& key : keyOrder) text += key + "=" + sectionValues.at(key) + "\n";
    return text;
  });
}

void IniSectionData::setValueCommon(const std::string& key, const std::string& text) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    // insert_or_assign keeps an existing key's place in keyOrder.
    if (sectionValues.insert_or_assign(key, text).second) keyOrder.push_back(key);
  });
}

bool IniSectionData::getValueCommon(const std::string& key, std::string& out) const {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    out.clear();
    auto found = sectionValues.find(key);
    if (found == sectionValues.end()) {
      KvnCmnLog::logError(site, "ParamIoINI getValue Key not found. key:" + key);
      return false;
    }
    out = found->second;
    return true;
  });
}
