// The picture of a jig run, to scale: one drawing per filling of the jig,
// stacked downwards, 1 mm = 1 user unit, table x across and y down. Each
// drawing shows the table ("WholeSize"), the plate and every pocket turned
// by the jig's deskew about the jig origin (pockets in use outlined with
// their usable room dashed, the others greyed), the images as placed
// (<rect class="image">, unturned coordinates inside the turned group),
// a warning on every image that runs outside its pocket, and the jig
// origin with the deskew angle. A legend follows.
#pragma once

#include <string>

#include "JigFile.h"
#include "JigLayout.h"

class JigPicture {
 public:
  JigPicture(const JigFile& jig, const JigLayout& layout);

  std::string render() const;

 private:
  struct Metrics {
    double font, stroke, pad, width, height;
  };

  void drawFilling(std::ostream& out, const JigFilling& filling, const Metrics& m) const;
  void drawPockets(std::ostream& out, const Metrics& m) const;
  // Drawn over the images, above each pocket.
  void drawPocketNumbers(std::ostream& out, const Metrics& m) const;
  void drawImage(std::ostream& out, const JigImage& image, const Metrics& m) const;
  void drawOrigin(std::ostream& out, const Metrics& m) const;
  double drawLegend(std::ostream& out, double top, const Metrics& m) const;
  // The turn of the plate as an SVG transform.
  std::string turn() const;

  const JigFile& jig_;
  const JigLayout& layout_;
};
