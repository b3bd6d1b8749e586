#include "unitCmnParams/XmlDefineRange.h"

const IoXmlDefine* XmlDefineRange::find(const std::string& path) const {
  for (size_t i = begin_; i < end_; ++i)
    if (defines_[i].getName() == path) return &defines_[i];
  return nullptr;
}

std::vector<const IoXmlDefine*> XmlDefineRange::findAll(const std::string& path) const {
  std::vector<const IoXmlDefine*> found;
  for (size_t i = begin_; i < end_; ++i)
    if (defines_[i].getName() == path) found.push_back(&defines_[i]);
  return found;
}

std::vector<XmlDefineRange> XmlDefineRange::items(const std::string& itemPath) const {
  std::vector<size_t> starts;
  for (size_t i = begin_; i < end_; ++i)
    if (defines_[i].getName() == itemPath) starts.push_back(i);
  std::vector<XmlDefineRange> ranges;
  for (size_t k = 0; k < starts.size(); ++k) {
    const size_t stop = k + 1 < starts.size() ? starts[k + 1] : end_;
    ranges.emplace_back(defines_, starts[k], stop);
  }
  return ranges;
}
