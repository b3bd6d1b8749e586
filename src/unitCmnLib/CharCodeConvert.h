// UTF-8 <-> UTF-16 text conversion. Malformed input answers false and
// leaves the output unchanged.
#pragma once

#include <string>

class CharCodeConvert {
 public:
  static bool utf8ToWide(const std::string& text, std::u16string& out);
  static bool wideToUtf8(const std::u16string& wide, std::string& out);
  // Whether the text is valid UTF-8. Paths are opened by their UTF-8 bytes;
  // a path that is not valid UTF-8 names no file.
  static bool isUtf8(const std::string& text);
};
