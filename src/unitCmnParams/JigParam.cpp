#include "unitCmnParams/JigParam.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/TypeConvert.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlFieldTable.h"

namespace {

using P = JigParam;

}  // namespace

const XmlFieldTable<JigParam>& JigParam::table() {
  static const XmlFieldTable<P> t{
      {"IsDefault", &P::isDefault, false},
      {"FileName", &P::fileName, ""},
      {"ReadOnlyEditable", &P::readOnlyEditable, false},
      {"WholeSizeW", &P::wholeSizeW, 0.0},
      {"WholeSizeH", &P::wholeSizeH, 0.0},
      {"JigSizeW", &P::jigSizeW, 0.0},
      {"JigSizeH", &P::jigSizeH, 0.0},
      {"JigOriginW", &P::jigOriginW, 0.0},
      {"JigOriginH", &P::jigOriginH, 0.0},
      {"JigDeskew", &P::jigDeskew, 0.0},
      {"FirstOriginW", &P::firstOriginW, 0.0},
      {"FirstOriginH", &P::firstOriginH, 0.0},
      {"BasePictureSizeW", &P::basePictureSizeW, 0.0},
      {"BasePictureSizeH", &P::basePictureSizeH, 0.0},
      {"BasePicturePitchW", &P::basePicturePitchW, 0.0},
      {"BasePicturePitchH", &P::basePicturePitchH, 0.0},
      {"PictureCountsW", &P::pictureCountsW, 0},
      {"PictureCountsH", &P::pictureCountsH, 0},
      {"PositioningPolicy", &P::positioningPolicy, 0},
      {"FittedScale", &P::fittedScale, false},
      {"FixedScale", &P::fixedScale, false},
      {"PictureRectangles", &P::pictureRectangles, "PictureRectangle", PictureRectangle::table()},
      {"PdfLineWidth", &P::pdfLineWidth, 0},
      {"PdfLineOffsetMode", &P::pdfLineOffsetMode, 1},
      {"PdfLineOffset", &P::pdfLineOffset, 0.0},
      {"PdfLineColor", &P::pdfLineColor, JigLineColor::table()},
      {"UseMobilePhoneJig", &P::useMobilePhoneJig, false},
      {"MobilePhoneJigAngle", &P::mobilePhoneJigAngle, 0.0},
      {"MobilePhoneJigHeight", &P::mobilePhoneJigHeight, 0.0},
      {"Direction", &P::direction, 0},
      {"IsAutoTrim", &P::isAutoTrim, false},
      {"AutoTrimCorrection", &P::autoTrimCorrection, JigMargins::table()},
      {"InvalidPrintArea", &P::invalidPrintArea, JigMargins::table()},
  };
  return t;
}

namespace {

// The sort key of a picture number "ddd-ddd": (down, across). Raises for a
// number shorter than four characters or a part that is no number.
std::pair<int, int> pictureKey(const std::string& no) {
  if (no.size() < 4)
    throw std::invalid_argument("PictureRectangle No \"" + no + "\" is too short");
  return {TypeConvert::toInt(no.substr(4, 3)), TypeConvert::toInt(no.substr(0, 3))};
}

}  // namespace

JigParam::JigParam() {
  currentVersion = kCurrentVersion;
  JigParam::initParam();
}

void JigParam::versionUp() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!versionIsBelowCurrent()) return;
    paramVersion = currentVersion;
    // The upgraded file replaces the old one; a failed save leaves the
    // values read, so it is logged rather than failing the read.
    if (!filePath.empty() && !writeParam())
      KvnCmnLog::logError(UNITCMN_SITE, "JigParam could not save the upgraded file " + filePath);
  });
}

bool JigParam::afterRead(const XmlDefineRange& range, int /*found*/) {
  sortPictureRectangles();
  KvnCmnLog::logTrace(UNITCMN_SITE, "JigParam fileName :: " + fileName);
  return range.find(std::string(kRoot) + ".IsDefault") != nullptr;
}

void JigParam::sortPictureRectangles() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    // Keys first, so that a bad number raises before anything moves.
    std::vector<std::pair<int, int>> keys;
    keys.reserve(pictureRectangles.size());
    for (const PictureRectangle& picture : pictureRectangles) keys.push_back(pictureKey(picture.no));
    std::vector<size_t> order(pictureRectangles.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<PictureRectangle> sorted;
    sorted.reserve(order.size());
    for (size_t i : order) sorted.push_back(std::move(pictureRectangles[i]));
    pictureRectangles = std::move(sorted);
  });
}
