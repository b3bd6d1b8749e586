#include "unitCmnAlignmentJobPosition/jig/JigPictures.h"

#include <cmath>

#include "unitCmnExceptions/unitCmnGuard.h"

namespace {

void requireSize(const char* name, double value) {
  if (!(std::isfinite(value) && value > 0.0))
    unitCmnGuard::raise(UNITCMN_SITE, std::string("the jig's pictures have no size (") + name +
                                          " " + std::to_string(value) + ")");
}

}  // namespace

void JigPictures::requireFinite(const std::string& name, double value) {
  if (!std::isfinite(value))
    unitCmnGuard::raise(UNITCMN_SITE, "the jig's " + name + " is not a finite number (" +
                                          std::to_string(value) + ")");
}

JigPictures::JigPictures(const JigParam& jig) {
  requireSize("BasePictureSizeW", jig.basePictureSizeW);
  requireSize("BasePictureSizeH", jig.basePictureSizeH);
  requireFinite("JigOriginW", jig.jigOriginW);
  requireFinite("JigOriginH", jig.jigOriginH);
  requireFinite("FirstOriginW", jig.firstOriginW);
  requireFinite("FirstOriginH", jig.firstOriginH);
  const JigMargins& invalid = jig.invalidPrintArea;
  requireFinite("InvalidPrintArea.Top", invalid.top);
  requireFinite("InvalidPrintArea.Bottom", invalid.bottom);
  requireFinite("InvalidPrintArea.Left", invalid.left);
  requireFinite("InvalidPrintArea.Right", invalid.right);
  for (const PictureRectangle& picture : jig.pictureRectangles) {
    if (!picture.use) continue;
    requireFinite("OffsetW of picture " + picture.no, picture.offsetW);
    requireFinite("OffsetH of picture " + picture.no, picture.offsetH);
    JigBox box;
    box.no = picture.no;
    box.x0 = picture.offsetW + jig.jigOriginW + jig.firstOriginW;
    box.y0 = picture.offsetH + jig.jigOriginH + jig.firstOriginH;
    box.x1 = box.x0 + jig.basePictureSizeW;
    box.y1 = box.y0 + jig.basePictureSizeH;
    boxes_.push_back(box);
  }
  if (boxes_.empty())
    unitCmnGuard::raise(UNITCMN_SITE, "the jig has no picture in use (" +
                                          std::to_string(jig.pictureRectangles.size()) +
                                          " picture rectangles, none with Use true)");
  usableWidth_ = jig.basePictureSizeW - invalid.left - invalid.right;
  usableHeight_ = jig.basePictureSizeH - invalid.top - invalid.bottom;
}
