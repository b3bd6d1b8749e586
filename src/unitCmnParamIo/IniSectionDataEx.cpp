#include "unitCmnParamIo/IniSectionDataEx.h"

#include "unitCmnParamIo/IniParamGuard.h"

namespace {

constexpr char kQuote = '"';

// One quote on each side; an end that already has one is left alone, and
// the empty text stays empty so "no value" survives a round trip.
std::string quoted(const std::string& text) {
  if (text.empty()) return text;
  std::string result = text;
  if (text.front() != kQuote) result.insert(result.begin(), kQuote);
  if (text.back() != kQuote) result.push_back(kQuote);
  return result;
}

// Removes one leading quote, then one trailing quote if anything is left.
void unquote(std::string& text) {
  if (!text.empty() && text.front() == kQuote) text.erase(text.begin());
  if (!text.empty() && text.back() == kQuote) text.pop_back();
}

}  // namespace

void IniSectionDataEx::setValue(const std::string& key, const std::string& text) {
  IniParamGuard::run(UNITCMN_SITE, [&] { return IniParamGuard::setErrorText(key, text); },
                     [&] { IniSectionData::setValue(key, quoted(text)); });
}

void IniSectionDataEx::setValue(const std::string& key, const char* text) {
  setValue(key, text ? std::string(text) : std::string());
}

void IniSectionDataEx::setValueNonDq(const std::string& key, const std::string& text) {
  IniParamGuard::run(UNITCMN_SITE, [&] { return IniParamGuard::setErrorText(key, text); },
                     [&] { IniSectionData::setValue(key, text); });
}

bool IniSectionDataEx::getValue(const std::string& key, std::string& out) const {
  return IniParamGuard::run(UNITCMN_SITE, [&] { return IniParamGuard::getErrorText(key); }, [&] {
    if (!IniSectionData::getValue(key, out)) return false;
    unquote(out);
    return true;
  });
}

bool IniSectionDataEx::getValueNonDq(const std::string& key, std::string& out) const {
  return IniParamGuard::run(UNITCMN_SITE, [&] { return IniParamGuard::getErrorText(key); },
                            [&] { return IniSectionData::getValue(key, out); });
}
