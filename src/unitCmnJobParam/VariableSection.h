// Whether the job prints variable data: section "Variable". Read only.
#pragma once

#include "unitCmnJobParam/SectionTable.h"

struct VariableSection {
  bool isVariableJob{};
  bool applyMonoReplaceJob{};

  static const SectionTable<VariableSection>& table();
  bool operator==(const VariableSection& o) const { return table().equal(*this, o); }
};
