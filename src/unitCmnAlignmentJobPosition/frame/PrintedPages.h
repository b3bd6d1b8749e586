// The pages of a job that are printed: the pages listed in
// "targetPrintPages" that the job has (1 to "pages"; a job with "pages" 0
// has page 1), each once, in list order; a list that is empty or names no
// such page means every page, 1 to "pages". The count is known before the
// list is made, so a run can refuse an absurd page count instead of
// allocating it.
#pragma once

#include <vector>

#include "unitCmnJobParam/CompositeSection.h"

class PrintedPages {
 public:
  static long long count(const CompositeSection& composite);
  static std::vector<int> of(const CompositeSection& composite);

 private:
  // The listed pages the job has; as long as the list, so bounded by the
  // job text.
  static std::vector<int> listed(const CompositeSection& composite);
};
