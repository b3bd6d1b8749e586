// One INI section: raw value texts by key, and the order in which keys were
// first set (writing and serialising follow it). Keys are case-sensitive.
// Conversions go through TypeConvert; a value that does not convert raises
// unitCmnException, a missing key is a logged false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
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

  // Room for keys in all without further allocation; a hint, never shrinks.
  void reserve(std::size_t keys);

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
  static constexpr std::uint32_t kFree = UINT32_MAX;

  // Where key stands in keyOrder, or keyOrder.size() when it is absent.
  std::size_t find(const std::string& key) const;
  // Enters keyOrder[k] in the index, which has a free slot for it.
  void place(std::size_t k);
  // Makes the index room for keys (at most half full) and enters those in
  // keyOrder; changes nothing when the allocation fails.
  void sizeIndexFor(std::size_t keys);
  // Enters every key again at its position, in the index as it is sized.
  void reindex();

  // A section is a few keys to a few hundred, set one by one while a job is
  // read or written: two vectors and a flat index of positions cost a few
  // allocations a section where a map of nodes cost several a key.
  std::vector<std::string> keyOrder;  // every key once, in first-set order
  std::vector<std::string> values;    // values[k] is keyOrder[k]'s raw text
  // Open addressing with linear probing over positions in keyOrder (kFree
  // where empty); its size is a power of two.
  std::vector<std::uint32_t> slots;

  friend class ParamIoINI;
};
