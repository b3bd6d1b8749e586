// UTF-8 <-> UTF-16 conversion, standing in for the platform code-page
// conversion. Strict: malformed input (bad or overlong sequences, encoded
// surrogates, unpaired surrogates, code points above U+10FFFF) fails and
// leaves the output unchanged.
#pragma once

#include <string>

namespace platform {

class Utf16 {
 public:
  static bool fromUtf8(const std::string& utf8, std::u16string& out);
  static bool toUtf8(const std::u16string& utf16, std::string& out);
};

}  // namespace platform
