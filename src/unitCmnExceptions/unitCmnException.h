// The one exception type that crosses the library's layers. It is the
// ErrorInfo block, copied whole with the exception. Build it through
// unitCmnExceptions.
#pragma once

#include <string>

#include "unitCmnExceptions/ErrorInfo.h"

class unitCmnException {
 public:
  explicit unitCmnException(const ErrorInfo& info) : info_(info) {}

  const ErrorInfo& errorInfo() const { return info_; }
  uint32_t errorCode() const { return info_.errorCode; }
  const char* sourceFile() const { return info_.sourceFile; }
  uint32_t sourceLine() const { return info_.sourceLine; }
  const char* comment() const { return info_.comment; }

  // Four lines: "ErrorCode :0x%08X\t", "LastErr :0x%08X\t", "Info :<information>"
  // and "Comment :<comment>", joined by newlines.
  std::string message() const;

 private:
  ErrorInfo info_;
};
