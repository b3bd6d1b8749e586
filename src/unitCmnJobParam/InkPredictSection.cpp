#include "unitCmnJobParam/InkPredictSection.h"

const SectionTable<InkPredictSection>& InkPredictSection::table() {
  static const SectionTable<InkPredictSection> t{
      {"applySetting", &InkPredictSection::applySetting},
      {"inkSaving", &InkPredictSection::inkSaving},
      {"inkSavingLevel", &InkPredictSection::inkSavingLevel},
  };
  return t;
}
