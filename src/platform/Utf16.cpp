#include "platform/Utf16.h"

namespace platform {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes one code point at utf8[i], advancing i. False on malformed input.
bool decodeOne(const std::string& utf8, size_t& i, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  size_t extra;
  char32_t minimum;
  if (lead < 0x80) { cp = lead; ++i; return true; }
  if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; minimum = 0x80; }
  else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; minimum = 0x800; }
  else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; minimum = 0x10000; }
  else return false;
  if (utf8.size() - i <= extra) return false;
  for (size_t k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(utf8[i + k]);
    if (!isContinuation(c)) return false;
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  i += extra + 1;
  return true;
}

void appendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

bool Utf16::fromUtf8(const std::string& utf8, std::u16string& out) {
  std::u16string result;
  result.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp;
    if (!decodeOne(utf8, i, cp)) return false;
    if (cp < 0x10000) {
      result += static_cast<char16_t>(cp);
    } else {
      cp -= 0x10000;
      result += static_cast<char16_t>(0xD800 + (cp >> 10));
      result += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
  }
  out.swap(result);
  return true;
}

bool Utf16::toUtf8(const std::u16string& utf16, std::string& out) {
  std::string result;
  result.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xDC00 && cp <= 0xDFFF) return false;
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      if (i + 1 == utf16.size()) return false;
      const char32_t low = utf16[i + 1];
      if (low < 0xDC00 || low > 0xDFFF) return false;
      cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
      ++i;
    }
    appendUtf8(cp, result);
  }
  out.swap(result);
  return true;
}

}  // namespace platform
