// Test helper for parameter texts: a real XML file with the value of one
// element replaced, so a case names only what it changes.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

// text with the value of the first element at path (element names joined
// by ".", each searched after the one before) replaced by value.
inline std::string withElement(std::string text, const std::string& path,
                               const std::string& value) {
  size_t at = 0;
  std::string name;
  std::istringstream names(path);
  while (std::getline(names, name, '.') && at != std::string::npos)
    at = text.find("<" + name + ">", at);
  const size_t begin = at == std::string::npos ? at : at + name.size() + 2;
  const size_t end = text.find("</" + name + ">", begin);
  if (end == std::string::npos) {
    ADD_FAILURE() << "no element " << path;
    return text;
  }
  return text.replace(begin, end - begin, value);
}
