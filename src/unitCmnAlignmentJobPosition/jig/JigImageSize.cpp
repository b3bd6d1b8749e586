#include "unitCmnAlignmentJobPosition/jig/JigImageSize.h"

#include <algorithm>
#include <cmath>

#include "unitCmnAlignmentJobPosition/jig/JigPictures.h"
#include "unitCmnExceptions/unitCmnGuard.h"

JigImageSize::JigImageSize(const JigParam& jig, double usableWidth, double usableHeight)
    : fitted_(jig.fittedScale && !jig.fixedScale),
      autoTrim_(jig.isAutoTrim),
      correction_(jig.autoTrimCorrection),
      usableWidth_(usableWidth),
      usableHeight_(usableHeight) {
  if ((fitted_ || autoTrim_) && !(usableWidth_ > 0.0 && usableHeight_ > 0.0))
    unitCmnGuard::raise(UNITCMN_SITE,
                        "the jig's invalid print area leaves no room in a picture to fit or "
                        "trim an image (" + std::to_string(usableWidth_) + " x " +
                            std::to_string(usableHeight_) + " mm)");
  if (!autoTrim_) return;
  JigPictures::requireFinite("AutoTrimCorrection.Top", correction_.top);
  JigPictures::requireFinite("AutoTrimCorrection.Bottom", correction_.bottom);
  JigPictures::requireFinite("AutoTrimCorrection.Left", correction_.left);
  JigPictures::requireFinite("AutoTrimCorrection.Right", correction_.right);
}

double JigImageSize::width(const CompositeSection& c) {
  return c.scale[0] - (c.trimLeft + c.trimRight);
}

double JigImageSize::height(const CompositeSection& c) {
  return c.scale[1] - (c.trimTop + c.trimBottom);
}

void JigImageSize::requireSize(const std::string& member, const CompositeSection& c) {
  const double w = width(c), h = height(c);
  if (!(std::isfinite(w) && std::isfinite(h) && std::isfinite(c.scale[0]) &&
        std::isfinite(c.scale[1]) && w > 0.0 && h > 0.0))
    unitCmnGuard::raise(UNITCMN_SITE, "member " + member + ": the image has no size that can be "
                                          "placed (" + std::to_string(w) + " x " +
                                          std::to_string(h) + " mm)");
}

void JigImageSize::fit(CompositeSection& c) const {
  const double s = std::min(usableWidth_ / width(c), usableHeight_ / height(c));
  if (s == 1.0) return;
  c.scale = {c.scale[0] * s, c.scale[1] * s};
  c.scaleRatio = {c.scaleRatio[0] * s, c.scaleRatio[1] * s};
  c.trimTop *= s;
  c.trimLeft *= s;
  c.trimBottom *= s;
  c.trimRight *= s;
  c.scaling = true;
}

void JigImageSize::trim(CompositeSection& c) const {
  const double overW = std::max(0.0, width(c) - usableWidth_) / 2;
  const double overH = std::max(0.0, height(c) - usableHeight_) / 2;
  c.trimLeft = std::max(0.0, c.trimLeft + overW + correction_.left);
  c.trimRight = std::max(0.0, c.trimRight + overW + correction_.right);
  c.trimTop = std::max(0.0, c.trimTop + overH + correction_.top);
  c.trimBottom = std::max(0.0, c.trimBottom + overH + correction_.bottom);
}

CompositeSection JigImageSize::adjusted(const std::string& member, CompositeSection c) const {
  requireSize(member, c);
  if (fitted_) fit(c);
  if (autoTrim_) trim(c);
  requireSize(member, c);
  return c;
}
