// The ink-saving settings of a job: section "InkPredict". Written only,
// by the file-version migration.
#pragma once

#include "unitCmnJobParam/SectionTable.h"

struct InkPredictSection {
  bool applySetting{};
  bool inkSaving{};
  int inkSavingLevel{};

  static const SectionTable<InkPredictSection>& table();
  bool operator==(const InkPredictSection& o) const { return table().equal(*this, o); }
};
