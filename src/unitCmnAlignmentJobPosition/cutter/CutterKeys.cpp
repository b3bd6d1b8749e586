#include "unitCmnAlignmentJobPosition/cutter/CutterKeys.h"

#include <cmath>
#include <sstream>

#include "unitCmnExceptions/unitCmnGuard.h"

double CutterKeys::length(const std::string& what, const std::string& key, double value) {
  if (std::isfinite(value) && value >= 0.0) return value;
  std::ostringstream text;
  text << what << ": " << key << " is not a length of 0 mm or more (" << value << ")";
  unitCmnGuard::raise(UNITCMN_SITE, text.str());
}
