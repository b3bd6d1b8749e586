#include "unitCmnParams/XmlListCodec.h"

#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>

std::vector<std::string> XmlListCodec::parts(const std::string& text) {
  std::vector<std::string> out;
  if (!text.empty()) boost::algorithm::split(out, text, [](char c) { return c == ','; });
  return out;
}

std::string XmlListCodec::joinTexts(const std::vector<std::string>& texts) {
  return boost::algorithm::join(texts, ",");
}
