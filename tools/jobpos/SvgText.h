// Texts for the SVG pictures: lengths, figures and escaped XML text.
#pragma once

#include <string>

class SvgText {
 public:
  // A length: three decimals at most, no trailing zeros ("12.5", "0").
  static std::string num(double v);
  // One decimal, for captions and tooltips ("12.5").
  static std::string oneDecimal(double v);
  // text with &, <, >, " and ' escaped and the control characters that
  // XML 1.0 does not allow left out.
  static std::string escaped(const std::string& text);
};
