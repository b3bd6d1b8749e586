#include "unitCmnParams/VDPObjectSettingInfo.h"

#include "unitCmnParams/VDPImageSetting.h"
#include "unitCmnParams/VDPNumberSetting.h"
#include "unitCmnParams/VDPTextSetting.h"

namespace {

// The copy of an object of one of the three kinds, as that kind.
std::unique_ptr<VDPObjectSettingInfo> copyOf(const VDPObjectSettingInfo* object) {
  if (object == nullptr) return nullptr;
  if (auto* text = dynamic_cast<const VDPTextSetting*>(object))
    return std::make_unique<VDPTextSetting>(*text);
  if (auto* image = dynamic_cast<const VDPImageSetting*>(object))
    return std::make_unique<VDPImageSetting>(*image);
  if (auto* number = dynamic_cast<const VDPNumberSetting*>(object))
    return std::make_unique<VDPNumberSetting>(*number);
  // The base cannot be made on its own, so no other kind exists.
  return nullptr;
}

// The elements each kind adds, in the container named after the kind.
const XmlFieldTable<VDPTextSetting>& textKindTable() {
  static const XmlFieldTable<VDPTextSetting> t{
      XmlFieldTable<VDPTextSetting>::Field::group("TextSetting", VDPTextSetting::table()),
  };
  return t;
}

const XmlFieldTable<VDPImageSetting>& imageKindTable() {
  static const XmlFieldTable<VDPImageSetting> t{
      XmlFieldTable<VDPImageSetting>::Field::group("ImageSetting", VDPImageSetting::table()),
  };
  return t;
}

const XmlFieldTable<VDPNumberSetting>& numberKindTable() {
  static const XmlFieldTable<VDPNumberSetting> t{
      XmlFieldTable<VDPNumberSetting>::Field::group("NumberSetting", VDPNumberSetting::table()),
  };
  return t;
}

}  // namespace

const XmlFieldTable<VDPObjectSettingInfo>& VDPObjectSettingInfo::table() {
  using R = VDPObjectSettingInfo;
  static const XmlFieldTable<R> t{
      XmlFieldTable<R>::Field::container("DrawPosition"),
      {"DrawPosition.Top", &R::top, 0.0},
      {"DrawPosition.Left", &R::left, 0.0},
      {"DrawPosition.Width", &R::width, 0.0},
      {"DrawPosition.Height", &R::height, 0.0},
      {"Rotation", &R::rotation, 0.0},
      {"ArrangementType", &R::arrangementType, 0},
      {"Mirror", &R::mirror, false},
      XmlFieldTable<R>::Field::container("OverlapSetting"),
      {"OverlapSetting.OverlapType", &R::overlapType, 0},
      {"OverlapSetting.Opacity", &R::opacity, 0},
  };
  return t;
}

const XmlKindTable<VDPObjectSettingInfo>& VDPObjectSettingInfo::kinds() {
  static const XmlKindTable<VDPObjectSettingInfo> k{
      "ObjectType",
      table(),
      {
          {kText, textKindTable()},
          {kImage, imageKindTable()},
          {kNumber, numberKindTable()},
      }};
  return k;
}

VDPObjectSettingPtr::VDPObjectSettingPtr(const VDPObjectSettingPtr& other)
    : object_(copyOf(other.get())) {}

VDPObjectSettingPtr& VDPObjectSettingPtr::operator=(const VDPObjectSettingPtr& other) {
  if (this != &other) object_ = copyOf(other.get());
  return *this;
}
