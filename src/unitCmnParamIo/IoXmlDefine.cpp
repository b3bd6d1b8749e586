#include "unitCmnParamIo/IoXmlDefine.h"


#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/TypeConvert.h"

void IoXmlDefine::setValue(const std::string& text) {
  unitCmnGuard::run(UNITCMN_SITE, [&] { value_ = text; });
}

void IoXmlDefine::setValue(const char* text) {
  unitCmnGuard::run(UNITCMN_SITE, [&] { value_ = text ? text : ""; });
}

void IoXmlDefine::setValue(int value) {
  unitCmnGuard::run(UNITCMN_SITE, [&] { value_ = TypeConvert::toString(value); });
}

void IoXmlDefine::setValue(unsigned int value) {
  unitCmnGuard::run(UNITCMN_SITE, [&] { value_ = TypeConvert::toString(value); });
}

void IoXmlDefine::setValue(double value) {
  unitCmnGuard::run(UNITCMN_SITE, [&] { value_ = TypeConvert::toString(value); });
}

void IoXmlDefine::setValue(bool value) {
  unitCmnGuard::run(UNITCMN_SITE, [&] { value_ = TypeConvert::toString(value); });
}

void IoXmlDefine::getValue(std::string& out) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] { out = value_; });
}

// Each numeric getter zeroes its output first, so a value that does not
// convert leaves 0 (false) behind as well as raising.
void IoXmlDefine::getValue(int& out) const {
  out = 0;
  unitCmnGuard::run(UNITCMN_SITE, [&] { out = TypeConvert::toInt(value_); });
}

// TypeConvert's unsigned reading: text that does not start with a number
// gives 0 rather than raising.
void IoXmlDefine::getValue(unsigned int& out) const {
  out = 0;
  unitCmnGuard::run(UNITCMN_SITE, [&] { out = TypeConvert::toUInt(value_); });
}

void IoXmlDefine::getValue(double& out) const {
  out = 0.0;
  unitCmnGuard::run(UNITCMN_SITE, [&] { out = TypeConvert::toDouble(value_); });
}

void IoXmlDefine::getValue(bool& out) const {
  out = false;
  unitCmnGuard::run(UNITCMN_SITE, [&] { out = TypeConvert::toBool(value_); });
}

void IoXmlDefine::setAttribute(const std::string& name, const std::string& value) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    const auto found = attributeIndex_.find(name);
    if (found != attributeIndex_.end()) {
      attributes_[found->second].second = value;
    } else {
      attributeIndex_.emplace(name, attributes_.size());
      attributes_.emplace_back(name, value);
    }
  });
}

bool IoXmlDefine::getAttribute(const std::string& name, std::string& out) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    out.clear();
    const auto found = attributeIndex_.find(name);
    if (found == attributeIndex_.end()) return false;
    out = attributes_[found->second].second;
    return true;
  });
}
