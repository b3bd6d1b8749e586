#include "unitCmnParams/ImageFileInfo.h"

const XmlFieldTable<ImageFileInfo>& ImageFileInfo::table() {
  using R = ImageFileInfo;
  static const XmlFieldTable<R> t{
      {"Key", &R::key, ""},
      {"ImagePath", &R::imagePath, ""},
      XmlFieldTable<R>::Field::container("ImagSize"),
      {"ImagSize.Width", &R::width, 0},
      {"ImagSize.Height", &R::height, 0},
      {"ImagSize.DpiW", &R::dpiW, 0},
      {"ImagSize.DpiH", &R::dpiH, 0},
  };
  return t;
}
