// Texts for the SVG pictures: lengths, figures, escaped XML text and the
// colours that tell jobs apart.
#pragma once

#include <cstddef>
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
  // The fill and the outline of job i (cycled: eight colours).
  static const char* fill(std::size_t i);
  static const char* line(std::size_t i);
};
