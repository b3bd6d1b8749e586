#include "SvgText.h"

#include <cstdio>

std::string SvgText::num(double v) {
  char text[48];
  std::snprintf(text, sizeof text, "%.3f", v);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

std::string SvgText::oneDecimal(double v) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

std::string SvgText::escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
    }
  }
  return out;
}
