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

namespace {
const char* const kFills[] = {"#9ecae1", "#fdae6b", "#a1d99b", "#dadaeb",
                              "#fc9272", "#c7e9c0", "#fdd0a2", "#bcbddc"};
const char* const kLines[] = {"#3182bd", "#e6550d", "#31a354", "#756bb1",
                              "#de2d26", "#238b45", "#d94801", "#54278f"};
constexpr std::size_t kColours = sizeof kFills / sizeof kFills[0];
}  // namespace

const char* SvgText::fill(std::size_t i) { return kFills[i % kColours]; }

const char* SvgText::line(std::size_t i) { return kLines[i % kColours]; }
