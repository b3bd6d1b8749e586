// A running-number object of a variable-data print: the text setting of
// its digits, the texts around the number and the counting range.
#pragma once

#include <string>

#include "unitCmnParams/VDPObjectSettingInfo.h"
#include "unitCmnParams/VDPTextSetting.h"
#include "unitCmnParams/XmlFieldTable.h"

struct VDPNumberSetting : VDPObjectSettingInfo {
  VDPNumberSetting() : VDPObjectSettingInfo(kNumber) {}

  // The digits' text setting; only its font and fill are stored.
  VDPTextSetting text;
  std::string prefix;
  std::string suffix;
  int startNumber = 0;
  int endNumber = 0;
  int increment = 0;
  // Number of digits ("Deigits" in the file).
  int deigits = 0;

  // Text (a text setting), Prefix, Suffix, StartNumber, EndNumber,
  // Increment, Deigits.
  static const XmlFieldTable<VDPNumberSetting>& table();
};
