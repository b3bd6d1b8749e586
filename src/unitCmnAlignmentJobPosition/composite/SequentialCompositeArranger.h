// Kinds 0 and 9: the entries one below the other along the media, in the
// order they were built. Kind 0 first lays upright entries on their side
// where they fit across the media; kind 9 keeps them as built.
#pragma once

#include "unitCmnAlignmentJobPosition/frame/AbCompositeArranger.h"

class SequentialCompositeArranger : public AbCompositeArranger {
 public:
  explicit SequentialCompositeArranger(bool rotatesAutomatically)
      : rotatesAutomatically_(rotatesAutomatically) {}

 protected:
  void placeEntries(std::vector<ArrangeEntry>& entries, const specialityType::DimDouble& area,
                    const CompositeArrangerData& data) override;

 private:
  bool rotatesAutomatically_;
};
