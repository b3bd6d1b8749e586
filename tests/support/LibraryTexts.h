// The job texts an instance of the shared library hands back, read through
// its C functions as a host reads them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition.h"

// Every job's text, in the order the jobs were added.
inline std::vector<std::string> textsOf(void* p) {
  std::vector<std::string> texts;
  int count = 0;
  getAlignmentJobCount(p, &count);
  for (int i = 0; i < count; ++i) {
    uint64_t size = 0;
    getAlignmentJobSize(p, i, &size);
    std::string text(size, '\0');
    copyAlignmentJobParam(p, text.data(), size);
    texts.push_back(text);
  }
  return texts;
}
