#include "unitCmnJobParam/VariableSection.h"

const SectionTable<VariableSection>& VariableSection::table() {
  static const SectionTable<VariableSection> t{
      {"isVariableJob", &VariableSection::isVariableJob},
      {"applyMonoReplaceJob", &VariableSection::applyMonoReplaceJob},
  };
  return t;
}
