#include "unitCmnAlignmentJobPosition/frame/PrintedPages.h"

#include <algorithm>
#include <set>

std::vector<int> PrintedPages::listed(const CompositeSection& c) {
  std::vector<int> pages;
  std::set<int> seen;
  for (int p : c.targetPrintPages)
    if (p >= 1 && p <= std::max(1, c.pages) && seen.insert(p).second) pages.push_back(p);
  return pages;
}

long long PrintedPages::count(const CompositeSection& c) {
  const long long n = static_cast<long long>(listed(c).size());
  return n > 0 ? n : std::max(1, c.pages);
}

std::vector<int> PrintedPages::of(const CompositeSection& c) {
  std::vector<int> pages = listed(c);
  if (!pages.empty()) return pages;
  for (int p = 1; p <= std::max(1, c.pages); ++p) pages.push_back(p);
  return pages;
}
