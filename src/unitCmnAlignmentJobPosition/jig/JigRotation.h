// The jig's deskew: the jig lies on the table turned by "JigDeskew"
// degrees about its origin (JigOriginW, JigOriginH), so every position is
// turned by a = -JigDeskew * pi / 180 about that point:
//   rotX(x, y) = (x - ox) cos a - (y - oy) sin a + ox
//   rotY(x, y) = (x - ox) sin a + (y - oy) cos a + oy
// The sine and cosine are computed once.
#pragma once

#include "unitCmnJobParam/SectionValues.h"
#include "unitCmnParams/JigParam.h"

class JigRotation {
 public:
  // Raises when the deskew is not a finite angle.
  explicit JigRotation(const JigParam& jig);

  double rotX(double x, double y) const;
  double rotY(double x, double y) const;
  // The placed position of an image whose unturned corner is (px, py) and
  // whose size is W x H: X the smaller of rotX(px, py + H) and rotX(px, py),
  // Y the smaller of rotY(px + W, py) and rotY(px, py). For a deskew of at
  // most a quarter turn either way this is the top-left corner of the
  // turned image's bounding box.
  DoublePair placed(double px, double py, double W, double H) const;

 private:
  double ox_ = 0.0, oy_ = 0.0;
  double cos_ = 1.0, sin_ = 0.0;
};
