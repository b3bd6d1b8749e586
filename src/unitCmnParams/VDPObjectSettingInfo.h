// The object drawn for a variable-data column or cell: a text, an image or
// a running number, with its position, rotation, overlap and appearance.
// VDPObjectSettingInfo is the polymorphic base; only its three kinds
// (VDPTextSetting, VDPImageSetting, VDPNumberSetting) are made, each
// setting its object type when constructed.
#pragma once

#include <memory>
#include <utility>

#include "unitCmnParams/XmlFieldTable.h"

struct VDPObjectSettingInfo {
  // Object type codes.
  static constexpr int kText = 0;
  static constexpr int kImage = 1;
  static constexpr int kNumber = 2;

  virtual ~VDPObjectSettingInfo() = default;

  int objectType = 0;
  // Draw position.
  double top = 0.0;
  double left = 0.0;
  double width = 0.0;
  double height = 0.0;
  double rotation = 0.0;
  int arrangementType = 0;
  bool mirror = false;
  // Overlap setting.
  int overlapType = 0;
  int opacity = 0;

  // The elements every kind shares, below "ObjectSettingInfo" after
  // ObjectType: DrawPosition (Top, Left, Width, Height), Rotation,
  // ArrangementType, Mirror, OverlapSetting (OverlapType, Opacity).
  static const XmlFieldTable<VDPObjectSettingInfo>& table();
  // The kinds by ObjectType: 0 text ("TextSetting"), 1 image
  // ("ImageSetting"), 2 number ("NumberSetting").
  static const XmlKindTable<VDPObjectSettingInfo>& kinds();

 protected:
  explicit VDPObjectSettingInfo(int type) : objectType(type) {}
  VDPObjectSettingInfo(const VDPObjectSettingInfo&) = default;
  VDPObjectSettingInfo& operator=(const VDPObjectSettingInfo&) = default;
};

// Owns an optional object setting; copying copies the object with its
// kind, so that records holding one stay copyable by value.
class VDPObjectSettingPtr {
 public:
  using element_type = VDPObjectSettingInfo;

  VDPObjectSettingPtr() = default;
  explicit VDPObjectSettingPtr(std::unique_ptr<VDPObjectSettingInfo> object)
      : object_(std::move(object)) {}
  VDPObjectSettingPtr(const VDPObjectSettingPtr& other);
  VDPObjectSettingPtr& operator=(const VDPObjectSettingPtr& other);
  VDPObjectSettingPtr(VDPObjectSettingPtr&&) noexcept = default;
  VDPObjectSettingPtr& operator=(VDPObjectSettingPtr&&) noexcept = default;

  VDPObjectSettingInfo* get() const { return object_.get(); }
  VDPObjectSettingInfo* operator->() const { return object_.get(); }
  VDPObjectSettingInfo& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void reset(VDPObjectSettingInfo* object = nullptr) { object_.reset(object); }

 private:
  std::unique_ptr<VDPObjectSettingInfo> object_;
};
