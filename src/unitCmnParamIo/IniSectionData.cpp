#include "unitCmnParamIo/IniSectionData.h"

#include <algorithm>
#include <functional>

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
    const std::size_t k = find(key);
    if (k == keyOrder.size()) unitCmnGuard::raise(site, "Key not found. key:" + key);
    keyOrder.erase(keyOrder.begin() + static_cast<std::ptrdiff_t>(k));
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(k));
    reindex();  // every later key moved down one place
  });
}

void IniSectionData::reserve(std::size_t keys) {
  keyOrder.reserve(keys);
  values.reserve(keys);
  if (2 * keys > slots.size()) sizeIndexFor(keys);
}

bool IniSectionData::hasKey(const std::string& key) const { return find(key) != keyOrder.size(); }

void IniSectionData::clear() {
  keyOrder.clear();
  values.clear();
  slots.clear();
}

std::string IniSectionData::toString() const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    std::string text;
    for (std::size_t k = 0; k < keyOrder.size(); ++k) text += keyOrder[k] + "=" + values[k] + "\n";
    return text;
  });
}

void IniSectionData::setValueCommon(const std::string& key, const std::string& text) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    // An existing key keeps its place in keyOrder.
    const std::size_t k = find(key);
    if (k < keyOrder.size()) {
      values[k] = text;
      return;
    }
    // Room first, so that a failed allocation leaves the section as it was.
    if (2 * (k + 1) > slots.size()) sizeIndexFor(k + 1);
    keyOrder.push_back(key);
    try {
      values.push_back(text);
    } catch (...) {
      keyOrder.pop_back();
      throw;
    }
    place(k);
  });
}

bool IniSectionData::getValueCommon(const std::string& key, std::string& out) const {
  const SourceSite site = UNITCMN_SITE;
  return unitCmnGuard::run(site, [&] {
    out.clear();
    const std::size_t k = find(key);
    if (k == keyOrder.size()) {
      KvnCmnLog::logError(site, "ParamIoINI getValue Key not found. key:" + key);
      return false;
    }
    out = values[k];
    return true;
  });
}

std::size_t IniSectionData::find(const std::string& key) const {
  if (slots.empty()) return keyOrder.size();
  const std::size_t mask = slots.size() - 1;
  // The index is at most half full, so a free slot ends every probe.
  for (std::size_t s = std::hash<std::string>{}(key) & mask;; s = (s + 1) & mask) {
    const std::uint32_t k = slots[s];
    if (k == kFree) return keyOrder.size();
    if (keyOrder[k] == key) return k;
  }
}

void IniSectionData::place(std::size_t k) {
  const std::size_t mask = slots.size() - 1;
  std::size_t s = std::hash<std::string>{}(keyOrder[k]) & mask;
  while (slots[s] != kFree) s = (s + 1) & mask;
  slots[s] = static_cast<std::uint32_t>(k);
}

void IniSectionData::sizeIndexFor(std::size_t keys) {
  std::size_t size = 16;
  while (size < 2 * keys) size *= 2;
  std::vector<std::uint32_t>(size, kFree).swap(slots);
  reindex();
}

void IniSectionData::reindex() {
  std::fill(slots.begin(), slots.end(), kFree);
  for (std::size_t k = 0; k < keyOrder.size(); ++k) place(k);
}
