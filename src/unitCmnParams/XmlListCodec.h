// The ","-joined text form of a list of XML values: "3,5" for the ints 3
// and 5. An empty text is an empty list. Items convert as IoXmlDefine
// values do (a bad item raises with the conversion's message).
#pragma once

#include <string>
#include <vector>

#include "unitCmnParamIo/IoXmlDefine.h"

class XmlListCodec {
 public:
  template <class T>
  static std::vector<T> split(const std::string& text) {
    std::vector<T> items;
    for (const std::string& part : parts(text)) {
      IoXmlDefine item;
      item.setValue(part);
      T value{};
      item.getValue(value);
      items.push_back(value);
    }
    return items;
  }

  template <class T>
  static std::string join(const std::vector<T>& items) {
    std::vector<std::string> texts;
    for (const T& value : items) {
      IoXmlDefine item;
      item.setValue(value);
      texts.push_back(item.value());
    }
    return joinTexts(texts);
  }

 private:
  static std::vector<std::string> parts(const std::string& text);
  static std::string joinTexts(const std::vector<std::string>& texts);
};
