// One INI section: raw value texts by key, and the order in which keys were
// first set (writing and serialising follow it). Keys are case-sensitive.
// Conversions go through TypeConvert; a value that does not convert raises
// unitCmnException, a missing key is a logged false.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class IniSectionData {
 public:
  void setValue(const std::string& key, const std::string& text);
  void setValue(const std::string& key, const char* text);  // as text
  void setValue(const std::string& key);                    // empty value
  void setValue(const std::string& key, int value);
  void setValue(const std::string& key, long long value);
  void setValue(const std::string& key, unsigned long long value);
  void setValue(const std::string& key, double value);  // six decimals
  void setValue(const std::string& key, bool value);    // "true"/"false"

  // Each empties/keeps its output as described in the class comment and
  // answers whether the key exists.
  bool getValue(const std::string& key, std::string& out) const;
  bool getValue(const std::string& key, int& out) const;
  bool getValue(const std::string& key, long long& out) const;
  bool getValue(const std::string& key, unsigned long long& out) const;
  bool getValue(const std::string& key, double& out) const;
  bool getValue(const std::string& key, bool& out) const;

  // Raises "Key not found. key:<key>" when the key is missing.
  void deleteKey(const std::string& key);
  bool hasKey(const std::string& key) const;
  void clear();

  // "key=value\n" per key in keyOrder.
  std::string toString() const;

  const std::vector<std::string>& keys() const { return keyOrder; }

 protected:
  // Stores the raw text; a new key goes last in keyOrder.
  void setValueCommon(const std::string& key, const std::string& text);
  // Empties out, then copies the raw text; logs and answers false when the
  // key is missing.
  bool getValueCommon(const std::string& key, std::string& out) const;

 private:
  std::unordered_map<std::string, std::string> sectionValues;
  std::vector<std::string> keyOrder;

  friend class ParamIoINI;
};
