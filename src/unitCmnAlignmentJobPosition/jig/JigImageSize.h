// A member's image as the jig prints it, settled in the member's
// "Composite" before any image is placed. The usable room of a picture is
// its size less the invalid print area on its four sides.
//   - FittedScale (unless FixedScale is set too) scales the image, its
//     proportions kept, to the largest size that fits the usable room, up
//     or down: "scale", the trims and "scaleRatio" change by that factor
//     and "scaling" is set.
//   - IsAutoTrim then trims what still exceeds the usable room, half from
//     each side, and adds AutoTrimCorrection to the trims of the same
//     names (Top to "trimTop" and so on); no trim goes below 0.
//   - Otherwise the image keeps the job's size, even when it is larger
//     than its picture.
#pragma once

#include <string>

#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnParams/JigParam.h"

class JigImageSize {
 public:
  JigImageSize(const JigParam& jig, double usableWidth, double usableHeight);

  // The composite as the jig leaves it. Raises, naming the member, when
  // the image has no size that can be placed, or when the jig asks for a
  // fit or a trim and the usable room is empty.
  CompositeSection adjusted(const std::string& member, CompositeSection composite) const;

  // The trimmed image: "scale" less the trims.
  static double width(const CompositeSection& c);
  static double height(const CompositeSection& c);

 private:
  void fit(CompositeSection& c) const;
  void trim(CompositeSection& c) const;
  static void requireSize(const std::string& member, const CompositeSection& c);

  bool fitted_;
  bool autoTrim_;
  JigMargins correction_;
  double usableWidth_;
  double usableHeight_;
};
