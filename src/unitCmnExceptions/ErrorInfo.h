// The fixed-size error block that a unitCmnException carries by value.
// Texts are NUL-terminated and cut to fit.
#pragma once

#include <cstdint>

#include "platform/FaultRecord.h"

struct ErrorInfo {
  static constexpr uint32_t kDefaultCode = 3;
  static constexpr unsigned kFileCapacity = 260;     // 259 characters + NUL
  static constexpr unsigned kTextCapacity = 1024;    // 1023 characters + NUL

  uint32_t errorCode = kDefaultCode;
  char sourceFile[kFileCapacity] = {};
  uint32_t sourceLine = 0;
  char comment[kTextCapacity] = {};
  uint32_t lastError = 0;
  char information[kTextCapacity] = {};  // describes a processor fault
  platform::FaultRecord exceptionRecord;
  platform::FaultContext context;
  int32_t valid = 1;
};
