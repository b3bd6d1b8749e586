// A jig: a plate on the flatbed holding objects in a grid of pictures
// (pockets). Its size and origin, the base size and pitch of the pictures
// and their counts, per-picture offsets, the PDF guide line and the
// trimming and invalid-area margins, stored as the "Jig" XML file
// (version 1.01). All lengths are millimetres. The fields are public: the
// jig arrangers read them directly.
#pragma once

#include <string>
#include <vector>

#include "unitCmnParams/JigLineColor.h"
#include "unitCmnParams/JigMargins.h"
#include "unitCmnParams/PictureRectangle.h"
#include "unitCmnParams/XmlFieldTable.h"
#include "unitCmnParams/XmlTableParam.h"

// Reset, read and write follow the table (XmlTableParam): initParam sets
// every field back to its default (PdfLineOffsetMode 1, all else zero,
// false or empty) and the version back to 1.01; setParamToIo writes the
// root, the version, then every element in file order and the picture
// rectangles in their current order; getParamFromIo lets every element
// present replace its default, then afterRead finishes the read.
class JigParam : public XmlTableParam<JigParam> {
 public:
  static constexpr const char* kCurrentVersion = "1.01";
  static constexpr const char* kRoot = "Jig";

  // Every field at its default, version 1.01.
  JigParam();
  JigParam(const JigParam&) = default;
  JigParam& operator=(const JigParam&) = default;

  // Every element below the root in file order (the version aside), with
  // its field and default.
  static const XmlFieldTable<JigParam>& table();

  // A version below 1.01 becomes 1.01 and, when the object has a file
  // path, the file is saved again; no field changes.
  void versionUp() override;

  // Orders the entries by the number after the separator (characters 5
  // to 7 of No), then by the number before it (characters 1 to 3); entries
  // with equal numbers keep their order. A number shorter than four
  // characters or whose parts are no numbers raises and leaves the order.
  void sortPictureRectangles();

  bool isDefault = false;
  std::string fileName;
  bool readOnlyEditable = false;
  double wholeSizeW = 0.0;
  double wholeSizeH = 0.0;
  double jigSizeW = 0.0;
  double jigSizeH = 0.0;
  double jigOriginW = 0.0;
  double jigOriginH = 0.0;
  double jigDeskew = 0.0;
  double firstOriginW = 0.0;
  double firstOriginH = 0.0;
  double basePictureSizeW = 0.0;
  double basePictureSizeH = 0.0;
  double basePicturePitchW = 0.0;
  double basePicturePitchH = 0.0;
  int pictureCountsW = 0;
  int pictureCountsH = 0;
  int positioningPolicy = 0;
  bool fittedScale = false;
  bool fixedScale = false;
  std::vector<PictureRectangle> pictureRectangles;
  int pdfLineWidth = 0;
  int pdfLineOffsetMode = 1;
  double pdfLineOffset = 0.0;
  JigLineColor pdfLineColor;
  bool useMobilePhoneJig = false;
  double mobilePhoneJigAngle = 0.0;
  double mobilePhoneJigHeight = 0.0;
  int direction = 0;
  bool isAutoTrim = false;
  JigMargins autoTrimCorrection;
  JigMargins invalidPrintArea;

 protected:
  // After the elements are read: the picture rectangles are sorted by
  // number (down first, then across) and the file name is logged. True
  // exactly when the file has IsDefault, so a file without it fails to
  // read. A value that does not convert or a picture number that is no
  // "ddd-ddd" raises.
  bool afterRead(const XmlDefineRange& range, int found) override;
};
