#include "unitCmnParams/XmlDefineRange.h"

namespace {

// Below this many definitions a search is cheaper than an index.
constexpr size_t kIndexFrom = 32;

}  // namespace

std::vector<size_t> XmlDefineRange::positions(const std::string& path) const {
  if (end_ - begin_ < kIndexFrom) {
    std::vector<size_t> found;
    for (size_t i = begin_; i < end_; ++i)
      if (defines_[i].getName() == path) found.push_back(i);
    return found;
  }
  if (!index_) {
    auto index = std::make_shared<Index>();
    for (size_t i = begin_; i < end_; ++i) (*index)[defines_[i].getName()].push_back(i);
    index_ = std::move(index);
  }
  const auto found = index_->find(path);
  return found == index_->end() ? std::vector<size_t>() : found->second;
}

const IoXmlDefine* XmlDefineRange::find(const std::string& path) const {
  const std::vector<size_t> found = positions(path);
  return found.empty() ? nullptr : &defines_[found.front()];
}

std::vector<const IoXmlDefine*> XmlDefineRange::findAll(const std::string& path) const {
  std::vector<const IoXmlDefine*> found;
  for (size_t i : positions(path)) found.push_back(&defines_[i]);
  return found;
}

std::vector<XmlDefineRange> XmlDefineRange::items(const std::string& itemPath) const {
  const std::vector<size_t> starts = positions(itemPath);
  std::vector<XmlDefineRange> ranges;
  for (size_t k = 0; k < starts.size(); ++k) {
    const size_t stop = k + 1 < starts.size() ? starts[k + 1] : end_;
    ranges.emplace_back(defines_, starts[k], stop);
  }
  return ranges;
}
