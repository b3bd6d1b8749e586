// A window onto part of an XML definition list: the definitions of the
// whole file, or those of one item of a repeated list. Lookups search only
// inside it, so items of a list are read without the shared search cursor.
// A large window indexes its definitions by name on its first lookup, so
// reading a record's fields costs the window's size once, not once per
// field.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "unitCmnParamIo/IoXmlDefine.h"

class XmlDefineRange {
 public:
  XmlDefineRange(const std::vector<IoXmlDefine>& defines, size_t begin, size_t end)
      : defines_(defines), begin_(begin), end_(end) {}
  explicit XmlDefineRange(const std::vector<IoXmlDefine>& defines)
      : XmlDefineRange(defines, 0, defines.size()) {}

  // The first definition named path, or null.
  const IoXmlDefine* find(const std::string& path) const;
  // Every definition named path, in order.
  std::vector<const IoXmlDefine*> findAll(const std::string& path) const;
  // One range per definition named itemPath: from it up to the next one
  // (or the end of this range).
  std::vector<XmlDefineRange> items(const std::string& itemPath) const;

 private:
  // Where each name stands in the window, in order.
  using Index = std::unordered_map<std::string_view, std::vector<size_t>>;
  // The positions of the definitions named path, in order.
  std::vector<size_t> positions(const std::string& path) const;

  const std::vector<IoXmlDefine>& defines_;
  size_t begin_;
  size_t end_;
  mutable std::shared_ptr<const Index> index_;  // made on the first lookup of a large window
};
