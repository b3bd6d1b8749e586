// One node of an XML parameter file: named by the dotted path of element
// names from the root down to it ("DeviceFunction.PullBack"; a CDATA
// section is "<parent path>.CDATA"), with its text value and its
// attributes in document order. Plain and copyable.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class IoXmlDefine {
 public:
  using Attribute = std::pair<std::string, std::string>;

  IoXmlDefine() = default;
  explicit IoXmlDefine(std::string name) : name_(std::move(name)) {}

  const std::string& getName() const { return name_; }
  const std::string& value() const { return value_; }

  // Numbers in decimal, doubles with six decimals, bools "true"/"false".
  void setValue(const std::string& text);
  void setValue(const char* text);
  void setValue(int value);
  void setValue(unsigned int value);
  void setValue(double value);
  void setValue(bool value);

  // The numeric getters first zero the output, then convert; a value that
  // does not convert raises unitCmnException with the conversion's message.
  void getValue(std::string& out) const;
  void getValue(int& out) const;
  void getValue(unsigned int& out) const;
  void getValue(double& out) const;
  void getValue(bool& out) const;

  // Replaces the attribute of that name or appends it at the end.
  void setAttribute(const std::string& name, const std::string& value);
  // False (out emptied) when there is no such attribute.
  bool getAttribute(const std::string& name, std::string& out) const;
  const std::vector<Attribute>& attributes() const { return attributes_; }

 private:
  std::string name_;
  std::string value_;
  std::vector<Attribute> attributes_;
  // Where each name stands in attributes_: setting and finding an attribute
  // costs the same however many the element has.
  std::unordered_map<std::string, std::size_t> attributeIndex_;
};
