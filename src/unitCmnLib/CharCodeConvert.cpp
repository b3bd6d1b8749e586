#include "unitCmnLib/CharCodeConvert.h"

#include "platform/Utf16.h"
#include "unitCmnExceptions/unitCmnGuard.h"

bool CharCodeConvert::utf8ToWide(const std::string& text, std::u16string& out) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return platform::Utf16::fromUtf8(text, out); });
}

bool CharCodeConvert::wideToUtf8(const std::u16string& wide, std::string& out) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return platform::Utf16::toUtf8(wide, out); });
}

bool CharCodeConvert::isUtf8(const std::string& text) {
  std::u16string wide;
  return utf8ToWide(text, wide);
}
